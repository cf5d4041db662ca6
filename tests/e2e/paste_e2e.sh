#!/usr/bin/env bash
# Drives the real program under a virtual X server: puts texts holding line breaks on the X
# clipboard (xclip) and pastes them with Ctrl+V into the lesson dialog's room and teacher, the
# class dialog and the school card. Checks that every file keeps its lines (the lesson file 186,
# the subject list whole triples, the school file 7) with blanks where the breaks were, and that
# the program opens the time-table again without an error.
# Usage: paste_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
command -v xclip >/dev/null || skip "xclip is not installed"
enter_xvfb "$0" "$@"

write_timetable "$data" Peter
user="$data/Peter"

lines_in() { wc -l <"$1"; }

# xclip serves the clipboard from the background until the next text replaces it.
clipboard=""
stop_clipboard() {
    if [ -n "$clipboard" ]; then
        kill "$clipboard" 2>/dev/null || true
        wait "$clipboard" 2>/dev/null || true
    fi
    clipboard=""
}
clipboard_holds() { [ "$(clipboard)" = "$1" ]; }
paste_text() {
    stop_clipboard
    printf '%s' "$1" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    clipboard=$!
    wait_for 20 clipboard_holds "$1" || fail "the clipboard does not hold the text"
    xdotool key ctrl+v
}

launch_over_folders -- Peter
trap 'stop_clipboard; kill "$pid" 2>/dev/null || true' EXIT
find_window '^Peter\.dfd$'
expect_large_window
measure_menu_bar

# 1. Tuesday's first lesson: "12<LF>B" into the room, "Ann<CR><LF>Hansen" into the teacher.
click "$(lesson_x 1)" "$(lesson_y 0)"
pick_from_menu e l
find_dialog 'Change lesson Danish, Tuesday'
focus_dialog
xdotool key Tab
paste_text $'12\nB'
xdotool key Tab
paste_text $'Ann\r\nHansen'
screenshot pasted_lesson || true
xdotool key Return
wait_for 20 dialog_closed || fail "the lesson dialog stayed open"
# The week of Monday 10 March 2025 starts a new period.
wait_for 20 test -f "$user/S1.dfd" || fail "no S1.dfd was written"
wait_for 20 line_is "$user/S1.dfd" 39 "12 B" || fail "the room is $(line_of "$user/S1.dfd" 39)"
[ "$(lines_in "$user/S1.dfd")" -eq 186 ] || fail "S1.dfd holds $(lines_in "$user/S1.dfd") lines"
[ "$(line_of "$user/S1.dfd" 40)" = "Ann  Hansen" ] ||
    fail "the teacher is $(line_of "$user/S1.dfd" 40)"
[ "$(line_of "$user/S1.dfd" 74)" = "800" ] || fail "Wednesday's start time moved"
# Danish keeps the room of its last lesson in the week, Friday's.
wait_for 20 file_holds "$user/fagl.txt" "$(crlf Math R2 Jensen Danish R1 Hansen)" ||
    fail "fagl.txt holds: $(cat -A "$user/fagl.txt")"

# 2. The class: "7<LF>B".
pick_from_menu t c
find_dialog 'Name'
focus_dialog
xdotool key ctrl+a
paste_text $'7\nB'
xdotool key Return
wait_for 20 line_is "$user/S1.dfd" 185 "7 B" ||
    fail "the class is $(line_of "$user/S1.dfd" 185)"
[ "$(lines_in "$user/S1.dfd")" -eq 186 ] || fail "S1.dfd holds $(lines_in "$user/S1.dfd") lines"

# 3. The school card: "Odense<LF>Friskole" as its name, then OK.
pick_from_menu t s
find_dialog ' Information school'
focus_dialog
paste_text $'Odense\nFriskole'
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove --sync $((X + 216 + 37)) $((Y + 136 + 12)) click 1
wait_for 20 test -f "$user/skol.dfd" || fail "no skol.dfd was written"
[ "$(lines_in "$user/skol.dfd")" -eq 7 ] || fail "skol.dfd holds $(lines_in "$user/skol.dfd") lines"
[ "$(line_of "$user/skol.dfd" 0)" = "Odense Friskole" ] || fail "the school is $(line_of "$user/skol.dfd" 0)"
stop_clipboard
close_and_wait

# 4. Opened again, the time-table loads: no error box, and the lesson dialog opens on Tuesday.
launch_over_folders -- Peter
find_window '^Peter\.dfd$'
measure_menu_bar
click "$(lesson_x 1)" "$(lesson_y 0)"
pick_from_menu e l
find_dialog 'Change lesson Danish, Tuesday'
focus_dialog
xdotool key Escape
wait_for 20 dialog_closed || fail "the lesson dialog stayed open"
[ "$(visible_windows)" -eq 1 ] || fail "another window is shown: $(visible_windows) windows"
close_and_wait
echo "PASSED"
