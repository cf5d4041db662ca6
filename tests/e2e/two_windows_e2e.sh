#!/usr/bin/env bash
# Two copies of the program on one pupil, as two windows over one data folder, both showing the
# period that starts in the pinned week (S1.dfd): B changes Monday's first lesson to French,
# then A, which still holds the lessons it read, changes Tuesday's to Spanish. S1.dfd keeps
# both, and A shows B's French after its save.
# Usage: two_windows_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

write_timetable "$data" Peter
period="$data/Peter/S1.dfd"
# The pinned Tuesday's Monday as a day number (1 January 1970 is day 1).
monday=$(($(date -u -d "${pinned_now% *} -1 day" +%s) / 86400 + 1))
crlf 5 "$monday" >"$data/Peter/fratil.dfd"
cp "$data/Peter.dfd" "$period"

launch_over_folders LC_ALL=C -- Peter
pid_b="$pid"
find_window '^Peter\.dfd$'
window_b="$window"
launch_over_folders LC_ALL=C -- Peter
pid_a="$pid"
trap 'kill "$pid_a" "$pid_b" 2>/dev/null || true' EXIT
window="$(timeout 60 xdotool search --all --sync --onlyvisible --pid "$pid_a" --name '^Peter\.dfd$' |
    head -n 1)" || fail "no second window"
window_a="$window"

# Makes window $2 of program $1 the one the keys and clicks go to.
use_window() {
    pid="$1"
    window="$2"
    xdotool windowraise "$window" windowfocus --sync "$window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    measure_menu_bar
}

# Changes the first lesson of day $1 (0 = Monday), named $2 in the dialog's title, to $3.
change_lesson() {
    select_lesson "$1" 0
    pick_from_menu e l
    find_dialog "Change lesson $2"
    focus_dialog
    xdotool key ctrl+a
    xdotool type --delay 40 "$3"
    xdotool key Return
    wait_for 20 dialog_closed || fail "the lesson dialog stayed open"
}

use_window "$pid_b" "$window_b"
change_lesson 0 'Danish, Monday' French
wait_for 20 line_is "$period" 1 French || fail "B's French is not in S1.dfd"

use_window "$pid_a" "$window_a"
change_lesson 1 'Danish, Tuesday' Spanish
wait_for 20 line_is "$period" $((37 + 1)) Spanish || fail "A's Spanish is not in S1.dfd"
line_is "$period" 1 French || fail "A's save lost B's French: $(line_of "$period" 1)"
[ "$(line_of "$data/Peter.dfd" 1)" = Danish ] || fail "the first period changed"

# A reads the merged file again: its Monday is French now.
select_lesson 0 0
pick_from_menu e l
find_dialog 'Change lesson French, Monday'
focus_dialog
xdotool key Escape
wait_for 20 dialog_closed || fail "the lesson dialog stayed open"
if compgen -G "$data/Peter/*conflict*" >/dev/null; then fail "a conflict copy was written"; fi

echo "PASSED"
