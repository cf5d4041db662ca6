#!/usr/bin/env bash
# Drives the real program under a virtual X server: types a week note, takes write permission
# away from the user folder and types again, so that the change waits unsaved; then Alt+W, whose
# save fails too. The error box comes, and the whole window stays on the week: its label stays
# selected and the next keystroke, once the folder is writable again, saves everything typed
# into that week's notes file, and no other week gets one.
# Usage: failed_navigation_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

open_peter_bound_by_permissions
wait_for 20 week_selected "$pinned_week" || fail "week $pinned_week is not selected at start"

notes="$user_folder/$(notes_name "$pinned_week")"
type_notes "first note"
wait_for 20 notes_hold "$notes" "first note" || fail "the first note was not saved"

# A keystroke the folder refuses: the change waits for the next save.
chmod 555 "$user_folder"
append_notes "x"
find_dialog Skemora
xdotool windowfocus --sync "$dialog" key Return
wait_for 20 dialog_closed || fail "the first error box stayed open"

# The next week: its save fails again, and the move does not happen.
xdotool windowfocus --sync "$window" key alt+w
find_dialog Skemora
screenshot failed_navigation_error || true
xdotool windowfocus --sync "$dialog" key Return
wait_for 20 dialog_closed || fail "the second error box stayed open"
week_selected "$pinned_week" || fail "week $pinned_week is no longer selected"
! week_selected $((pinned_week + 1)) || fail "the week panel moved to the next week"

# Writable again: the next keystroke saves all that was typed into the week shown.
chmod 755 "$user_folder"
append_notes "y"
wait_for 20 notes_hold "$notes" "first notexy" ||
    fail "the week's notes file holds: $(cat "$notes")"
[ "$(find "$user_folder" -name '*.dfz' | wc -l)" -eq 1 ] ||
    fail "unexpected notes files: $(ls "$user_folder")"
week_selected "$pinned_week" || fail "week $pinned_week is no longer selected"
close_and_wait
