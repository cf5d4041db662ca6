#!/usr/bin/env bash
# File / New Time-table in the real program under a virtual X server: OK without a name says so
# and keeps the dialog open; the name of an existing pupil with a class typed asks first, and
# declining keeps the dialog with what was typed, so another name creates that pupil with the
# class; the existing pupil's files stay as they were.
# Usage: new_user_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

# The program's visible windows titled exactly $1, by name, not by a search's pattern.
windows_titled() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id"
    done
    return 0
}

write_timetable "$data" Peter
cp "$data/Peter.dfd" "$work/Peter.before"

launch_over_folders -- Peter
find_window '^Peter\.dfd$'

pick_from_menu f n
new_user_shown() { [ -n "$(windows_titled 'Create new user')" ]; }
wait_for 20 new_user_shown || fail "File / New Time-table showed no dialog"
new_user="$(windows_titled 'Create new user')"
dialog="$new_user"

# OK with the name empty: a message box, and the dialog is still there behind it.
xdotool windowfocus --sync "$new_user"
xdotool key Return
box_shown() { [ -n "$(windows_titled Skemora)" ]; }
wait_for 20 box_shown || fail "OK without a name said nothing"
screenshot new_user_empty_name
xdotool windowfocus --sync "$(windows_titled Skemora | head -n 1)"
xdotool key Return
box_gone() { [ -z "$(windows_titled Skemora)" ]; }
wait_for 20 box_gone || fail "the message box stayed open"
dialog_closed && fail "OK without a name closed the new-user dialog"
[ ! -e "$data/.dfd" ] || fail "OK without a name wrote .dfd"

# An existing name with a class: the question comes up over the dialog.
xdotool windowfocus --sync "$new_user"
xdotool type --delay 30 "Peter"
xdotool key Tab
xdotool type --delay 30 "9X"
xdotool key Return
question_shown() { [ "$(windows_titled 'Create new user' | wc -l)" -ge 2 ]; }
wait_for 20 question_shown || fail "an existing name asked nothing"
screenshot new_user_existing_name
# Declined: the question goes, the dialog stays with what was typed.
question="$(windows_titled 'Create new user' | grep -vx "$new_user" | head -n 1)"
xdotool windowfocus --sync "$question"
xdotool key Escape
question_gone() { [ "$(windows_titled 'Create new user' | wc -l)" -eq 1 ]; }
wait_for 20 question_gone || fail "the question stayed open"
dialog_closed && fail "declining the question closed the new-user dialog"
find_window '^Peter\.dfd$'

# Another name: the class typed before is still there and is the new pupil's.
xdotool windowfocus --sync "$new_user"
xdotool key shift+Tab ctrl+a
xdotool type --delay 30 "Anne"
xdotool key Return
wait_for 20 dialog_closed || fail "a new name did not close the dialog"
anne_saved() { [ -f "$data/Anne.dfd" ] && [ "$(sed -n 186p "$data/Anne.dfd")" = $'9X\r' ]; }
wait_for 20 anne_saved || fail "Anne.dfd does not hold the class 9X"
find_window '^Anne\.dfd$'
cmp -s "$data/Peter.dfd" "$work/Peter.before" || fail "Peter.dfd changed"

close_and_wait
echo "PASSED"
