#!/usr/bin/env bash
# The start-up measurement's hook in the real program: with SKEMORA_QUIT_AFTER_FIRST_PAINT set it
# ends by itself once its main window, opened on a time-table, has painted, and prints the moment
# (CLOCK_MONOTONIC nanoseconds) between its start and its end.
# Usage: first_paint_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

write_timetable "$data" Peter

now_ns() { python3 -c 'import time; print(time.monotonic_ns())'; }
before="$(now_ns)"
launch_over_folders SKEMORA_QUIT_AFTER_FIRST_PAINT=1 -- Peter
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 60 ended || fail "the program did not end after its first paint"
status=0
wait "$pid" || status=$?
after="$(now_ns)"
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$work/stderr")"

read -r word painted <"$work/stdout" || fail "the program printed nothing"
[ "$word" = "first-paint" ] || fail "the program printed '$word $painted', not its first paint"
[ "$painted" -gt "$before" ] && [ "$painted" -lt "$after" ] ||
    fail "the first paint at $painted ns lies outside the run ($before to $after ns)"
echo "PASSED: first paint $(((painted - before) / 1000000)) ms after the start"
