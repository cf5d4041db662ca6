#!/usr/bin/env bash
# File / Export to calendar of the real program on the demo time-table, from the keyboard: the
# range choice, a path typed into the save dialog, the file read back by python3-icalendar and
# listed by khal at the lessons' local times. First the rest of the school year (later weeks from
# their own files, the holiday week as all-day events), then the shown week alone, whose khal
# listing is printed.
# Usage: ics_export_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"
demo_maker="$(dirname "$binary")/skemora-demo"
[ -x "$demo_maker" ] || skip "skemora-demo is not built beside $binary"
command -v khal >/dev/null || skip "khal is not installed"
/usr/bin/python3 -c 'import icalendar' 2>/dev/null || skip "python3-icalendar is not installed"
read_ics="$(dirname "$0")/../data/ics_read.py"

# The lessons are written in UTC; the program and the readers share this zone.
export TZ=Europe/Copenhagen
name="$(env LD_PRELOAD="$faketime_preload" FAKETIME="@$pinned_now" DONT_FAKE_MONOTONIC=1 \
    "$demo_maker" "$data")"
[ "$name" = "Emma" ] || fail "the demo maker made '$name'"

launch_over_folders HOME="$work/home" -- Emma
find_window '^Emma\.dfd$'
main="$window"

# File / Export to calendar, the range by its letter, the path typed into the save dialog, and
# the closing message taken away; waits for the message, so the file is complete.
export_calendar() {
    local range="$1" path="$2"
    xdotool windowfocus --sync "$main"
    xdotool key alt+f
    wait_for 20 menu_is_open || fail "Alt+F opened no menu"
    xdotool key e
    wait_for 20 menu_is_closed || fail "E picked nothing in the File menu"
    find_dialog 'Export to calendar'
    focus_dialog
    settle
    xdotool key "alt+$range" Return
    wait_for 20 dialog_closed || fail "the range choice stayed open"
    wait_for 20 new_window "$main" || fail "no save dialog"
    xdotool windowfocus --sync "$dialog"
    xdotool key ctrl+a
    xdotool type --delay 20 "$path"
    xdotool key Return
    wait_for 20 dialog_closed || fail "the save dialog stayed open"
    wait_for 20 new_window "$main" || fail "no message after the export"
    xdotool windowfocus --sync "$dialog"
    xdotool key Return
    wait_for 20 dialog_closed || fail "the message stayed open"
    [ -s "$path" ] || fail "$path was not written"
}

khal_config="$work/khal.conf"
cat >"$khal_config" <<CONF
[calendars]
[[c]]
path = $work/khal
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
CONF

# The rest of the school year: this week's lessons from the open period, the later weeks' from
# the files, the sports day and the holiday week all-day, nothing past 31 July.
year_file="$work/out/year.ics"
mkdir -p "$work/out"
export_calendar r "$year_file"
/usr/bin/python3 "$read_ics" "$year_file" >"$work/year.txt" ||
    fail "python3-icalendar could not read the year"
for line in "2025-03-11 08:50-09:35 ~ History ~ 12 ~ Hansen" \
    "2025-03-18 08:50-09:35 ~ History ~ 12 ~ Hansen ~ " \
    "2025-07-29 08:50-09:35 ~ History ~ 12 ~ Hansen ~ " \
    "2025-03-14 ~ Sports day ~  ~  ~ " \
    "2025-03-31 ~ Spring holiday ~  ~  ~ " \
    "2025-04-04 ~ Spring holiday ~  ~  ~ "; do
    grep -qF -- "$line" "$work/year.txt" ||
        fail "no event '$line' in the year: $(head -40 "$work/year.txt")"
done
no_school='^2025-03-14 [0-9]\|^2025-0[34]-\(31\|0[1-4]\) [0-9]\|^2025-08'
! grep -q "$no_school" "$work/year.txt" ||
    fail "lessons on a holiday or past 31 July: $(grep "$no_school" "$work/year.txt")"
khal -c "$khal_config" printics "$year_file" >"$work/year_khal.txt" 2>&1 ||
    fail "khal printics failed on the year: $(cat "$work/year_khal.txt")"
grep -qF "2025-07-29 08:50-2025-07-29 09:35 History" "$work/year_khal.txt" ||
    fail "khal lists no History at 08:50 on 29 July: $(head -20 "$work/year_khal.txt")"

# The shown week alone.
week_file="$work/out/week.ics"
export_calendar t "$week_file"
khal -c "$khal_config" printics "$week_file" >"$work/week_khal.txt" 2>&1 ||
    fail "khal printics failed on the week: $(cat "$work/week_khal.txt")"
echo "khal printics $week_file:"
cat "$work/week_khal.txt"
grep -qF "2025-03-11 08:50-2025-03-11 09:35 History" "$work/week_khal.txt" ||
    fail "khal lists no History at 08:50 on Tuesday"
grep -qF "2025-03-14-2025-03-14 Sports day" "$work/week_khal.txt" ||
    fail "khal lists no sports day on Friday"
/usr/bin/python3 "$read_ics" "$week_file" >"$work/week.txt" ||
    fail "python3-icalendar could not read the week"
grep -qF "2025-03-11 09:40-10:25 ~ German ~ 15 ~ Weber" "$work/week.txt" ||
    fail "python3-icalendar reads no German at 09:40: $(cat "$work/week.txt")"
! grep -q '^2025-03-1[7-9]' "$work/week.txt" || fail "the shown week holds later days"

close_and_wait
echo "PASSED"
