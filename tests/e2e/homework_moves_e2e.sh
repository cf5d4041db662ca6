#!/usr/bin/env bash
# Drives the real program under a virtual X server on Tuesday 11 March 2025 (week 11): Monday's
# Math lesson has homework in weeks 10, 11 and 13. A lesson is inserted before it from the Edit
# menu; the homework of weeks 11 and 13 moves down with Math (week 10 lies before the edit and
# keeps its own), and the homework dialog shows it on Math, not on the new lesson. Then Math is
# deleted from the Edit menu and the question about its homework is answered No: every file stays
# as it was.
# Usage: homework_moves_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"
command -v xclip >/dev/null || skip "xclip is not installed"

user="$data/Peter"
write_timetable "$data" Peter # Danish and Math every day, one period since 1970
# Monday (day 1), lesson 2: one homework line, no shortcuts.
math_homework() { crlf 1 "$1" 1 "$2" 0; }
math_homework 2 "Page 30" >"$user/a202510.dff"
math_homework 2 "Page 42" >"$user/a202511.dff"
math_homework 2 "Page 50" >"$user/a202513.dff"
week10="$(cat "$user/a202510.dff")"

launch_over_folders LC_ALL=C -- Peter
find_window '^Peter\.dfd$'
main="$window"
measure_menu_bar

monday_cell() { click "$(lesson_x 0)" "$(lesson_y "$1")"; }
homework_button() { click 267 $((498 - menu)); }
# What the homework dialog's description box holds, read through the clipboard.
clipboard_is_not() { [ "$(clipboard)" != "$1" ]; }
description() {
    printf 'marker' | xclip -selection clipboard
    xdotool key ctrl+a ctrl+c
    wait_for 20 clipboard_is_not marker || fail "nothing was copied from the homework dialog"
    clipboard
}
# The number of green (homework) pixels in Monday's lesson cell of row $1.
green_in_monday_cell() { pixels_of 140 30 "$(screen_x 3)" "$(screen_y $((65 + 32 * $1)))" '#008000'; }
close_homework() {
    xdotool key Escape
    wait_for 20 dialog_closed || fail "the homework dialog stayed open"
}

# 1. Insert a lesson before Math (Monday's second lesson).
monday_cell 1
pick_from_menu e i
find_dialog 'Put a new lesson in before Math, Monday'
xdotool type --delay 40 "Art"
screenshot insert_dialog
xdotool key Return
wait_for 20 dialog_closed || fail "the lesson dialog stayed open"
wait_for 20 file_holds "$user/a202511.dff" "$(math_homework 3 "Page 42")" ||
    fail "week 11 holds: $(cat -A "$user/a202511.dff")"
wait_for 20 file_holds "$user/a202513.dff" "$(math_homework 3 "Page 50")" ||
    fail "week 13 holds: $(cat -A "$user/a202513.dff")"
file_holds "$user/a202510.dff" "$week10" || fail "week 10 changed: $(cat -A "$user/a202510.dff")"
[ "$(sed -n 5p "$user/S1.dfd" | tr -d '\r')" = "Art" ] || fail "S1.dfd holds no Art before Math"
screenshot after_insert

# 2. The grid shows the homework on Math, not on Art, and so does Math's homework dialog.
monday_green() { [ "$(green_in_monday_cell "$1")" -gt 0 ]; }
wait_for 20 monday_green 2 || fail "Math is not green"
! monday_green 1 || fail "Art is green"
window="$main"
monday_cell 2
homework_button
find_dialog '  Homework Monday  Math'
text="$(description)"
[ "$text" = "Page 42" ] || fail "Math's homework dialog shows: $text"
screenshot homework_on_math
close_homework

# 3. Delete Math, answering No to the question about its homework: nothing changes.
before="$(cd "$data" && find . -type f | sort | xargs md5sum)"
monday_cell 2
pick_from_menu e d
find_dialog 'Delete class Math, Monday'
lesson_dialog="$dialog"
xdotool key Return
wait_for 20 dialog_closed || fail "the lesson dialog stayed open"
wait_for 20 dialog_titled 'Delete class Math, Monday' || fail "no question about the homework"
[ "$dialog" != "$lesson_dialog" ] || fail "the lesson dialog is still shown"
screenshot delete_question
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove "$((X + 112 + 37))" "$((Y + 40 + 12))" click 1 # No
wait_for 20 dialog_closed || fail "the question stayed open"
after="$(cd "$data" && find . -type f | sort | xargs md5sum)"
[ "$before" = "$after" ] || fail "answering No changed files: $(diff <(echo "$before") <(echo "$after"))"

window="$main"
close_and_wait
echo "PASSED"
