#!/usr/bin/env bash
# Drives the real program in Danish with the keyboard alone, on the pinned Tuesday: the arrow
# keys move through the week, each of the five menus opens with Alt and its letter and runs one
# command (Rediger / Fag, Skema / Klasse and Ferie / Opret, Opsætning /
# Mandag først, Hjælp / Hjælp, Filer / Afslut), and the lesson, class and holiday dialogs are
# filled by keys; the files written on the way are checked.
# Usage: keyboard_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

write_timetable "$data" Peter
launch_over_folders SKEMORA_LANGUAGE=da -- Peter
find_window '^Peter\.dfd$'
main="$window"
measure_menu_bar
xdotool windowfocus --sync "$main"

# Opens menu $1 with Alt and its letter and picks entry $2 by its letter (a submenu stays open).
menu_key() {
    xdotool windowfocus --sync "$main"
    xdotool key "alt+$1"
    wait_for 20 menu_is_open || fail "Alt+$1 opened no menu"
    xdotool key "$2"
}

# 1. Through the week by arrows: the first arrow selects Monday's first lesson.
xdotool key ctrl+i
xdotool key Down
wait_for 20 lesson_selected 0 0 || fail "the first arrow selected no lesson"
for step in "Right 1 0" "Right 2 0" "Down 2 1" "Left 1 1" "Up 1 0"; do
    read -r key column row <<<"$step"
    xdotool key "$key"
    wait_for 20 lesson_selected "$column" "$row" || fail "$key did not select $column, $row"
done
screenshot keyboard-week || true

# 2. Rediger (Alt+R) / Fag (F): Tuesday's first lesson, Tab between the fields.
menu_key r f
find_dialog 'Ret timen Danish, Tirsdag'
focus_dialog
xdotool key ctrl+a
xdotool type --delay 40 "Musik"
xdotool key Tab ctrl+a
xdotool type --delay 40 "12"
xdotool key Return
wait_for 20 dialog_closed || fail "the lesson dialog stayed open"
# The edit starts a period with this week's Monday.
wait_for 20 line_is "$data/Peter/S1.dfd" $((37 + 1)) "Musik" || fail "S1.dfd: no Musik on Tuesday"
[ "$(line_of "$data/Peter/S1.dfd" $((37 + 2)))" = "12" ] || fail "S1.dfd: Musik's room"

# 3. Skema (Alt+S) / Klasse (K).
menu_key s k
find_dialog 'Klassenavn'
focus_dialog
xdotool key ctrl+a
xdotool type --delay 40 "7U"
xdotool key Return
wait_for 20 line_is "$data/Peter/S1.dfd" 185 "7U" || fail "S1.dfd: the class is not 7U"

# 4. Skema / Ferie (F) / Opret (O): the holiday editor by keys. The name field has the focus;
#    three Tabs reach the colour list, one more OK.
menu_key s f
wait_for 20 menus_open 2 || fail "F opened no holiday submenu"
xdotool key o
find_dialog 'Helligdage'
focus_dialog
xdotool type --delay 30 "Påskeferie"
xdotool key Tab Tab Tab Down Tab Return
wait_for 20 test -f "$data/a202503.dfg" || fail "no holiday file for March 2025"
grep -q "skeferie" "$data/a202503.dfg" || fail "March's file holds not the holiday's name"
grep -q "clRed" "$data/a202503.dfg" || fail "the colour picked by Down is not clRed"
wait_for 20 dialog_closed || fail "the holiday editor stayed open"

# 5. Opsætning (Alt+O) / Mandag først (M): the month panel starts its weeks on Sunday, and the
#    option is written when the program ends.
settings="$config/Skemora/Skemora.conf"
strip=(150 14 "$(screen_x 560)" "$(screen_y 486)")
before="$(area_print "${strip[@]}")"
menu_key o m
wait_for 20 area_changed "$before" "${strip[@]}" || fail "Mandag først changed no weekday strip"

# 6. Hjælp (Alt+H) / Om Skemora (O): the About window opens and Escape closes it.
menu_key h o
find_dialog '^Om Skemora$'
focus_dialog
screenshot keyboard-help || true
xdotool key Escape
wait_for 20 dialog_closed || fail "the About window stayed open"

# 7. Filer (Alt+F) / Afslut (A): nothing is unsaved, so the program ends at once.
menu_key f a
wait_for_exit 30 || fail "Filer / Afslut did not end the program"
wait "$pid" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status"
test -f "$settings" || fail "the Mandag først option was not written"
echo "PASSED"
