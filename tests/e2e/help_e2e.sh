#!/usr/bin/env bash
# Presses F1 in the real program under a virtual X server with a fake browser on PATH: in the main
# window, in an open menu and in the homework dialog, in English and in Danish. Each time the page
# handed to the browser must exist, be the guide in the interface's language and hold the anchor
# of the topic where F1 was pressed. A help file of the user's own in the data folder comes first.
# Usage: help_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

mkdir -p "$work/bin"
# The desktop's opener records the address instead of starting a browser.
cat >"$work/bin/xdg-open" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$work/opened"
SCRIPT
chmod +x "$work/bin/xdg-open"
write_timetable "$data" Peter

dialog_gone() { ! xwininfo -id "$dialog" 2>/dev/null | grep -q IsViewable; }
opened_count() { [ -f "$work/opened" ] && wc -l <"$work/opened" || echo 0; }
opened_more_than() { [ "$(opened_count)" -gt "$1" ]; }

# Presses F1 and checks the page handed over: language $1, topic $2.
expect_help() {
    local before address page
    before="$(opened_count)"
    xdotool key F1
    wait_for 20 opened_more_than "$before" || fail "F1 ($3) handed no page to the browser"
    address="$(tail -n 1 "$work/opened")"
    [[ "$address" == file://*"#topic-$2" ]] ||
        fail "F1 ($3) opened $address, not a page at topic $2"
    page="${address#file://}"
    page="${page%#*}"
    [ -f "$page" ] || fail "F1 ($3): the page $page does not exist"
    grep -q "<html lang=\"$1\">" "$page" || fail "F1 ($3): $page is not in language $1"
    grep -q "id=\"topic-$2\"" "$page" || fail "F1 ($3): $page has no anchor topic-$2"
    echo "F1 ($3) opened $address"
}

# English: the week-notes box, which has the focus after opening; the main window, where a week
# move puts the focus; then the open File menu.
launch_over_folders PATH="$work/bin:$PATH" -- Peter
find_window '^Peter\.dfd$'
main="$window"
measure_menu_bar
xdotool windowfocus --sync "$main"
click 60 500
expect_help en 201 "week notes"
xdotool key alt+w
expect_help en 100 "main window"
xdotool key alt+f
wait_for 20 menu_is_open || fail "Alt+F opened no menu"
expect_help en 101 "File menu"
xdotool key Escape
wait_for 20 menu_is_closed || fail "the File menu stayed open"
close_and_wait

# Danish: the homework dialog of Thursday's second lesson.
launch_over_folders PATH="$work/bin:$PATH" SKEMORA_LANGUAGE=da -- Peter
find_window '^Peter\.dfd$'
main="$window"
measure_menu_bar
xdotool windowfocus --sync "$main"
click 60 500
expect_help da 201 "Danish week notes"
xdotool mousemove --sync $((X + 511)) $((Y + 130)) click 1
wait_for 20 details_shown || fail "the lesson details did not show the lesson"
xdotool mousemove --sync $((X + 267)) $((Y + 498)) click 1
find_dialog '  Homework .*'
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
expect_help da 200 "homework dialog"
xdotool key Escape
wait_for 20 dialog_gone || fail "the homework dialog stayed open"
window="$main"
close_and_wait

# A help file of the user's own is what F1 opens.
printf 'help\r\n' >"$data/ZEZUVIDEZ1.HLP"
launch_over_folders PATH="$work/bin:$PATH" -- Peter
find_window '^Peter\.dfd$'
xdotool windowfocus --sync "$window"
before="$(opened_count)"
xdotool key F1
wait_for 20 opened_more_than "$before" || fail "F1 handed the own help file to no program"
[ "$(tail -n 1 "$work/opened")" = "file://$data/ZEZUVIDEZ1.HLP" ] ||
    fail "F1 opened $(tail -n 1 "$work/opened"), not the own help file"
close_and_wait
echo "F1 opened the guide at the topic, in the interface's language"
