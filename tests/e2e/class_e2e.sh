#!/usr/bin/env bash
# Changes the class from the window of the real program under a virtual X server: a click on the
# class field at the top opens the small "Name" dialog, a new class typed there and OK save it as
# line 186 of the time-table's main file, and the save writes the subject list fagl.txt.
# Usage: class_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

write_timetable "$data" Peter
lessons="$data/Peter.dfd"
subjects="$data/Peter/fagl.txt"
head -n 185 "$lessons" >"$work/lessons.before"
[ ! -e "$subjects" ] || fail "the fixture already has $subjects"

launch_over_folders -- Peter
find_window '^Peter\.dfd$'
expect_large_window
measure_menu_bar

# The class field: over the third day column (left 292, 146 wide), top 0, 17 high.
click $((292 + 73)) 8
find_dialog Name # sets dialog
eval "$(xdotool getwindowgeometry --shell "$dialog" | sed 's/^/DIALOG_/')"
if [ "$DIALOG_WIDTH" -ne 246 ] || [ "$DIALOG_HEIGHT" -ne 123 ]; then
    fail "the class dialog is ${DIALOG_WIDTH}x${DIALOG_HEIGHT}, not 246x123"
fi
[ "$(sed -n 186p "$lessons")" = $'6U\r' ] || fail "the lesson file changed while the dialog was open"

# The field holds the class selected, so typing replaces it; then the OK button (left 85, top 74,
# 75 x 25 in the dialog).
xdotool windowfocus --sync "$dialog"
xdotool type --delay 30 "8C"
xdotool mousemove $((DIALOG_X + 85 + 37)) $((DIALOG_Y + 74 + 12)) click 1
wait_for 20 dialog_closed || fail "the class dialog stayed open after OK"

class_saved() { [ "$(sed -n 186p "$lessons")" = $'8C\r' ]; }
wait_for 20 class_saved || fail "line 186 of Peter.dfd is '$(sed -n 186p "$lessons")', not 8C"
[ "$(wc -l <"$lessons")" -eq 186 ] || fail "Peter.dfd is no longer 186 lines"
head -n 185 "$lessons" | cmp -s - "$work/lessons.before" || fail "the class change altered lessons"
wait_for 20 test -f "$subjects" || fail "saving the class wrote no $subjects"
for subject in Danish Math; do
    grep -qx "$subject"$'\r' "$subjects" ||
        fail "$subjects does not list $subject: $(cat -A "$subjects")"
done

# The change is saved, so closing asks nothing and the program ends.
close_and_wait
[ "$(sed -n 186p "$lessons")" = $'8C\r' ] || fail "closing changed the class in Peter.dfd"
echo "PASSED"
