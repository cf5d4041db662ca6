#!/usr/bin/env bash
# Starts the real program under a virtual X server with and without SKEMORA_LANGUAGE=da and checks
# the window title of each language. With SKEMORA_E2E_SCREENSHOTS set to a folder, the Danish
# window is photographed there with its File menu open.
# Usage: language_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

# Starts the program with the language variable given (empty: none) and waits for its window.
start() {
    local language=()
    [ -n "$1" ] && language=(SKEMORA_LANGUAGE="$1")
    launch_over_folders "${language[@]}"
    find_window "$2"
}
no_window_titled() {
    [ -z "$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null)" ] ||
        fail "a window of the program is titled like $1"
}

start da '^Skema$'
no_window_titled 'Time-table'
# The first menu of the menu bar opens with a click as well as with Alt+F.
xdotool mousemove $((X + 20)) $((Y + 8)) click 1
if wait_for 20 menu_is_open; then
    screenshot danish-file-menu
    xdotool key Escape
    wait_for 20 menu_is_closed || fail "the File menu did not close on Escape"
else
    fail "clicking the first menu of the Danish menu bar opened nothing"
fi
close_and_wait

start "" '^Time-table$'
no_window_titled 'Skema'
close_and_wait

# Any other value keeps English.
start en '^Time-table$'
no_window_titled 'Skema'
close_and_wait

# The start records only its own folder as Directory; no option was written.
! grep -q Mandag "$config/Skemora/Skemora.conf" 2>/dev/null ||
    fail "options were written without a change: $(cat "$config/Skemora/Skemora.conf")"
echo "PASSED"
