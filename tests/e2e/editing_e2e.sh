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

# Today is pinned with libfaketime, preloaded into the program itself so that $pid stays its own;
# the clock runs on from there.
faketime_lib=""
for candidate in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1 \
    /usr/local/lib/faketime/libfaketime.so.1; do
    [ -f "$candidate" ] && faketime_lib="$candidate" && break
done
if [ -z "$faketime_lib" ]; then
    echo "SKIPPED: libfaketime is not installed"
    exit 77
fi

data="$work/data"
config="$work/config"
mkdir -p "$data" "$config"

launch SKEMORA_DATA_DIR="$data" XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$work/share" \
    SKEMORA_SCREEN_HEIGHT=768 LC_ALL=C LD_PRELOAD="$faketime_lib" \
    FAKETIME="@2003-09-10 10:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 --
find_window '^Time-table$' # sets window, X, Y, WIDTH, HEIGHT
main="$window"

# The elements are laid out under the menu bar; its height is read from the screen as in
# navigation_e2e.sh.
menu=22
if command -v import >/dev/null && command -v convert >/dev/null; then
    import -window root "$work/screen.png"
    column="$(convert "$work/screen.png" -crop "1x60+$((X + 751))+$Y" +repage -depth 8 txt:- |
        awk -F'[,: ]+' '/#FFFFFF/ { print $2; exit }')"
    [ -n "$column" ] && menu=$((column - 2))
fi

# Clicks at x, y of the main window's client area under the menu bar.
click() {
    xdotool mousemove --sync $((X + $1)) $((Y + menu + $2)) click "${3:-1}"
}
# The first lesson cell of day column c (0 = Monday) in the 800 x 600 layout: 146 wide, top 64.
cell_x() { echo $(($1 * 146 + 70)); }
# Waits for a dialog titled like the expression and gives it the keyboard; sets $dialog.
find_dialog() {
    dialog="$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1)" ||
        fail "no dialog titled like $1"
    xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
    sleep 0.3
}
dialog_closed() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
file_holds() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }
# Line n (0-based) of a file written with CR LF.
line_of() { sed -n "$(($2 + 1))p" "$1" | tr -d '\r'; }
crlf() { printf '%s\r\n' "$@"; }
# Picks a menu item that opens a dialog (so the window count does not fall back to one).
pick_dialog_item() {
    xdotool windowfocus --sync "$main"
    xdotool key "alt+$1"
    wait_for 20 menu_is_open || fail "Alt+$1 opened no menu"
    xdotool key "$2"
}

# 1. A new user from File / "&New Time-table".
pick_dialog_item f n
find_dialog '^Create new user$'
xdotool type --delay 40 "Peter"
xdotool key Tab
xdotool type --delay 40 "6U"
screenshot new_user_dialog || true
xdotool key Return
wait_for 20 dialog_closed '^Create new user$' || fail "the new-user dialog stayed open"
find_window '^Peter\.dfd$'
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
sleep 0.5
click "$(cell_x 2)" 80
sleep 0.3
pick_dialog_item e l
find_dialog '^Change lesson Empty, '
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
[ "$(line_of "$data/Peter/S1.dfd" $((2 * 37 + 1)))" = "Math" ] || fail "S1.dfd: no Math on Wednesday"
[ "$(line_of "$data/Peter/S1.dfd" $((2 * 37 + 2)))" = "12" ] || fail "S1.dfd: Math's room"
[ "$(line_of "$data/Peter/S1.dfd" $((2 * 37 + 3)))" = "Hansen" ] || fail "S1.dfd: Math's teacher"
[ "$(cat "$data/Peter.dfd")" = "$base" ] || fail "the edit changed the first period's file"
file_holds "$data/Peter/fagl.txt" "$(crlf Math 12 Hansen Empty '' '')" ||
    fail "fagl.txt after the edit: $(cat -A "$data/Peter/fagl.txt")"

# 3. Thursday's first lesson from the lesson's context menu: its second item, "Change lesson".
xdotool windowfocus --sync "$main"
click "$(cell_x 3)" 80 3
wait_for 20 menu_is_open || fail "no context menu"
xdotool key Down Down Return
find_dialog '^Change lesson Empty, '
xdotool key ctrl+a
xdotool type --delay 40 "Art"
xdotool key Return
wait_for 20 test "$(line_of "$data/Peter/S1.dfd" $((3 * 37 + 1)))" = "Art" ||
    fail "S1.dfd: no Art on Thursday"
[ "$(line_of "$data/Peter/S1.dfd" $((2 * 37 + 1)))" = "Math" ] || fail "S1.dfd lost Math"
file_holds "$data/Peter/fratil.dfd" "$(crlf 12304 12311)" || fail "the second edit grew the list"
[ "$(cat "$data/Peter.dfd")" = "$base" ] || fail "the second edit changed the first period"
[ "$(line_of "$data/Peter/fagl.txt" 0)" = "Art" ] || fail "fagl.txt: Art is not first"

# 4. Wednesday's start time through the time dialog.
xdotool windowfocus --sync "$main"
click "$(cell_x 2)" 80
sleep 0.3
pick_dialog_item e t
find_dialog '^Wednesday$'
xdotool key Home
xdotool type --delay 60 "0930"
screenshot time_dialog || true
xdotool key Return
wait_for 20 test "$(line_of "$data/Peter/S1.dfd" $((2 * 37)))" = "930" ||
    fail "S1.dfd: Wednesday starts at $(line_of "$data/Peter/S1.dfd" $((2 * 37)))"
[ "$(line_of "$data/Peter.dfd" $((2 * 37)))" = "800" ] || fail "the first period's time changed"
sleep 0.5
screenshot after_edits || true

window="$main"
close_and_wait
echo "PASSED"
