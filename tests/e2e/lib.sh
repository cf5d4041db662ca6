# shellcheck shell=bash
# Helpers for the end-to-end scripts, which source this file. A script starts with
#     source "$(dirname "$0")/lib.sh"
#     enter_xvfb "$0" "$@"
# and from then on runs under a virtual X server with $binary (the program) and $work (a temporary
# folder, removed afterwards) set.

# Outside the X server: re-runs the script under xvfb-run and exits with its status; skips (exit 0)
# when xvfb-run or xdotool is missing. Inside: sets $binary and $work and returns.
enter_xvfb() {
    local script="$1"
    shift
    if [ "${1:-}" = "--inside" ]; then
        binary="$2"
        work="$3"
        return 0
    fi
    local tool
    for tool in xvfb-run xdotool; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed"
            exit 0
        fi
    done
    binary="$(realpath "$1")"
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$script" --inside "$binary" "$work"
    exit $?
}

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

# Starts the program in the background with the environment assignments given (NAME=value ...)
# and the arguments after "--"; sets $pid. Output goes to $work/stdout and $work/stderr.
launch() {
    local assignments=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        assignments+=("$1")
        shift
    done
    [ "${1:-}" = "--" ] && shift
    env "${assignments[@]}" "$binary" "$@" >"$work/stdout" 2>"$work/stderr" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
}

# Waits for a visible window whose title matches the regular expression; sets $window and the
# window's X, Y, WIDTH and HEIGHT.
find_window() {
    window="$(timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1)" ||
        fail "no window titled like $1"
    [ -n "$window" ] || fail "no window titled like $1"
    eval "$(xdotool getwindowgeometry --shell "$window")"
}

# The number of visible windows of the program: 1 for the main window, more while a menu is open.
visible_windows() {
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l
}
menu_is_open() { [ "$(visible_windows)" -ge 2 ]; }
menu_is_closed() { [ "$(visible_windows)" -le 1 ]; }

# Opens a menu with its Alt key and picks an item by its accelerator letter.
pick_from_menu() {
    xdotool windowfocus --sync "$window"
    xdotool key "alt+$1"
    wait_for 20 menu_is_open || fail "Alt+$1 opened no menu"
    xdotool key "$2"
    wait_for 20 menu_is_closed || fail "the menu stayed open after $2"
}

# Saves a picture of the whole screen as $work/<name>.png, and into $SKEMORA_E2E_SCREENSHOTS
# when that names a folder. Returns 1 when ImageMagick's import is missing.
screenshot() {
    command -v import >/dev/null || return 1
    import -window root "$work/$1.png" || return 1
    if [ -n "${SKEMORA_E2E_SCREENSHOTS:-}" ]; then
        mkdir -p "$SKEMORA_E2E_SCREENSHOTS"
        cp "$work/$1.png" "$SKEMORA_E2E_SCREENSHOTS/"
    fi
}

# Closes the window the way a window manager does, by WM_DELETE_WINDOW.
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

process_ended() { ! kill -0 "$pid" 2>/dev/null; }

# Closes $window and waits for the program to end; without python3 the window is killed instead
# and the exit status is not checked.
close_and_wait() {
    local status
    if command -v python3 >/dev/null; then
        close_window "$window"
    else
        xdotool windowkill "$window"
    fi
    wait_for 30 process_ended || fail "the program did not end after its window was closed"
    wait "$pid" && status=0 || status=$?
    [ "$status" -eq 0 ] || ! command -v python3 >/dev/null || fail "the program ended with $status"
}
