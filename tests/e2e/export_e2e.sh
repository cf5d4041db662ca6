#!/usr/bin/env bash
# Drives File / Convert to HTML of the real program under a virtual X server: both pages are
# written into the user folder and handed to the desktop's opener (a stand-in here that records
# what it is asked to open).
# Usage: export_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

mkdir -p "$data/Peter" "$work/bin"

# The desktop's opener records the address instead of starting a browser.
cat >"$work/bin/xdg-open" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$work/opened"
SCRIPT
chmod +x "$work/bin/xdg-open"

{
    for day in 1 2 3 4 5; do
        printf '800\r\n'
        printf 'Danish\r\nR1\r\nHansen\r\nMath & <Physics>\r\nR2\r\nJensen\r\n'
        for lesson in $(seq 3 12); do printf '\r\n\r\n\r\n'; done
    done
    printf '6U\r\n'
} >"$data/Peter.dfd"
printf '5\r\n' >"$data/Peter/fratil.dfd"

launch_over_folders PATH="$work/bin:$PATH" -- Peter
find_window '^Peter\.dfd$'

page="$data/Peter/Peter.html"
opened_page() { [ -s "$work/opened" ] && grep -q "Peter/Peter.html" "$work/opened"; }

# File / Convert to HTML / Time-Table
xdotool windowfocus --sync "$window"
xdotool key alt+f
wait_for 20 menu_is_open || fail "Alt+F opened no menu"
xdotool key c t
wait_for 20 opened_page || fail "the time-table page was not handed to the opener"
grep -q '<td align="center" width="20%">Math &amp; &lt;Physics&gt;</td>' "$page" ||
    fail "the time-table page does not hold the escaped lesson: $(cat "$page")"
[ "$(head -c 8 "$page" | od -An -c | tr -d ' ')" = '<html>\r\n' ] || fail "lines do not end in CR LF"

# File / Convert to HTML / Calendar
rm -f "$work/opened"
wait_for 20 menu_is_closed || fail "the menu stayed open"
xdotool key alt+f
wait_for 20 menu_is_open || fail "Alt+F opened no menu"
xdotool key c c
wait_for 20 opened_page || fail "the calendar page was not handed to the opener"
grep -q 'border="1"' "$page" && grep -qi 'week\|uge' "$page" ||
    fail "the calendar page lacks its month blocks: $(head -30 "$page")"

close_and_wait
echo "PASSED"
