#!/usr/bin/env bash
# Drives the real program under a virtual X server on Wednesday 10 September 2025 (the date pinned
# with libfaketime): enters a homework with a file shortcut for Thursday's Math/Phys lesson and
# sees it turn green, stores a link and a teacher card for the subject, and adds a school mate;
# checks the files each dialog wrote, and that none of them marked the time-table as changed.
# Usage: notes_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

user="$data/Peter"
mkdir -p "$user"
# Every day starts at 8:00 with Danish (Hansen) and Math/Phys (Jensen).
{
    for day in 1 2 3 4 5; do
        printf '800\r\nDanish\r\nR1\r\nHansen\r\nMath/Phys\r\nR2\r\nJensen\r\n'
        for lesson in $(seq 3 12); do printf '\r\n\r\n\r\n'; done
    done
    printf '6U\r\n'
} >"$data/Peter.dfd"
printf '5\r\n' >"$user/fratil.dfd"
printf 'essay\r\n' >"$work/essay.txt"
timetable_sum="$(md5sum <"$data/Peter.dfd")"

launch_over_folders FAKETIME="@2025-09-10 10:00:00" -- Peter
find_window '^Peter\.dfd$'
main="$window"
main_x=$X
main_y=$Y
measure_menu_bar

# Clicks at x, y of the main window (menu bar included).
click_main() {
    xdotool mousemove --sync $((main_x + $1)) $((main_y + $2)) click 1
}
# Waits for the dialog titled exactly like the regular expression, checks its size, and keeps
# its place in DX, DY and its window in $dialog.
# Two windows may share a title (the mates dialog and its card), so the size picks the one.
dialog() {
    wait_for 20 sized_window "$@" || fail "no ${2}x$3 dialog titled like $1"
    DX=$X
    DY=$Y
}
sized_window() {
    local id
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -eq "$2" ] && [ "$HEIGHT" -eq "$3" ] && dialog="$id" && return 0
    done
    return 1
}
# Clicks the middle of a 75 x 25 button at left, top of the last dialog.
click_button() {
    xdotool mousemove --sync $((DX + $1 + 37)) $((DY + $2 + 12)) click 1
}
windows_at_least() { [ "$(visible_windows)" -ge "$1" ]; }
windows_at_most() { [ "$(visible_windows)" -le "$1" ]; }

# Thursday's second lesson, then, once the lesson details show it, the Homework button.
click_main 511 130
wait_for 20 details_shown || fail "the lesson details did not show Math/Phys"
click_main 267 498
dialog '^  Homework Thursday  Math/Phys$' 421 300
homework="$dialog"
xdotool type --delay 20 "Read chapter 4"
click_button 16 224 # Add Shortcut: the file dialog
wait_for 20 new_window "$main" "$homework" || fail "Add Shortcut showed no file dialog"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "$work/essay.txt"
xdotool key Return
wait_for 20 dialog_closed || fail "the file dialog stayed open"
settle
screenshot homework_dialog || true
click_button 336 232 # OK
wait_for 20 file_holds "$user/lek.flk" $'20343\r\nMath/Phys\r\n'"$work/essay.txt"$'\r' ||
    fail "lek.flk holds: $(cat -A "$user/lek.flk" 2>&1)"
expected_week=$'4\r\n2\r\n1\r\nRead chapter 4\r\n1\r\n'"$work/essay.txt"$'\r'
wait_for 20 file_holds "$user/a202537.dff" "$expected_week" ||
    fail "the week homework file holds: $(cat -A "$user"/a*.dff 2>&1)"
lesson_green() { [ "$(pixels_of 120 14 $((main_x + 451)) $((main_y + 123)) '#008000')" -gt 0 ]; }
wait_for 20 lesson_green || fail "Thursday's Math/Phys is not green"
screenshot lesson_green || true

# Links: a typed address after the kept "http://".
click_main 267 517
dialog '^ Links - Peter-Math/Phys$' 409 285
xdotool key End
xdotool type --delay 20 "www.dr.dk"
click_button 16 217 # Add Link
settle
screenshot links_dialog || true
click_button 304 217 # OK
wait_for 20 file_holds "$user/Math-Phys.lin" $'http://www.dr.dk\r' || fail "no links file"

# Teacher: Enter moves from field to field; in the e-mail field to OK; on OK it closes.
click_main 267 536
dialog '^ Teacher - Peter-Math/Phys - Jensen$' 387 197
xdotool type --delay 20 "Mr Jensen"
xdotool key Return Return Return Return
xdotool type --delay 20 "12345678"
xdotool key Return Return
xdotool type --delay 20 "jensen@school.dk"
xdotool key Return
settle
screenshot teacher_card || true
windows_at_least 2 || fail "Enter in the e-mail field closed the card"
xdotool key Return
expected_card=$'Mr Jensen\r\n\r\n\r\n\r\n12345678\r\n\r\njensen@school.dk\r'
wait_for 20 file_holds "$user/Math-Phys.lae" "$expected_card" ||
    fail "the teacher file holds: $(cat -A "$user/Math-Phys.lae" 2>&1)"

# Students: one mate added on the card.
click_main 267 555
dialog '^ Students - Peter-$' 435 300
mates_x=$DX
mates_y=$DY
click_button 24 225 # Add
dialog '^ Students - Peter-$' 387 197
xdotool type --delay 20 "Anna Hansen"
settle
screenshot mate_card || true
click_button 216 136 # OK of the card
DX=$mates_x
DY=$mates_y
wait_for 20 windows_at_most 2 || fail "the card stayed open"
settle
screenshot mates_dialog || true
click_button 328 225 # OK
wait_for 20 file_holds "$user/Peter.elv" $'Anna Hansen\r\n\r\n\r\n\r\n\r\n\r\n\r' ||
    fail "the mates file holds: $(cat -A "$user/Peter.elv" 2>&1)"

close_and_wait
[ "$(md5sum <"$data/Peter.dfd")" = "$timetable_sum" ] || fail "the time-table file was changed"
echo "PASSED"
