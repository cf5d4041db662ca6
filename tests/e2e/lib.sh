# shellcheck shell=bash
# Helpers for the end-to-end scripts, which source this file. A script starts with
#     source "$(dirname "$0")/lib.sh"
#     enter_xvfb "$0" "$@"
# and from then on runs under a virtual X server with $binary (the program) and $work (a temporary
# folder, removed afterwards) set.

# Every program started by `launch` sees this as the time of day it starts at (a Tuesday); its
# clock runs on from there. Scripts derive the dates and weeks they expect from it.
# shellcheck disable=SC2034 # the year and week are for the scripts
pinned_now='2025-03-11 10:00:00'
pinned_year="$(date -u -d "$pinned_now" +%Y)"
pinned_week=$((10#$(date -u -d "$pinned_now" +%V)))

# The tools the scripts use; scripts/setup installs them all.
required_tools=(xvfb-run xdotool xprop xwininfo xev inotifywait import convert python3)

# libfaketime, preloaded into the program to pin its clock. The multi-threaded variant, since the
# program runs threads of its own.
faketime_library() {
    local candidate
    for candidate in /usr/lib/*/faketime/libfaketimeMT.so.1 /usr/lib/faketime/libfaketimeMT.so.1 \
        /usr/local/lib/faketime/libfaketimeMT.so.1; do
        if [ -f "$candidate" ]; then
            echo "$candidate"
            return 0
        fi
    done
    return 1
}

# A script that cannot run reports itself skipped with exit status 77, which CTest counts as
# skipped (and CI as a failure), never as passed.
skip() {
    echo "SKIPPED: $*"
    exit 77
}

# Outside the X server: re-runs the script under xvfb-run and exits with its status; skips when a
# required tool or libfaketime is missing. Inside: sets $binary and $work, makes the program's
# data and configuration folders $data and $config in $work, and returns.
enter_xvfb() {
    local script="$1"
    shift
    if [ "${1:-}" = "--inside" ]; then
        binary="$2"
        work="$3"
        data="$work/data"
        config="$work/config"
        mkdir -p "$data" "$config"
        faketime_preload="$(faketime_library)" || skip "libfaketime is not installed"
        watch_changes
        return 0
    fi
    local tool
    for tool in "${required_tools[@]}"; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    faketime_library >/dev/null || skip "libfaketime (package faketime) is not installed"
    binary="$(realpath "$1")"
    work="$(mktemp -d)"
    # A watcher may have ended already.
    trap '{ xargs -r kill <"$work/.watchers" || true; } 2>/dev/null; rm -rf "$work"' EXIT
    local status=0
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$script" --inside "$binary" "$work" || status=$?
    exit "$status"
}

fail() {
    echo "FAILED: $*" >&2
    # What the screen showed, for whoever reads the failure.
    [ -n "${SKEMORA_E2E_SCREENSHOTS:-}" ] && [ -n "${DISPLAY:-}" ] &&
        import -window root "$SKEMORA_E2E_SCREENSHOTS/failure.png" 2>/dev/null
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
    exit 1
}

# What the scripts wait for shows as a change: a file written, moved or removed under $work, or
# a window mapped, unmapped, moved or destroyed on the X server. Two watchers write a line for
# each change into one pipe, which `wait_for` reads from $changes.
watch_changes() {
    local pipe
    pipe="$work/.changes"
    mkfifo "$pipe"
    # Opened for reading and writing, so that neither side waits for the other to open it.
    exec {changes}<>"$pipe"
    rm -f "$pipe"
    inotifywait -m -r -q -e close_write,moved_to,create,delete,attrib --format x "$work" \
        >&"$changes" 2>/dev/null &
    keep_watcher $!
    if [ -n "${DISPLAY:-}" ]; then
        xev -root -event substructure >&"$changes" 2>/dev/null &
        keep_watcher $!
    fi
}

# A watcher running in the background is ended with the script, however the script ends.
keep_watcher() {
    echo "$1" >>"$work/.watchers"
    disown "$1"
}

# Waits for the next change, or a second when none comes (for what nothing announces, such as a
# process ending), then takes every change already reported.
next_change() {
    local line
    read -r -t 1 -u "$changes" line || true
    while read -r -t 0 -u "$changes" && read -r -u "$changes" line; do :; done
}

# Checks `condition` (a command) after every change until it succeeds or `seconds` pass.
wait_for() {
    local seconds="$1"
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        next_change
    done
}

# Files the program writes end their lines with CR LF.
crlf() { printf '%s\r\n' "$@"; }
# Whether file $1 holds exactly $2 (with no last line break, as $(cat) reads it).
file_holds() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }
# Line n (0-based) of a file written with CR LF, and whether it is $3.
line_of() { sed -n "$(($2 + 1))p" "$1" | tr -d '\r'; }
line_is() { [ -f "$1" ] && [ "$(line_of "$1" "$2")" = "$3" ]; }

# Starts the program in the background with the environment assignments given (NAME=value ...)
# and the arguments after "--", its clock pinned to $pinned_now; sets $pid. Output goes to
# $work/stdout and $work/stderr.
launch() {
    local assignments=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        assignments+=("$1")
        shift
    done
    [ "${1:-}" = "--" ] && shift
    # The preload is set on the program alone, so the tools driving it keep the real clock.
    # Monotonic clocks stay real: Qt's timers run on them.
    # A script's own assignments come last, so a script may pin another moment.
    env LD_PRELOAD="$faketime_preload" FAKETIME="@$pinned_now" DONT_FAKE_MONOTONIC=1 \
        "${assignments[@]}" "$binary" "$@" >"$work/stdout" 2>"$work/stderr" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
}

# Starts the program as launch does, over $data and $config with a screen 768 pixels high.
launch_over_folders() {
    launch SKEMORA_DATA_DIR="$data" XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$work/share" \
        SKEMORA_SCREEN_HEIGHT=768 "$@"
}

# Starts the program as launch_over_folders does, with the arguments given, so that file
# permissions bind it: they do not bind root, so when run as root the program runs as the
# unprivileged user nobody (65534) over folders that user owns (skips without setpriv).
launch_bound_by_permissions() {
    if [ "$(id -u)" -eq 0 ]; then
        command -v setpriv >/dev/null || skip "setpriv (util-linux) is not installed"
        # The X server's cookie and the program's runtime folder must be readable by nobody.
        cp "${XAUTHORITY:?xvfb-run sets XAUTHORITY}" "$work/xauthority"
        mkdir -p "$work/runtime"
        chmod 700 "$work/runtime"
        chown -R 65534:65534 "$work"
        chmod 755 "$work"
        real_binary="$binary"
        binary="$work/as_nobody"
        # libfaketime goes into the program alone: loaded into root's setpriv, it would make
        # shared memory that nobody may not open.
        cat >"$binary" <<WRAPPER
#!/bin/sh
preload="\$LD_PRELOAD"
unset LD_PRELOAD FAKETIME_SHARED
exec setpriv --reuid=65534 --regid=65534 --clear-groups env LD_PRELOAD="\$preload" \\
    "$real_binary" "\$@"
WRAPPER
        chmod 755 "$binary"
        launch_over_folders XAUTHORITY="$work/xauthority" XDG_RUNTIME_DIR="$work/runtime" -- "$@"
    else
        launch_over_folders -- "$@"
    fi
}

# Peter's time-table in $data, the program on it as launch_bound_by_permissions starts it, and
# its window; sets $user_folder, which is made writable again on exit, whatever happens.
open_peter_bound_by_permissions() {
    write_timetable "$data" Peter
    user_folder="$data/Peter"
    launch_bound_by_permissions Peter
    trap 'kill "$pid" 2>/dev/null || true; chmod 755 "$user_folder" 2>/dev/null || true' EXIT
    find_window '^Peter\.dfd$'
    measure_menu_bar
}

# Waits for a visible window whose title matches the regular expression; sets $window and the
# window's X, Y, WIDTH and HEIGHT.
find_window() {
    window="$(timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1)" ||
        fail "no window titled like $1"
    [ -n "$window" ] || fail "no window titled like $1"
    eval "$(xdotool getwindowgeometry --shell "$window")"
}

# Writes the main time-table file <folder>/<name>.dfd, 186 lines ended by CR LF (every day starts
# at 8:00 with Danish in R1 by Hansen and Math in R2 by Jensen; the class is 6U), and the user
# folder with a period list whose one period starts on Monday 5 January 1970.
write_timetable() {
    local file="$1/$2.dfd" day
    mkdir -p "$1/$2"
    {
        for day in 1 2 3 4 5; do
            printf '800\r\n'
            printf 'Danish\r\nR1\r\nHansen\r\nMath\r\nR2\r\nJensen\r\n'
            printf '\r\n\r\n\r\n%.0s' $(seq 3 12)
        done
        printf '6U\r\n'
    } >"$file"
    [ "$(wc -l <"$file")" -eq 186 ] || fail "$file is not 186 lines"
    printf '5\r\n' >"$1/$2/fratil.dfd"
}

# Checks that the main window has the 800 x 606 size of a 768 pixels high screen.
expect_large_window() {
    if [ "$WIDTH" -ne 800 ] || [ "$HEIGHT" -ne 606 ]; then
        fail "window is ${WIDTH}x${HEIGHT}, not 800x606"
    fi
}

# The colour of the screen pixel at x, y, as #RRGGBB.
pixel() {
    import -window root -crop "1x1+$1+$2" +repage -depth 8 txt:- | awk 'NR == 2 { print $3 }'
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

# The number of pixels in the screen rectangle width x height + x + y that are not colour $5.
pixels_other_than() {
    import -window root -crop "$1x$2+$3+$4" +repage -depth 8 txt:- |
        awk -v colour="$5" 'NR > 1 && $3 != colour { n++ } END { print n + 0 }'
}

# The number of pixels of colour $5 in the screen rectangle width x height + x + y.
pixels_of() {
    import -window root -crop "$1x$2+$3+$4" +repage -depth 8 txt:- |
        awk -v colour="$5" 'NR > 1 && $3 == colour { n++ } END { print n + 0 }'
}

# The main window's layout coordinates start under its menu bar; sets $menu, the menu bar's
# height, from the screen: the first white row of the week panel (left 731, top 1 in the 800 x
# 606 window) is that panel's row 2.
measure_menu_bar() {
    local row
    row="$(import -window root -crop "1x60+$((X + 751))+$Y" +repage -depth 8 txt:- |
        awk -F'[,: ]+' '/#FFFFFF/ { print $2; exit }')"
    [ -n "$row" ] || fail "no week panel on the screen"
    menu=$((row - 2))
}
# The screen x and y of layout coordinates x, y; needs $menu.
screen_x() { echo $((X + $1)); }
screen_y() { echo $((Y + menu + $1)); }
# Clicks at layout coordinates x, y with button $3 (default 1, the left). The X server handles
# the move before the click; waiting for the move (--sync) would stall when the pointer is
# already there.
click() {
    xdotool mousemove "$(screen_x "$1")" "$(screen_y "$2")" click "${3:-1}"
}

# The week notes file of week $1 in the pinned year, and whether file $1 holds the notes $2.
notes_name() { printf 'a%d%02d.dfz' "$pinned_year" "$1"; }
notes_hold() { [ "$(cat "$1" 2>/dev/null)" = "$2"$'\r' ]; }
# Clicks into the notes box (left 1, top 455 + 15 of the 800 x 600 layout) and types. The X server
# delivers the click before the keys, so the keys reach the box the click focused.
type_notes() {
    click 60 500
    xdotool type --delay 30 "$1"
}

# Types at the end of what the notes box holds.
append_notes() {
    click 60 500
    xdotool key End
    xdotool type --delay 30 "$1"
}

# What the X clipboard holds (needs xclip).
clipboard() { xclip -o -selection clipboard 2>/dev/null; }

# A lesson cell of the 800 x 600 layout: day column d (0 = Monday) 146 wide from left 0, lesson
# row l (0 = the first) 32 high from top 64; a point inside it, and its colour, button-face grey
# once selected.
lesson_x() { echo $(($1 * 146 + 70)); }
lesson_y() { echo $(($1 * 32 + 80)); }
lesson_selected() { pixel_is "$(screen_x $(($1 * 146 + 136)))" "$(screen_y $(($2 * 32 + 92)))" '#F0F0F0'; }
# Clicks the lesson of day d, row l and waits until it shows selected.
select_lesson() {
    click "$(lesson_x "$1")" "$(lesson_y "$2")"
    wait_for 20 lesson_selected "$1" "$2" || fail "the lesson of day $1, row $2 was not selected"
}
# Whether the lesson details (the first label, left 359, top 471, 176 x 14) show something.
details_shown() {
    local left top
    left="$(screen_x 359)" top="$(screen_y 471)"
    [ "$(pixels_other_than 176 14 "$left" "$top" "$(pixel "$left" "$top")")" -gt 0 ]
}

# Week label k (1-based) of the week panel (left 731, top 1): at left 2, or 22 in the right-hand
# column, and top ((k - 1) / 2) * 14 + 16; the selected week's is blue.
week_label_left() {
    if [ $((($1 - 1) % 2)) -eq 1 ] || [ "$1" -eq 53 ]; then echo $((731 + 22)); else echo $((731 + 2)); fi
}
week_label_top() {
    local row=$((($1 - 1) / 2))
    echo $((1 + row * 14 + 16))
}
week_label_is() {
    pixel_is "$(screen_x $(($(week_label_left "$1") + 1)))" \
        "$(screen_y $(($(week_label_top "$1") + 1)))" "$2"
}
week_selected() { week_label_is "$1" '#0000FF'; }
click_week_label() { click $(($(week_label_left "$1") + 8)) $(($(week_label_top "$1") + 7)); }

# A fingerprint of the screen rectangle width x height + x + y, and whether the rectangle no
# longer has fingerprint $1: for a step whose only result is a change in what a window shows.
area_print() { import -window root -crop "$1x$2+$3+$4" +repage -depth 8 rgb:- | md5sum; }
area_changed() { [ "$(area_print "$2" "$3" "$4" "$5")" != "$1" ]; }

# Whether window $1 is a menu. Qt shows a menu as an override-redirect window typed
# _NET_WM_WINDOW_TYPE_DROPDOWN_MENU (menu bar) or _POPUP_MENU (context menu). Qt 6.4 types a menu
# shown for the second time plain _NET_WM_WINDOW_TYPE_NORMAL, so that counts too; a tooltip,
# the other override-redirect window the program shows, is typed _TOOLTIP.
is_menu() {
    local type
    xwininfo -id "$1" 2>/dev/null | grep -q 'Override Redirect State: yes' || return 1
    type="$(xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null)"
    [[ "$type" =~ _NET_WM_WINDOW_TYPE_(DROPDOWN|POPUP)_MENU ]] ||
        [[ "$type" = *"= _NET_WM_WINDOW_TYPE_NORMAL" ]]
}
# The visible menus of the program.
open_menus() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        if is_menu "$id"; then echo "$id"; fi
    done
}
# The number of visible windows of the program (the main window, dialogs and open menus).
visible_windows() {
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l
}
menu_is_open() { [ -n "$(open_menus)" ]; }
menu_is_closed() { [ -z "$(open_menus)" ]; }
# Whether $1 menus are open: a menu with its submenu are two.
menus_open() { [ "$(open_menus | wc -l)" -eq "$1" ]; }

# Waits for a visible window of the program titled exactly $1, other than the main window (which
# a search by name can match as well); sets $dialog.
find_dialog() {
    dialog_title="$1"
    wait_for 20 dialog_titled "$1" || fail "no window titled $1 appeared"
}
dialog_titled() {
    dialog="$(xdotool search --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null |
        grep -vx "$window" | head -n 1)"
    [ -n "$dialog" ]
}
# Whether window $1 is a window or dialog, not a menu or a tool tip (override-redirect both).
is_window() { xwininfo -id "$1" 2>/dev/null | grep -q 'Override Redirect State: no'; }
# The program's visible windows and dialogs.
shown_windows() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        if is_window "$id"; then echo "$id"; fi
    done
}
# Whether the program shows a window or dialog other than the windows given; sets $dialog to it.
new_window() {
    dialog="$(shown_windows | grep -vx -F "${@/#/-e}" | tail -n 1)"
    [ -n "$dialog" ]
}
# Gives the keyboard to the dialog find_dialog found, or to the one shown under its title when
# the program has replaced that window since.
focus_dialog() {
    wait_for 20 dialog_focused || fail "the window titled $dialog_title took no keyboard focus"
}
dialog_focused() {
    dialog_titled "$dialog_title" && xdotool windowfocus --sync "$dialog" 2>/dev/null
}
# Whether $dialog is no longer shown.
dialog_closed() { ! xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$dialog"; }

# Opens a menu with its Alt key and picks an item by its accelerator letter.
pick_from_menu() {
    xdotool windowfocus --sync "$window"
    xdotool key "alt+$1"
    wait_for 20 menu_is_open || fail "Alt+$1 opened no menu"
    xdotool key "$2"
    wait_for 20 menu_is_closed || fail "the menu stayed open after $2"
}

# Saves a picture of the whole screen as $work/<name>.png, and into $SKEMORA_E2E_SCREENSHOTS
# when that names a folder.
screenshot() {
    import -window root "$work/$1.png" || fail "no picture of the screen could be taken"
    if [ -n "${SKEMORA_E2E_SCREENSHOTS:-}" ]; then
        mkdir -p "$SKEMORA_E2E_SCREENSHOTS"
        cp "$work/$1.png" "$SKEMORA_E2E_SCREENSHOTS/"
    fi
}

# Sends window $2 the window manager's message $1: "delete" (WM_DELETE_WINDOW, as its close box
# does) or "ping" (_NET_WM_PING, $3 times in a row, each time waiting up to 20 seconds for the
# answer the program sends back to the root window, to those who listen for its structure).
window_manager_message() {
    python3 - "$@" <<'EOF'
import ctypes, select, sys, time
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]

class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

CLIENT_MESSAGE, STRUCTURE_NOTIFY = 33, 1 << 17
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
root = x11.XDefaultRootWindow(display)
kind, window = sys.argv[1], int(sys.argv[2])
protocols = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
protocol = x11.XInternAtom(display, b"_NET_WM_PING" if kind == "ping" else b"WM_DELETE_WINDOW", 0)

def send(token):
    event = Event()
    event.xclient.type = CLIENT_MESSAGE
    event.xclient.window = window
    event.xclient.message_type = protocols
    event.xclient.format = 32
    event.xclient.data[0] = protocol
    event.xclient.data[1] = token
    event.xclient.data[2] = window
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)

def answered(token, deadline):
    reply = Event()
    while time.monotonic() < deadline:
        while x11.XPending(display):
            x11.XNextEvent(display, ctypes.byref(reply))
            message = reply.xclient
            if (message.type == CLIENT_MESSAGE and message.window == root
                    and message.data[0] == protocol and message.data[1] == token):
                return True
        select.select([x11.XConnectionNumber(display)], [], [], 0.5)
    return False

status = 0
if kind == "ping":
    x11.XSelectInput(display, root, STRUCTURE_NOTIFY)
    for n in range(int(sys.argv[3])):
        token = 1000 + n
        send(token)
        if not answered(token, time.monotonic() + 20):
            status = 1
            break
else:
    send(0)
x11.XCloseDisplay(display)
sys.exit(status)
EOF
}
# Closes the window the way a window manager does.
close_window() { window_manager_message delete "$1"; }
# Waits until the program has handled every key and click sent so far, and what they started
# within it, such as a repaint: for a step whose result shows nowhere else. The program answers a
# ping when it reads it; the same pass of its event loop still delivers the input read with it,
# and the pass after that paints, so the third answer comes after both.
settle() {
    local shown
    shown="$(shown_windows)"
    shown="${shown%%$'\n'*}"
    [ -n "$shown" ] || fail "the program shows no window"
    window_manager_message ping "$shown" 3 || fail "the program answered no ping"
}

# Waits up to $1 seconds for process $2 (the program's by default) to end: the kernel tells the
# moment through a process file descriptor.
wait_for_exit() {
    python3 - "$1" "${2:-$pid}" <<'PY' 2>/dev/null || ! kill -0 "${2:-$pid}" 2>/dev/null
import os, select, sys
fd = os.pidfd_open(int(sys.argv[2]))
sys.exit(0 if select.select([fd], [], [], float(sys.argv[1]))[0] else 1)
PY
}

# Closes $window and waits for the program to end with status 0.
close_and_wait() {
    local status
    close_window "$window"
    wait_for_exit 30 || fail "the program did not end after its window was closed"
    wait "$pid" && status=0 || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with $status"
}
