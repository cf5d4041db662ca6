#!/usr/bin/env bash
# Drives the real program under a virtual X server, in English and then in Danish: with the focus
# in the week notes, Alt combinations that are no command (Alt+R, Alt+N, Alt+X, Alt+Q, Alt+G;
# in Danish Alt+R, Alt+S) leave the notes as they are, and Tab and Shift+Tab move the focus out
# of the box, so the letters typed next do not reach the notes. The notes file must keep its
# bytes; a note typed into the next week afterwards shows that every key before it was handled.
# Usage: notes_keys_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

run_language() {
    local language="$1"
    shift
    local folder="$data/$language"
    write_timetable "$folder" Peter
    launch_over_folders SKEMORA_DATA_DIR="$folder" SKEMORA_LANGUAGE="$language" -- Peter
    find_window '^Peter\.dfd$'
    expect_large_window
    measure_menu_bar

    local notes next
    notes="$folder/Peter/$(notes_name "$pinned_week")"
    next="$folder/Peter/$(notes_name $((pinned_week + 1)))"
    type_notes "note"
    wait_for 20 notes_hold "$notes" "note" || fail "$language: no $notes holding the typed notes"
    local before
    before="$(md5sum <"$notes")"

    # The keys go to the notes box, which has the focus.
    local key
    for key in "$@"; do xdotool key --delay 50 "alt+$key"; done
    xdotool key Tab
    xdotool type --delay 30 "zz"
    click 60 500
    xdotool key shift+Tab
    xdotool type --delay 30 "yy"
    screenshot "notes_keys_$language" || true
    menu_is_closed || fail "$language: a menu opened"

    # One week on, a note for that week: once it is on disk, every key above was handled.
    xdotool key alt+w
    type_notes "sync"
    wait_for 20 notes_hold "$next" "sync" ||
        fail "$language: the next week's notes hold: $(cat -A "$next" 2>&1)"
    [ "$(md5sum <"$notes")" = "$before" ] ||
        fail "$language: the notes changed to: $(cat -A "$notes")"
    close_and_wait
}

run_language en r n x q g
run_language da r s
echo "PASSED"
