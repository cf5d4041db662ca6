#!/usr/bin/env bash
# Drives the real program under a virtual X server with a file size limit (RLIMIT_FSIZE, with
# SIGXFSZ ignored, so a write past it fails with EFBIG "File too large", as on a full disk). The
# week homework file is filled to just under the limit, so every other file still fits and only
# the homework save fails: the user types homework and presses OK, the error box names the
# reason, and the homework dialog stays open with the text. Once the limit is lifted, OK saves it.
# Usage: full_disk_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"
command -v xclip >/dev/null || skip "xclip is not installed"
command -v prlimit >/dev/null || skip "prlimit (util-linux) is not installed"

write_timetable "$data" Peter
user="$data/Peter"
week_file="$user/$(printf 'a%d%02d.dff' "$pinned_year" "$pinned_week")"
limit_kib=4
# Monday's first lesson holds homework lines until the file is a few bytes under the limit.
{
    printf '1\r\n1\r\n49\r\n'
    padding="$(printf 'x%.0s' $(seq 1 56))"
    for line in $(seq 1 49); do printf 'Monday homework line %02d: %s\r\n' "$line" "$padding"; done
    printf '0\r\n'
} >"$week_file"
size="$(stat -c %s "$week_file")"
[ "$size" -lt $((limit_kib * 1024)) ] && [ "$size" -gt $((limit_kib * 1024 - 40)) ] ||
    fail "the week file is $size bytes, not just under $((limit_kib * 1024))"
week_before="$(md5sum <"$week_file")"

# The limit binds the program alone (soft, so it can be lifted again); the script's own files
# (pictures of the screen) are not limited.
(
    ulimit -S -f "$limit_kib"
    trap '' XFSZ
    exec env LD_PRELOAD="$faketime_preload" FAKETIME="@$pinned_now" DONT_FAKE_MONOTONIC=1 \
        SKEMORA_DATA_DIR="$data" XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$work/share" \
        SKEMORA_SCREEN_HEIGHT=768 "$binary" Peter
) >"$work/stdout" 2>"$work/stderr" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
find_window '^Peter\.dfd$'
main_x=$X
main_y=$Y
measure_menu_bar
click_main() {
    xdotool mousemove --sync $((main_x + $1)) $((main_y + $2)) click 1
}
clipboard_holds() { [[ "$(clipboard)" == *"$1"* ]]; }

# Thursday's second lesson (Math), then, once the lesson details show it, the Homework button.
click_main 511 130
wait_for 20 details_shown || fail "the lesson details did not show Math"
click_main 267 498
find_dialog '  Homework Thursday  Math'
homework="$dialog"
eval "$(xdotool getwindowgeometry --shell "$homework")"
DX=$X
DY=$Y
typed="Read chapter 4 and do exercises 1 to 9"
xdotool type --delay 20 "$typed"
ok() { xdotool mousemove --sync $((DX + 336 + 37)) $((DY + 232 + 12)) click 1; }
ok

# The error box, a window besides the main window and the homework dialog: its text, selected
# and copied, names the file and the reason.
wait_for 20 new_window "$window" "$homework" || fail "no error box appeared"
screenshot full_disk_error || true
printf '' | xclip -selection clipboard
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool windowfocus --sync "$dialog"
xdotool mousemove --sync $((X + 100)) $((Y + 20)) click 1
xdotool key ctrl+a ctrl+c
wait_for 20 clipboard_holds "File too large" ||
    fail "the error box does not name the reason: $(clipboard)"
clipboard_holds "Cannot create file $week_file" || fail "the error box says: $(clipboard)"
[ "$(md5sum <"$week_file")" = "$week_before" ] || fail "the week file changed"
[ -z "$(find "$user" -name '.*' -print -quit)" ] || fail "a temporary file was left"
xdotool windowfocus --sync "$dialog" key Return
wait_for 20 dialog_closed || fail "the error box stayed open"

# The homework dialog is still open, with the text typed.
dialog="$homework"
! dialog_closed || fail "the homework dialog closed"
printf '' | xclip -selection clipboard
xdotool windowfocus --sync "$homework"
xdotool mousemove --sync $((DX + 200)) $((DY + 70)) click 1
xdotool key ctrl+a ctrl+c
wait_for 20 clipboard_holds "$typed" || fail "the homework dialog lost the text: $(clipboard)"

# Room again: OK saves the homework and closes the dialog.
prlimit --pid "$pid" --fsize=unlimited
ok
wait_for 20 dialog_closed || fail "the homework dialog stayed open after the limit was lifted"
grep -q "^$typed"$'\r'"\$" "$week_file" || fail "the week file lacks the homework"
grep -q "^Monday homework line 49" "$week_file" || fail "the week file lost Monday's homework"
close_and_wait
