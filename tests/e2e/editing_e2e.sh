#!/usr/bin/env bash
# Drives the real program under a virtual X server on Wednesday 10 September 2003: creates the
# user Peter from the File menu, moves one week on, changes Wednesday's first lesson from the
# Edit menu and Thursday's from the lesson's context menu, changes Wednesday's start time through
# the time dialog, and checks the lesson files, "fratil.dfd" and "fagl.txt" written on the way.
# Usage: editing_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

today='2003-09-10 10:00:00'
launch_over_folders LC_ALL=C FAKETIME="@$today" --
find_window '^Time-table$' # sets window, X, Y, WIDTH, HEIGHT
main="$window"
measure_menu_bar

# 1. A new user from File / "&New Time-table".
pick_from_menu f n
find_dialog 'Create new user'
focus_dialog
xdotool type --delay 40 "Peter"
xdotool key Tab
xdotool type --delay 40 "6U"
screenshot new_user_dialog || true
xdotool key Return
wait_for 20 dialog_closed || fail "the new-user dialog stayed open"
find_window '^Peter\.dfd$'
main="$window"
wait_for 20 file_holds "$data/Peter/fratil.dfd" "$(crlf 12304)" ||
    fail "fratil.dfd: $(cat -A "$data/Peter/fratil.dfd" 2>&1)"
wait_for 20 file_holds "$data/Peter/fagl.txt" "$(crlf Empty '' '')" ||
    fail "fagl.txt: $(cat -A "$data/Peter/fagl.txt" 2>&1)"
[ "$(wc -l <"$data/Peter.dfd")" -eq 186 ] || fail "Peter.dfd is not 186 lines"
[ "$(line_of "$data/Peter.dfd" 185)" = "6U" ] || fail "Peter.dfd holds the wrong class"
base="$(cat "$data/Peter.dfd")"

# 2. One week on (Monday 15 September 2003, day 12311): Wednesday's first lesson from the Edit
#    menu.
xdotool windowfocus --sync "$main"
xdotool key alt+w
next_week=$((10#$(date -u -d "$today" +%V) + 1))
wait_for 20 week_selected "$next_week" || fail "Alt+W did not select week $next_week"
select_lesson 2 0
pick_from_menu e l
find_dialog 'Change lesson Empty, Wednesday'
focus_dialog
xdotool key ctrl+a
xdotool type --delay 40 "Math"
xdotool key Tab
xdotool type --delay 40 "12"
xdotool key Tab
xdotool type --delay 40 "Hansen"
screenshot lesson_dialog || true
xdotool key Return
wait_for 20 file_holds "$data/Peter/fratil.dfd" "$(crlf 12304 12311)" ||
    fail "fratil.dfd after the edit: $(cat -A "$data/Peter/fratil.dfd" 2>&1)"
wait_for 20 test -f "$data/Peter/S1.dfd" || fail "no S1.dfd"
wait_for 20 line_is "$data/Peter/S1.dfd" $((2 * 37 + 1)) "Math" || fail "S1.dfd: no Math on Wednesday"
[ "$(line_of "$data/Peter/S1.dfd" $((2 * 37 + 2)))" = "12" ] || fail "S1.dfd: Math's room"
[ "$(line_of "$data/Peter/S1.dfd" $((2 * 37 + 3)))" = "Hansen" ] || fail "S1.dfd: Math's teacher"
[ "$(cat "$data/Peter.dfd")" = "$base" ] || fail "the edit changed the first period's file"
wait_for 20 file_holds "$data/Peter/fagl.txt" "$(crlf Math 12 Hansen Empty '' '')" ||
    fail "fagl.txt after the edit: $(cat -A "$data/Peter/fagl.txt")"

# 3. Thursday's first lesson from the lesson's context menu: its second item, "Change lesson".
xdotool windowfocus --sync "$main"
click "$(lesson_x 3)" "$(lesson_y 0)" 3
wait_for 20 menu_is_open || fail "no context menu"
xdotool key Down Down Return
find_dialog 'Change lesson Empty, Thursday'
focus_dialog
xdotool key ctrl+a
xdotool type --delay 40 "Art"
xdotool key Return
wait_for 20 line_is "$data/Peter/S1.dfd" $((3 * 37 + 1)) "Art" ||
    fail "S1.dfd: no Art on Thursday"
[ "$(line_of "$data/Peter/S1.dfd" $((2 * 37 + 1)))" = "Math" ] || fail "S1.dfd lost Math"
file_holds "$data/Peter/fratil.dfd" "$(crlf 12304 12311)" || fail "the second edit grew the list"
[ "$(cat "$data/Peter.dfd")" = "$base" ] || fail "the second edit changed the first period"
wait_for 20 line_is "$data/Peter/fagl.txt" 0 "Art" || fail "fagl.txt: Art is not first"

# 4. Wednesday's start time through the time dialog.
xdotool windowfocus --sync "$main"
select_lesson 2 0
pick_from_menu e t
find_dialog 'Wednesday'
focus_dialog
xdotool key Home
xdotool type --delay 60 "0930"
screenshot time_dialog || true
xdotool key Return
wait_for 20 line_is "$data/Peter/S1.dfd" $((2 * 37)) "930" ||
    fail "S1.dfd: Wednesday starts at $(line_of "$data/Peter/S1.dfd" $((2 * 37)))"
[ "$(line_of "$data/Peter.dfd" $((2 * 37)))" = "800" ] || fail "the first period's time changed"
wait_for 20 dialog_closed || fail "the time dialog stayed open"
settle
screenshot after_edits || true

close_and_wait
echo "PASSED"
