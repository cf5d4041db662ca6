#!/usr/bin/env bash
# Drives the real program under a virtual X server on a pinned day, Friday 20 December 2002:
# Time-table / Holidays / New, a name, the to-date picked in the date picker one month on, the
# colour clLime, OK; then checks the two month files written and the lime marks in the window.
# Usage: holidays_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

mkdir -p "$data/Peter"
{
    for day in 1 2 3 4 5; do
        printf '800\r\n'
        printf 'Danish\r\nR1\r\nHansen\r\n'
        for lesson in $(seq 2 12); do printf '\r\n\r\n\r\n'; done
    done
    printf '6U\r\n'
} >"$data/Peter.dfd"
printf '5\r\n' >"$data/Peter/fratil.dfd"

launch_over_folders FAKETIME="@2002-12-20 10:00:00" -- Peter
find_window '^Peter\.dfd$'
main="$window"
main_x="$X"
main_y="$Y"

# Time-table (Alt+T) opens on Holidays; Right opens its submenu on New.
xdotool windowfocus --sync "$main"
xdotool key alt+t
wait_for 20 menu_is_open || fail "Alt+T opened no menu"
xdotool key Right
wait_for 20 menus_open 2 || fail "Right opened no submenu"
xdotool key Return
find_window '^Holidays$'
editor="$window"
[ "$WIDTH" -eq 258 ] && [ "$HEIGHT" -eq 258 ] || fail "the editor is ${WIDTH}x${HEIGHT}"
editor_x="$X"
editor_y="$Y"

# The name field has the focus with its text selected.
xdotool type --delay 30 "Christmas"
# The to-date button at the right end of the to-field (104, 120, 121 x 20).
xdotool mousemove --sync $((editor_x + 216)) $((editor_y + 130)) click 1
find_window '^Pick new date$'
picker_x="$X"
picker_y="$Y"
screenshot picker || true
# Month forward (mdop, 160, 24 in the frame at 8, 8) to January 2003, then day 3: 1 January 2003
# is a Wednesday, so with Monday first day 3 stands in column 5 of the first row (94, 41 in the
# sheet at 16, 64).
# Each click shows in the sheet (the days of the month shown, the day picked).
sheet=(140 110 $((picker_x + 16)) $((picker_y + 64)))
click_in_sheet() {
    local before
    before="$(area_print "${sheet[@]}")"
    xdotool mousemove --sync "$1" "$2" click 1
    wait_for 20 area_changed "$before" "${sheet[@]}" || fail "the date sheet did not change"
}
click_in_sheet $((picker_x + 176)) $((picker_y + 42))
click_in_sheet $((picker_x + 16 + 94 + 8)) $((picker_y + 64 + 41 + 6))
screenshot picker-picked || true
xdotool mousemove --sync $((picker_x + 53)) $((picker_y + 260)) click 1
wait_for 20 bash -c "! xdotool search --onlyvisible --name '^Pick new date$' >/dev/null" ||
    fail "the picker stayed open"

# The colour list (104, 168): two steps down from clBlack is clLime.
xdotool mousemove --sync $((editor_x + 130)) $((editor_y + 250)) # away from tool tips
xdotool windowfocus --sync "$editor"
xdotool key Tab Tab Tab Down Down
settle
screenshot editor || true
xdotool mousemove --sync $((editor_x + 61)) $((editor_y + 228)) click 1

december="$data/a200212.dfg"
january="$data/a200301.dfg"
wait_for 20 test -f "$january" || fail "no holiday file for January 2003"
# Each marked day is three lines ended by CR LF: its index, the colour name, the holiday name.
marks() {
    local day
    for day in "$@"; do printf '%s\r\nclLime\r\nChristmas\r\n' "$((day - 1))"; done
}
marks 20 23 24 25 26 27 30 31 >"$work/december"
marks 1 2 3 >"$work/january"
wait_for 20 cmp -s "$december" "$work/december" || fail "a200212.dfg holds: $(cat -A "$december")"
wait_for 20 cmp -s "$january" "$work/january" || fail "a200301.dfg holds: $(cat -A "$january")"

# The marks show in lime: the day headers of the shown week (the selected Friday in white on
# blue, the others in their colour) and the month panel.
has_lime() { [ "$(pixels_of 800 606 "$main_x" "$main_y" '#00FF00')" -gt 0 ]; }
wait_for 20 has_lime || fail "no mark in lime shows in the window"
screenshot main || true
window="$main"
close_and_wait
echo "PASSED"
