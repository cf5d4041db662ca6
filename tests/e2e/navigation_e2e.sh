#!/usr/bin/env bash
# Drives the real program under a virtual X server: opens the time-table named on the command
# line, moves through weeks with Alt+W, clicks a lesson cell and a week label, types week notes
# and checks the notes files written for the weeks it landed on; then closes the window.
# Usage: navigation_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

write_timetable "$data" Peter

launch_over_folders -- Peter
find_window '^Peter\.dfd$' # sets window, X, Y, WIDTH, HEIGHT
expect_large_window
measure_menu_bar
echo "menu bar height $menu"

notes_file() { echo "$data/Peter/$(notes_name "$1")"; }

# The program starts on the pinned date's week.
wait_for 20 week_selected "$pinned_week" ||
    fail "week $pinned_week, the pinned date's, is not selected at start"
first="$(notes_file "$pinned_week")"
type_notes "first week"
wait_for 20 notes_hold "$first" "first week" || fail "no $first holding the typed notes"

# Two weeks on with the keyboard; the key goes to the window, not into the notes box.
third_week=$((pinned_week + 2))
xdotool key --delay 100 alt+w alt+w
wait_for 20 week_selected "$third_week" || fail "two times Alt+W did not select week $third_week"
third="$(notes_file "$third_week")"
type_notes "third week"
wait_for 20 notes_hold "$third" "third week" || fail "no $third after Alt+W"
notes_hold "$first" "first week" || fail "$first was changed"

# A lesson cell (Wednesday, first lesson: left 292 + 1, top 63 + 1, 145 x 32) turns button-face
# grey, its day header (left 292, top 22, 146 x 41) blue, and the first detail label (left 359,
# top 471, 176 x 14) shows its subject.
cell_x="$(screen_x $((293 + 135)))" cell_y="$(screen_y $((64 + 28)))"
header_x="$(screen_x $((292 + 140)))" header_y="$(screen_y $((22 + 30)))"
pixel_is "$cell_x" "$cell_y" '#FFFFFF' || fail "the cell is $(pixel "$cell_x" "$cell_y") before the click"
! details_shown || fail "the lesson details show something before a cell was clicked"
click $((292 + 70)) $((64 + 16))
wait_for 20 pixel_is "$cell_x" "$cell_y" '#F0F0F0' ||
    fail "the clicked cell is $(pixel "$cell_x" "$cell_y"), not #F0F0F0"
wait_for 20 pixel_is "$header_x" "$header_y" '#0000FF' || fail "the Wednesday header is not blue"
wait_for 20 details_shown || fail "the clicked lesson's details do not appear"

# A week label far from the weeks used so far, then notes for that week.
target=30
click_week_label "$target"
wait_for 20 week_selected "$target" || fail "clicking week $target did not select it"
landed="$(notes_file "$target")"
type_notes "week $target"
wait_for 20 notes_hold "$landed" "week $target" || fail "no $landed after clicking week $target"
[ "$(find "$data/Peter" -name '*.dfz' | wc -l)" -eq 3 ] ||
    fail "unexpected notes files: $(ls "$data/Peter")"

close_and_wait
# Nothing changed the options, so none was written (the start records only its own folder
# as Directory, for the tray option).
! grep -q Mandag "$config/Skemora/Skemora.conf" 2>/dev/null ||
    fail "options were written without a change: $(cat "$config/Skemora/Skemora.conf")"
echo "PASSED"
