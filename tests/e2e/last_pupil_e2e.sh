#!/usr/bin/env bash
# Starts the real program under a virtual X server without a name after a time-table was open:
# that time-table opens again, kept in the settings file beside the options. A name given wins;
# a time-table deleted since opens nothing and the empty window shows its welcome.
# Usage: last_pupil_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

settings="$config/Skemora/Skemora.conf"
write_timetable "$data" Peter
write_timetable "$data" "Anna Sofie"

# The welcome stands over the empty lesson rows in the middle of the columns, which are white
# but for their lines without it.
welcome_shown() {
    [ "$(pixels_other_than 300 60 "$(screen_x 200)" "$(screen_y 170)" '#FFFFFF')" -gt 5000 ]
}

# A first start: nothing to open, the welcome offers a time-table.
launch_over_folders --
find_window '^Time-table$'
measure_menu_bar
wait_for 20 welcome_shown || fail "the empty window shows no welcome"
close_and_wait
[ ! -e "$settings" ] || ! grep -q LastTimetable "$settings" ||
    fail "closing with no time-table open remembered one: $(cat "$settings")"

launch_over_folders -- Anna Sofie
find_window '^Anna Sofie\.dfd$'
close_and_wait
grep -qx 'Skemora\\LastTimetable=Anna Sofie' "$settings" ||
    fail "the settings file does not keep Anna Sofie: $(cat "$settings")"

# No name: Anna Sofie again, and no welcome.
launch_over_folders --
find_window '^Anna Sofie\.dfd$'
measure_menu_bar
! welcome_shown || fail "the welcome stayed over an open time-table"
close_and_wait

# A name given opens that one, and is the one kept.
launch_over_folders -- Peter
find_window '^Peter\.dfd$'
close_and_wait
launch_over_folders --
find_window '^Peter\.dfd$'
close_and_wait

# Deleted since: the window starts empty.
rm -rf "$data/Peter.dfd" "$data/Peter"
launch_over_folders --
find_window '^Time-table$'
close_and_wait
echo "The time-table open at the last close opened again"
