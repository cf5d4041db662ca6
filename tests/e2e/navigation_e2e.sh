#!/usr/bin/env bash
# Drives the real program under a virtual X server: opens the time-table named on the command
# line, moves through weeks with Alt+W, clicks a lesson cell and a week label, types week notes
# and checks the notes files written for the weeks it landed on; then closes the window.
# Usage: navigation_e2e.sh <path to skemora>
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
    for tool in xvfb-run xdotool; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed"
            exit 0
        fi
    done
    binary="$(realpath "$1")"
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inside "$binary" "$work"
    exit $?
fi

binary="$2"
work="$3"
data="$work/data"
config="$work/config"
mkdir -p "$data/Peter" "$config"

fail() {
    echo "FAILED: $*" >&2
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
    exit 1
}

# Polls `condition` (a command) until it succeeds or `seconds` pass.
wait_for() {
    local seconds="$1"
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

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

SKEMORA_DATA_DIR="$data" XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$work/share" \
    SKEMORA_SCREEN_HEIGHT=768 "$binary" Peter >"$work/stdout" 2>"$work/stderr" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window="$(timeout 60 xdotool search --sync --onlyvisible --name '^Peter\.dfd$' | head -n 1)" ||
    fail "no window titled Peter.dfd"
[ -n "$window" ] || fail "no window titled Peter.dfd"
eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y, WIDTH, HEIGHT
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

# Close the window the way a window manager does, by WM_DELETE_WINDOW.
close_window() {
    python3 - "$1" <<'EOF'
import ctypes, sys
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]

class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

display = x11.XOpenDisplay(None)
window = int(sys.argv[1])
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x11.XFlush(display)
x11.XCloseDisplay(display)
EOF
}
if command -v python3 >/dev/null; then
    close_window "$window"
else
    xdotool windowkill "$window"
fi
process_ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 30 process_ended || fail "the program did not end after its window was closed"
wait "$pid" && status=0 || status=$?
[ "$status" -eq 0 ] || [ ! -x "$(command -v python3)" ] || fail "the program ended with $status"
# Nothing changed the options, so nothing was written to the settings.
[ ! -e "$config/Skemora/Skemora.conf" ] || fail "options were written without a change"
echo "PASSED"
