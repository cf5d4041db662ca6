#!/usr/bin/env bash
# Drives the Options menu of the real program under a virtual X server and checks what closing
# writes: the Monday-first value in the settings file, and the autostart entry of the tray option.
# Usage: options_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

settings="$config/Skemora/Skemora.conf"
autostart="$config/autostart/Skemora.desktop"

start() {
    launch_over_folders --
    find_window '^Time-table$'
}

# The first day of the month panel's weeks, "sunday" or "monday", from where the red Sunday dates
# stand: the left or right half of the panel (left 549, 160 wide, in the 800 x 606 window).
first_weekday() {
    screenshot month
    convert "$work/month.png" -crop "160x166+$((X + 549))+$((Y + 440))" +repage -depth 8 txt:- |
        awk -F'[,: ]+' '/#FF0000/ { n++; sum += $1 }
            END { if (n) print (sum / n < 80 ? "sunday" : "monday") }'
}
weeks_start_on() { [ "$(first_weekday)" = "$1" ]; }
# Waits until the month panel shows weeks starting on $1.
expect_weeks_from() {
    wait_for 20 weeks_start_on "$1" ||
        fail "$2: the month panel's weeks do not start on $1 but on '$(first_weekday)'"
}

stamp() { stat -c '%i %y %s' "$1"; }

# a. Mandag=1 is Sunday first: "&Monday first" carries no check mark, so one toggle ticks it and
#    closing writes Mandag=0.
mkdir -p "$(dirname "$settings")"
printf '[software]\nSkemora\\Mandag=1\n' >"$settings"
start
expect_weeks_from sunday "Mandag=1"
pick_from_menu o m
expect_weeks_from monday "after ticking Monday first"
close_and_wait
if ! { [ "$(grep -c Mandag "$settings")" -eq 1 ] && grep -qx 'Skemora\\Mandag=0' "$settings" &&
    grep -qx '\[software\]' "$settings"; }; then
    fail "ticking Monday first left the settings file as: $(cat "$settings")"
fi
[ ! -e "$autostart" ] || fail "an autostart file appeared without the tray option"

# b. Mandag=0 now; toggling twice and closing leaves the file as it was.
cp -p "$settings" "$work/settings.before"
before="$(stamp "$settings")"
start
expect_weeks_from monday "Mandag=0"
pick_from_menu o m
expect_weeks_from sunday "after the first toggle"
pick_from_menu o m
expect_weeks_from monday "after the second toggle"
close_and_wait
cmp -s "$settings" "$work/settings.before" || fail "toggling twice changed the settings file"
[ "$(stamp "$settings")" = "$before" ] || fail "toggling twice rewrote the settings file"

# c. No settings file: the start writes Directory (the program's own folder) and nothing else;
#    closing without a toggle writes no autostart entry.
rm -rf "${config:?}"/*
start
expect_weeks_from monday "no settings"
close_and_wait
own_folder="$(dirname "$binary")"
if ! { grep -qxF "Skemora\Directory=$own_folder" "$settings" &&
    [ "$(grep -c = "$settings")" -eq 1 ]; }; then
    fail "the start left the settings file as: $(cat "$settings" 2>/dev/null)"
fi
[ ! -e "$autostart" ] || fail "an autostart file was created without a change"

# d. With Directory set to a folder holding trayrun, ticking "&Start in system tray" writes the
#    autostart entry at close; unticking it in a later run removes it. Neither touches the
#    settings file.
mkdir -p "$(dirname "$settings")" "$work/opt"
touch "$work/opt/trayrun"
printf '[software]\nSkemora\\Directory=%s\n' "$work/opt" >"$settings"
cp -p "$settings" "$work/settings.before"
start
pick_from_menu o s
[ ! -e "$autostart" ] || fail "the autostart file was written before closing"
close_and_wait
[ -f "$autostart" ] || fail "ticking the tray option wrote no $autostart"
grep -qxF "Exec=$work/opt/trayrun" "$autostart" ||
    fail "the autostart file does not start $work/opt/trayrun: $(cat "$autostart")"
grep -qx '\[Desktop Entry\]' "$autostart" || fail "the autostart file has no [Desktop Entry]"
cmp -s "$settings" "$work/settings.before" || fail "the tray option changed the settings file"

start
pick_from_menu o s
close_and_wait
[ ! -e "$autostart" ] || fail "unticking the tray option left $autostart"

# An autostart entry toggled twice is left alone.
start
pick_from_menu o s
close_and_wait
cp -p "$autostart" "$work/autostart.before"
before="$(stamp "$autostart")"
start
pick_from_menu o s
pick_from_menu o s
close_and_wait
if ! cmp -s "$autostart" "$work/autostart.before" || [ "$(stamp "$autostart")" != "$before" ]; then
    fail "toggling the tray option twice rewrote the autostart file"
fi

# e. A Directory without trayrun (an installation that moved) is replaced by the program's own
#    folder, which holds it, so ticking the tray option starts the trayrun beside this program.
rm -rf "${config:?}"/*
mkdir -p "$(dirname "$settings")"
printf '[software]\nSkemora\\Directory=/opt/skemora\n' >"$settings"
start
pick_from_menu o s
close_and_wait
grep -qxF "Exec=$own_folder/trayrun" "$autostart" ||
    fail "the autostart file does not start $own_folder/trayrun: $(cat "$autostart" 2>/dev/null)"
grep -qxF "Skemora\Directory=$own_folder" "$settings" ||
    fail "Directory was not moved to $own_folder: $(cat "$settings")"
echo "PASSED"
