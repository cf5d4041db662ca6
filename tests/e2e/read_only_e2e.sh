#!/usr/bin/env bash
# Drives the real program under a virtual X server: types a week note, takes write permission
# away from the user folder, types again and expects the error box, with the first note intact
# on disk; gives the permission back, and the next keystroke saves everything typed. Permissions
# do not bind root, so launch_bound_by_permissions runs it as nobody when run as root.
# Usage: read_only_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

open_peter_bound_by_permissions

notes="$user_folder/$(notes_name "$pinned_week")"
# The notes box: left 1, top 455 + 15 of the 800 x 600 layout.
click 60 500
xdotool type --delay 30 "first note"
wait_for 20 notes_hold "$notes" "first note" || fail "the first note was not saved"

chmod 555 "$user_folder"
append_notes "x"
find_dialog Skemora
screenshot read_only_error || true
notes_hold "$notes" "first note" || fail "the first note changed: $(cat "$notes")"
[ -z "$(find "$user_folder" -name '.*' -print -quit)" ] || fail "a temporary file was left"
xdotool windowfocus --sync "$dialog" key Return
wait_for 20 dialog_closed || fail "the error box stayed open"

# Writable again: the next keystroke saves what the refused one left in the box.
chmod 755 "$user_folder"
append_notes "y"
wait_for 20 notes_hold "$notes" "first notexy" || fail "the next save did not write the edit: $(cat "$notes")"
close_and_wait
