#!/usr/bin/env bash
# skemora --today on the demo time-table at a pinned time, with no display: the day's lessons
# with their times, rooms and teachers, what is on now, tomorrow's homework, the JSON for status
# bars, another pupil by name, and nothing written.
# Usage: today_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

binary="$(realpath "$1")"
demo_maker="$(dirname "$binary")/skemora-demo"
[ -x "$demo_maker" ] || skip "skemora-demo is not built beside $binary"
command -v python3 >/dev/null || skip "python3 is not installed"
faketime_preload="$(faketime_library)" || skip "libfaketime (package faketime) is not installed"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
data="$work/data"

# The pinned moment is a Tuesday at 10:00; the demo is made for that day.
at_pinned_time() {
    env -u DISPLAY -u WAYLAND_DISPLAY LD_PRELOAD="$faketime_preload" FAKETIME="@$pinned_now" \
        DONT_FAKE_MONOTONIC=1 SKEMORA_DATA_DIR="$data" XDG_CONFIG_HOME="$work/config" \
        XDG_DATA_HOME="$work/share" "$@"
}
name="$(at_pinned_time "$demo_maker" "$data")"
[ "$name" = "Emma" ] || fail "the demo maker made '$name'"
snapshot() { (cd "$data" && find . -type f -printf '%p %s %T@\n' | sort | md5sum); }
before="$(snapshot)"

today() { at_pinned_time timeout 30 "$binary" "$@" >"$work/out" 2>"$work/err"; }

today --today || fail "skemora --today failed: $(cat "$work/err")"
expected_lines=(
    "Emma: Today, Tuesday 11 March 2025"
    "  08:50–09:35 History, room 12, teacher Hansen"
    "  09:40–10:25 German, room 15, teacher Weber"
    "  10:30–11:15 PE, room Gym, teacher Holm"
    "  11:20–12:05 PE, room Gym, teacher Holm"
    "  12:10–12:55 Music, room Music room, teacher Dahl"
    "Now: 09:40–10:25 German, room 15, teacher Weber"
    "Tomorrow, Wednesday 12 March 2025"
    "      Homework: Read chapter 3 and write"
)
for line in "${expected_lines[@]}"; do
    grep -qxF -- "$line" "$work/out" || fail "--today printed no line '$line' but:
$(cat "$work/out")"
done
[ "$(grep -c '^  [0-9][0-9]:[0-9][0-9]–' "$work/out")" -eq 11 ] ||
    fail "--today did not print 5 lessons today and 6 tomorrow: $(cat "$work/out")"

# Danish, and the pupil by name.
SKEMORA_LANGUAGE=da today --today Emma || fail "skemora --today Emma failed: $(cat "$work/err")"
grep -qxF "Nu: 09:40–10:25 German, lokale 15, lærer Weber" "$work/out" ||
    fail "the Danish glance is: $(cat "$work/out")"

# JSON: the same lessons, the one under way, and the line a status bar shows.
today --today --json || fail "skemora --today --json failed: $(cat "$work/err")"
python3 - "$work/out" <<'PY' || fail "the JSON is not as expected: $(cat "$work/out")"
import json, sys
glance = json.load(open(sys.argv[1], encoding="utf-8"))
lessons = glance["today"]["lessons"]
assert [l["subject"] for l in lessons] == ["History", "German", "PE", "PE", "Music"], lessons
assert (lessons[0]["start"], lessons[0]["end"], lessons[0]["room"]) == ("08:50", "09:35", "12")
assert lessons[glance["current"]]["subject"] == "German"
assert glance["text"] == "Now: 09:40–10:25 German, room 15, teacher Weber", glance["text"]
assert glance["tomorrow"]["lessons"][4]["homework"][0] == "Read chapter 3 and write"
assert glance["documents"][0]["subject"] == "English"
PY

# A name that is no time-table: a message and a failure, no window.
if today --today Nobody; then fail "--today Nobody succeeded"; fi
grep -qF 'There is no time-table named "Nobody".' "$work/err" ||
    fail "--today Nobody said: $(cat "$work/err")"

[ "$(snapshot)" = "$before" ] || fail "skemora --today changed the data folder"
echo "PASSED"
