#!/usr/bin/env bash
# Drives the real program under a virtual X server: opens the time-table named on the command
# line, moves through weeks with Alt+W, clicks a lesson cell and a week label, types week notes
# and checks the notes files written for the weeks it landed on; then closes the window.
# Usage: navigation_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

data="$work/data"
config="$work/config"
mkdir -p "$data/Peter" "$config"

# The main time-table file: 186 lines ended by CR LF; every day starts at 8:00 with two lessons.
{
    for day in 1 2 3 4 5; do
        printf '800\r\n'
        printf 'Danish\r\nR1\r\nHansen\r\nMath\r\nR2\r\nJensen\r\n'
        for lesson in $(seq 3 12); do printf '\r\n\r\n\r\n'; done
    done
    printf '6U\r\n'
} >"$data/Peter.dfd"
[ "$(wc -l <"$data/Peter.dfd")" -eq 186 ] || fail "the fixture is not 186 lines"
printf '5\r\n' >"$data/Peter/fratil.dfd" # Monday 5 January 1970

launch SKEMORA_DATA_DIR="$data" XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$work/share" \
    SKEMORA_SCREEN_HEIGHT=768 -- Peter
find_window '^Peter\.dfd$' # sets window, X, Y, WIDTH, HEIGHT
[ "$WIDTH" -eq 800 ] && [ "$HEIGHT" -eq 606 ] || fail "window is ${WIDTH}x${HEIGHT}, not 800x606"

# The elements are laid out under the menu bar. Find its height from the screen: the first white
# row inside the week panel (left 731, top 1 of the client area) is client row 2.
menu=22
if command -v import >/dev/null && command -v convert >/dev/null; then
    import -window root "$work/screen.png"
    column="$(convert "$work/screen.png" -crop "1x60+$((X + 751))+$Y" +repage -depth 8 txt:- |
        awk -F'[,: ]+' '/#FFFFFF/ { print $2; exit }')"
    [ -n "$column" ] && menu=$((column - 2))
fi
echo "menu bar height $menu"

# Clicks at x, y of the client area under the menu bar.
click() {
    xdotool mousemove --sync $((X + $1)) $((Y + menu + $2)) click "${3:-1}"
}
# Puts the pointer into the notes box (left 1, top 455 + 15 in the 800 x 600 layout) and types.
type_notes() {
    click 60 500
    sleep 0.3
    xdotool type --delay 30 "$1"
}
notes_file_with() {
    grep -l -x -F "$1" "$data"/Peter/a*.dfz 2>/dev/null | head -n 1
}

type_notes "first week"
wait_for 20 notes_file_with $'first week\r' >/dev/null || fail "no notes file for the start week"
first="$(basename "$(notes_file_with $'first week\r')")"

# Two weeks on with the keyboard; the key goes to the window, not into the notes box.
xdotool key --delay 100 alt+w alt+w
sleep 0.5
type_notes "third week"
wait_for 20 notes_file_with $'third week\r' >/dev/null || fail "no notes file after Alt+W"
third="$(basename "$(notes_file_with $'third week\r')")"
[ "$first" != "$third" ] || fail "Alt+W did not change the week"
if [ "${first:1:4}" = "${third:1:4}" ]; then
    [ $((10#${third:5:2})) -eq $((10#${first:5:2} + 2)) ] ||
        fail "two times Alt+W went from $first to $third"
fi
[ "$(cat "$data/Peter/$third")" = "third week"$'\r' ] || fail "$third holds the wrong text"
[ "$(cat "$data/Peter/$first")" = "first week"$'\r' ] || fail "$first was changed"

# A lesson cell (Wednesday, first lesson: left 292, top 63 + 1, 145 x 32), then a week label far
# from the weeks used so far: week 30, or week 10 in summer (k = 29 or 9, right-hand column).
click $((292 + 70)) $((64 + 16))
sleep 0.3
current=$((10#$(date +%V)))
if [ "$current" -ge 20 ] && [ "$current" -le 40 ]; then target=10; else target=30; fi
k=$((target - 1))
click $((731 + 22 + 8)) $((1 + (k / 2) * 14 + 16 + 7))
sleep 0.5
type_notes "week $target"
wait_for 20 notes_file_with "week $target"$'\r' >/dev/null || fail "no notes file after the clicks"
landed="$(basename "$(notes_file_with "week $target"$'\r')")"
[[ "$landed" =~ ^a[0-9]{4}${target}\.dfz$ ]] || fail "the week label led to $landed"
[ "$(cat "$data/Peter/$landed")" = "week $target"$'\r' ] || fail "$landed holds the wrong text"
[ "$(ls "$data"/Peter/*.dfz | wc -l)" -eq 3 ] || fail "unexpected notes files: $(ls "$data/Peter")"

close_and_wait
# Nothing changed the options, so nothing was written to the settings.
[ ! -e "$config/Skemora/Skemora.conf" ] || fail "options were written without a change"
echo "PASSED"
