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

# The 800 x 600 layout: week label k (0-based) sits in the week panel (left 731, top 1) at left 2,
# or 22 in the right-hand column, and top (k / 2) * 14 + 16; the selected week's is blue.
week_label_left() {
    if [ $((($1 - 1) % 2)) -eq 1 ] || [ "$1" -eq 53 ]; then echo $((731 + 22)); else echo $((731 + 2)); fi
}
week_label_top() {
    local row=$((($1 - 1) / 2))
    echo $((1 + row * 14 + 16))
}
week_label_is() {
    pixel_is "$(screen_x $(($(week_label_left "$1") + 1)))" \
        "$(screen_y $(($(week_label_top "$1") + 1)))" "$2"
}
click_week_label() { click $(($(week_label_left "$1") + 8)) $(($(week_label_top "$1") + 7)); }
# Puts the pointer into the notes box (left 1, top 455 + 15) and types. The X server delivers the
# click before the keys, so the keys reach the box the click focused.
type_notes() {
    click 60 500
    xdotool type --delay 30 "$1"
}
notes_name() { printf 'a%d%02d.dfz' "$pinned_year" "$1"; }
notes_hold() { [ "$(cat "$data/Peter/$1" 2>/dev/null)" = "$2"$'\r' ]; }

# The program starts on the pinned date's week.
wait_for 20 week_label_is "$pinned_week" '#0000FF' ||
    fail "week $pinned_week, the pinned date's, is not selected at start"
first="$(notes_name "$pinned_week")"
type_notes "first week"
wait_for 20 notes_hold "$first" "first week" || fail "no $first holding the typed notes"

# Two weeks on with the keyboard; the key goes to the window, not into the notes box.
third_week=$((pinned_week + 2))
xdotool key --delay 100 alt+w alt+w
wait_for 20 week_label_is "$third_week" '#0000FF' || fail "two times Alt+W did not select week $third_week"
third="$(notes_name "$third_week")"
type_notes "third week"
wait_for 20 notes_hold "$third" "third week" || fail "no $third after Alt+W"
notes_hold "$first" "first week" || fail "$first was changed"

# A lesson cell (Wednesday, first lesson: left 292 + 1, top 63 + 1, 145 x 32) turns button-face
# grey, its day header (left 292, top 22, 146 x 41) blue, and the first detail label (left 359,
# top 471, 176 x 14) shows its subject.
cell_x="$(screen_x $((293 + 135)))" cell_y="$(screen_y $((64 + 28)))"
header_x="$(screen_x $((292 + 140)))" header_y="$(screen_y $((22 + 30)))"
detail=(176 14 "$(screen_x 359)" "$(screen_y 471)")
detail_background="$(pixel "${detail[2]}" "${detail[3]}")"
pixel_is "$cell_x" "$cell_y" '#FFFFFF' || fail "the cell is $(pixel "$cell_x" "$cell_y") before the click"
[ "$(pixels_other_than "${detail[@]}" "$detail_background")" -eq 0 ] ||
    fail "the lesson details show something before a cell was clicked"
click $((292 + 70)) $((64 + 16))
wait_for 20 pixel_is "$cell_x" "$cell_y" '#F0F0F0' ||
    fail "the clicked cell is $(pixel "$cell_x" "$cell_y"), not #F0F0F0"
wait_for 20 pixel_is "$header_x" "$header_y" '#0000FF' || fail "the Wednesday header is not blue"
details_shown() { [ "$(pixels_other_than "${detail[@]}" "$detail_background")" -gt 0 ]; }
wait_for 20 details_shown || fail "the clicked lesson's details do not appear"

# A week label far from the weeks used so far, then notes for that week.
target=30
click_week_label "$target"
wait_for 20 week_label_is "$target" '#0000FF' || fail "clicking week $target did not select it"
landed="$(notes_name "$target")"
type_notes "week $target"
wait_for 20 notes_hold "$landed" "week $target" || fail "no $landed after clicking week $target"
[ "$(find "$data/Peter" -name '*.dfz' | wc -l)" -eq 3 ] ||
    fail "unexpected notes files: $(ls "$data/Peter")"

close_and_wait
# Nothing changed the options, so nothing was written to the settings.
[ ! -e "$config/Skemora/Skemora.conf" ] || fail "options were written without a change"
echo "PASSED"
