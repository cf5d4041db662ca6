#!/usr/bin/env bash
# Starts the real program over a user folder as a crash left it in the middle of inserting a
# period: the later period's lesson file already renamed one number up, the new file and period
# list not yet written, the journal naming the change. The opening must undo the rename, so that
# next week's period has its own lessons again, and leave no journal behind.
# Usage: period_recovery_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

write_timetable "$data" Peter
user_folder="$data/Peter"
# Day numbers count from 1 January 1970 as day 1: the pinned Tuesday's Monday and the next one.
this_monday=20158
next_monday=20165
crlf 5 "$next_monday" >"$user_folder/fratil.dfd"
# Next week's lessons: the main file with Biology in Danish's place, now sitting in S2.dfd.
sed 's/^Danish\r$/Biology\r/' "$data/Peter.dfd" >"$user_folder/S2.dfd"
cp "$user_folder/S2.dfd" "$work/next_week.dfd"
cp "$user_folder/fratil.dfd" "$work/list.dfd"
crlf "Skemora period change" moving "created S1.dfd" "list 3" 5 "$this_monday" "$next_monday" \
    "move S1.dfd S2.dfd" >"$user_folder/fratil.jnl"

launch_over_folders -- Peter
find_window '^Peter\.dfd$'
undone() { [ -f "$user_folder/S1.dfd" ] && [ ! -e "$user_folder/fratil.jnl" ]; }
wait_for 20 undone || fail "the cut-off change was not undone: $(ls -a "$user_folder")"
cmp -s "$user_folder/S1.dfd" "$work/next_week.dfd" || fail "S1.dfd does not hold next week's lessons"
[ ! -e "$user_folder/S2.dfd" ] || fail "S2.dfd is left"
cmp -s "$user_folder/fratil.dfd" "$work/list.dfd" || fail "the period list changed"
screenshot period_recovery || true
[ "$(visible_windows)" -eq 1 ] || fail "a window besides the main one is open"
close_and_wait
echo "PASSED"
