#!/usr/bin/env bash
# The tray option end to end: ticking "Start in system tray" and closing writes a valid log-on
# entry whose command is the trayrun installed beside this skemora; that command shows its icon
# in a tray host (trayer) with the demo time-table's glance as tool tip; unticking removes the
# entry; and where the desktop has no tray, trayrun says so once and ends cleanly.
# Usage: tray_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
required_tools+=(trayer desktop-file-validate)
enter_xvfb "$0" "$@"

autostart="$config/autostart/Skemora.desktop"
folder="$(dirname "$binary")"
[ -x "$folder/skemora-demo" ] || skip "skemora-demo is not built beside $binary"
env LD_PRELOAD="$faketime_preload" FAKETIME="@$pinned_now" "$folder/skemora-demo" "$data" >/dev/null

# 1. No settings at all: ticking the option and closing writes the entry for trayrun beside us.
launch_over_folders -- Emma
find_window '^Emma.dfd$'
pick_from_menu o s
close_and_wait
[ -f "$autostart" ] || fail "ticking the tray option wrote no $autostart"
exec_line="$(grep '^Exec=' "$autostart")" || fail "the entry has no Exec: $(cat "$autostart")"
command="${exec_line#Exec=}"
[ "$command" = "$folder/trayrun" ] || fail "the entry starts '$command', not $folder/trayrun"
[ -x "$command" ] || fail "the entry's $command is no program"
report="$(desktop-file-validate "$autostart" 2>&1)" || fail "the entry is not valid: $report"
[ -z "$report" ] || fail "desktop-file-validate warns: $report"

# 2. The entry's command in a tray host: its icon is embedded, its tool tip shows on hover.
trayer --edge top --align right --widthtype request --height 32 --transparent false \
    --tint 0xdddddd --SetDockType true >"$work/trayer.log" 2>&1 &
tray_host=$!
host_shown() { [[ "$(xwininfo -root -tree)" == *'("panel" "trayer")'* ]]; }
wait_for 30 host_shown || fail "trayer showed no panel: $(cat "$work/trayer.log")"
trap 'kill "$tray_host" "${tray:-}" 2>/dev/null || true' EXIT
# The pinned moment is a Tuesday at 10:00: German is on.
env LD_PRELOAD="$faketime_preload" FAKETIME="@$pinned_now" DONT_FAKE_MONOTONIC=1 \
    SKEMORA_DATA_DIR="$data" XDG_CONFIG_HOME="$config" "$command" >"$work/tray.out" \
    2>"$work/tray.err" &
tray=$!
# trayrun's icon window sits inside trayer's panel.
icon_embedded() {
    local tree
    tree="$(xwininfo -root -tree)"
    awk '/\("panel" "trayer"\)/ { inside = 1; indent = match($0, /[^ ]/); next }
         inside && match($0, /[^ ]/) <= indent { inside = 0 }
         inside && /\("trayrun"/ { found = 1 }
         END { exit !found }' <<<"$tree"
}
wait_for 30 icon_embedded ||
    fail "trayrun's icon is not in the tray: $(xwininfo -root -tree | grep -i tray) $(cat "$work/tray.err")"
read -r icon_x icon_y < <(xwininfo -root -tree |
    sed -n 's/.*("trayrun" "Skemora").* +\([0-9]*\)+\([0-9]*\)$/\1 \2/p' | head -n 1)
tip_shown() {
    # A small move each time, so that the icon sees the pointer rest on it.
    xdotool mousemove $((icon_x + 10 + RANDOM % 3)) $((icon_y + 12))
    local id
    for id in $(xdotool search --onlyvisible --classname trayrun 2>/dev/null); do
        [[ "$(xwininfo -id "$id")" == *"Override Redirect State: yes"* ]] && return 0
    done
    return 1
}
wait_for 30 tip_shown || fail "no tool tip showed over trayrun's icon"
# Its pale box is drawn below and left of the icon on the black screen.
tip_drawn() {
    local mean
    mean="$(import -window root -crop "400x60+$((icon_x - 400))+$((icon_y + 20))" +repage \
        -colorspace gray -format '%[fx:mean]' info:)"
    awk -v m="$mean" 'BEGIN { exit !(m > 0.2) }'
}
wait_for 30 tip_drawn || fail "the tool tip over trayrun's icon was never drawn"
screenshot tray
kill -0 "$tray" || fail "trayrun ended: $(cat "$work/tray.err")"
kill "$tray"
wait "$tray" 2>/dev/null || true
kill "$tray_host"
wait "$tray_host" 2>/dev/null || true

# 3. Unticking removes the entry.
launch_over_folders -- Emma
find_window '^Emma.dfd$'
pick_from_menu o s
close_and_wait
[ ! -e "$autostart" ] || fail "unticking the tray option left $autostart"

# 4. No tray host: trayrun waits for one a while, then says so once and ends with 0.
env SKEMORA_DATA_DIR="$data" XDG_CONFIG_HOME="$config" "$command" >"$work/tray.out" \
    2>"$work/tray.err" &
tray=$!
box_shown() { [ -n "$(xdotool search --onlyvisible --pid "$tray" 2>/dev/null)" ]; }
wait_for 60 box_shown || fail "trayrun without a tray showed no message"
grep -qF "This desktop has no system tray" "$work/tray.err" ||
    fail "trayrun without a tray said: $(cat "$work/tray.err")"
# OK on the message box (the only window trayrun shows).
press_ok() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$tray" 2>/dev/null); do
        xdotool windowfocus --sync "$id" key Return 2>/dev/null || true
    done
    ! kill -0 "$tray" 2>/dev/null
}
wait_for 30 press_ok || fail "trayrun did not end after its message"
status=0
wait "$tray" || status=$?
[ "$status" -eq 0 ] || fail "trayrun without a tray ended with $status"
echo "PASSED"
