#!/usr/bin/env bash
# Drives the real program under a virtual X server: types a week note, takes write permission
# away from the user folder, types again and expects the error box, with the first note intact
# on disk; gives the permission back, and the next keystroke saves everything typed. Permissions
# do not bind root, so when run as root the program runs as the unprivileged user nobody (65534)
# over folders that user owns.
# Usage: read_only_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

write_timetable "$data" Peter
user_folder="$data/Peter"
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
    # libfaketime goes into the program alone: loaded into root's setpriv, it would make shared
    # memory that nobody may not open.
    cat >"$binary" <<WRAPPER
#!/bin/sh
preload="\$LD_PRELOAD"
unset LD_PRELOAD FAKETIME_SHARED
exec setpriv --reuid=65534 --regid=65534 --clear-groups env LD_PRELOAD="\$preload" \\
    "$real_binary" "\$@"
WRAPPER
    chmod 755 "$binary"
    launch_over_folders XAUTHORITY="$work/xauthority" XDG_RUNTIME_DIR="$work/runtime" -- Peter
else
    launch_over_folders -- Peter
fi
# Whatever happens, the folder can be removed afterwards.
trap 'kill "$pid" 2>/dev/null || true; chmod 755 "$user_folder" 2>/dev/null || true' EXIT
find_window '^Peter\.dfd$'
measure_menu_bar

notes="$user_folder/$(notes_name "$pinned_week")"
# The notes box: left 1, top 455 + 15 of the 800 x 600 layout.
click 60 500
xdotool type --delay 30 "first note"
wait_for 20 notes_hold "$notes" "first note" || fail "the first note was not saved"

chmod 555 "$user_folder"
click 60 500
xdotool key End
xdotool type --delay 30 "x"
find_dialog Skemora
screenshot read_only_error || true
notes_hold "$notes" "first note" || fail "the first note changed: $(cat "$notes")"
[ -z "$(find "$user_folder" -name '.*' -print -quit)" ] || fail "a temporary file was left"
xdotool windowfocus --sync "$dialog" key Return
wait_for 20 dialog_closed || fail "the error box stayed open"

# Writable again: the next keystroke saves what the refused one left in the box.
chmod 755 "$user_folder"
click 60 500
xdotool key End
xdotool type --delay 30 "y"
wait_for 20 notes_hold "$notes" "first notexy" || fail "the next save did not write the edit: $(cat "$notes")"
close_and_wait
