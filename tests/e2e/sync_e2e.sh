#!/usr/bin/env bash
# Two computers in one: two Syncthing instances, each syncing its own data folder with the other
# over 127.0.0.1 alone (every discovery, relay, NAT traversal, report and upgrade check off; the
# network calls they make are traced and must all stay on the loopback), and one program on
# each folder, showing the same pupil in week 11 of 2025 (the date pinned with libfaketime).
# Week notes are typed and lessons changed on both sides: in turn, at the same moment, and while
# the two are cut off from each other (one instance paused, so that Syncthing makes conflict
# copies when they meet again). Once both folders agree, every edit must be in the diary's files
# on both sides and shown in both windows, and no conflict copy may be left holding an edit the
# files lack; the same after both windows are closed. Prints how many edits each side made, how
# long the folders took to agree after the pause, and how many conflict copies were seen, merged
# and written beside. A check that fails does not stop the run; all of them are listed at the end.
# Usage: sync_e2e.sh <path to skemora>
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
command -v syncthing >/dev/null || skip "syncthing is not installed"
enter_xvfb "$0" "$@"
command -v strace >/dev/null || fail "strace is not installed (scripts/setup installs it)"
command -v xclip >/dev/null || fail "xclip is not installed (scripts/setup installs it)"

helper="$(dirname "$(realpath "$0")")/syncthing.py"
st() { python3 "$helper" "$@"; }
now() { date +%s.%N; }
seconds_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }
started_at="$(now)"
phase() { echo "== $(seconds_between "$started_at" "$(now)") s: $*"; }

# The two sides, A and B: data folder, Syncthing home, ports, API key, device ID, the strace
# running Syncthing, the program's process and window.
declare -A folder home gui_port listen_port api_key device tracer app win edits
sides=(A B)
other() { if [ "$1" = A ]; then echo B; else echo A; fi; }

# Stops everything this script started: the programs, the conflict watcher, both Syncthings.
conflict_watcher=""
cleanup() {
    local side child
    for side in "${sides[@]}"; do
        [ -n "${app[$side]:-}" ] && kill "${app[$side]}" 2>/dev/null
    done
    [ -n "$conflict_watcher" ] && kill "$conflict_watcher" 2>/dev/null
    for side in "${sides[@]}"; do
        [ -n "${tracer[$side]:-}" ] || continue
        child="$(engine_pid "$side")"
        if [ -n "$child" ]; then kill "$child" 2>/dev/null; else kill "${tracer[$side]}" 2>/dev/null; fi
    done
    for side in "${sides[@]}"; do
        [ -n "${tracer[$side]:-}" ] && wait_for_exit 20 "${tracer[$side]}"
    done
    return 0
}
trap cleanup EXIT
# Syncthing's own process: the one child of its strace.
engine_pid() { tr -d ' ' <"/proc/${tracer[$1]}/task/${tracer[$1]}/children" 2>/dev/null; }

# Checks that may fail while the run goes on; the run fails at the end when any did.
failures=()
record() {
    if [ "$1" -eq 0 ]; then
        echo "ok: $2"
    else
        echo "NOT OK: $2"
        failures+=("$2")
    fi
}
check() {
    local what="$1" status=0
    shift
    "$@" || status=$?
    record "$status" "$what"
}
check_within() {
    local seconds="$1" what="$2" status=0
    shift 2
    wait_for "$seconds" "$@" || status=$?
    record "$status" "$what"
}

# A window side $1 shows of its own accord (a message saying what it merged or where it kept a
# copy): its title and text (a message box's text is selected with a click and Ctrl+A and copied)
# go to the log, and Return closes it, so that it does not take the keys meant for the main
# window.
declare -A messages
clipboard_is_not() { [ "$(clipboard)" != "$1" ]; }
close_messages() {
    # The dialog's geometry must not replace the main window's.
    # shellcheck disable=SC2034 # SCREEN and WINDOW, set by getwindowgeometry
    local pid="${app[$1]:-}" dialog text rounds=0 X Y WIDTH HEIGHT SCREEN WINDOW
    [ -n "$pid" ] || return 0
    while dialog="$(shown_windows | grep -vx "${win[$1]}" | head -n 1)" && [ -n "$dialog" ]; do
        [ "$rounds" -lt 10 ] || fail "side $1 keeps showing windows"
        rounds=$((rounds + 1))
        printf 'marker' | xclip -selection clipboard >/dev/null 2>&1
        xdotool windowraise "$dialog" 2>/dev/null || continue
        xdotool windowfocus --sync "$dialog" 2>/dev/null || continue
        eval "$(xdotool getwindowgeometry --shell "$dialog")"
        xdotool mousemove --sync $((X + 100)) $((Y + 20)) click 1
        xdotool key ctrl+a ctrl+c
        text=""
        if wait_for 3 clipboard_is_not marker; then text="$(clipboard | tr -s '\n-' ' ')"; fi
        messages[$1]=$((${messages[$1]:-0} + 1))
        screenshot "message_$1_${messages[$1]}" || true
        echo "side $1 showed \"$(xdotool getwindowname "$dialog" 2>/dev/null)\":" \
            "${text:-(no text to copy; see message_$1_${messages[$1]}.png)}; Return answers it"
        xdotool windowfocus --sync "$dialog" key Return
        wait_for 20 dialog_closed || fail "side $1's window \"$text\" stayed open after Return"
    done
}

# ---- Syncthing --------------------------------------------------------------------------------

phase "starting Syncthing"
read -r "gui_port[A]" "listen_port[A]" "gui_port[B]" "listen_port[B]" <<<"$(st ports 4)"
for side in "${sides[@]}"; do
    folder[$side]="$work/$side/data"
    home[$side]="$work/$side/syncthing"
    api_key[$side]="skemora-e2e-$side-$RANDOM$RANDOM"
    mkdir -p "${folder[$side]}/.stfolder" "$work/$side/config"
    syncthing generate --home="${home[$side]}" --skip-port-probing --no-default-folder \
        >"$work/$side.generate.log" 2>&1 || fail "syncthing generate: $(cat "$work/$side.generate.log")"
    device[$side]="$(st id "${home[$side]}")"
done
for side in "${sides[@]}"; do
    peer="$(other "$side")"
    st configure "${home[$side]}" "$side" "${gui_port[$side]}" "${listen_port[$side]}" \
        "${api_key[$side]}" "${folder[$side]}" "$peer" "${device[$peer]}" "${listen_port[$peer]}"
done

# The pupil, on side A only: Syncthing brings it to B before the programs start.
write_timetable "${folder[A]}" Peter

# Syncthing under strace, which logs every address it binds, connects or sends to. No proxy from
# the environment may take a connection elsewhere.
for side in "${sides[@]}"; do
    env -u http_proxy -u https_proxy -u all_proxy -u HTTP_PROXY -u HTTPS_PROXY -u ALL_PROXY \
        STNOUPGRADE=1 STNODEFAULTFOLDER=1 STNORESTART=1 \
        strace -f --seccomp-bpf -qq -e signal=none -e trace=connect,bind,sendto,sendmsg,sendmmsg \
        -o "$work/$side.trace" \
        syncthing serve --home="${home[$side]}" --no-browser --no-restart --no-upgrade \
        --no-default-folder >"$work/$side.log" 2>&1 &
    tracer[$side]=$!
done
engine_log() { tail -n 20 "$work/$1.log" 2>/dev/null; }
rest() {
    local side="$1"
    shift
    st rest "${gui_port[$side]}" "${api_key[$side]}" "$@" >/dev/null
}
answers() { rest "$1" GET /rest/system/ping 2>/dev/null; }
connected() {
    local peer
    peer="$(other "$1")"
    st connected "${gui_port[$1]}" "${api_key[$1]}" "${device[$peer]}" "${2:-}"
}
for side in "${sides[@]}"; do
    wait_for 60 answers "$side" || fail "Syncthing $side did not answer: $(engine_log "$side")"
done
for side in "${sides[@]}"; do
    wait_for 60 connected "$side" || fail "Syncthing $side did not connect: $(engine_log "$side")"
done

# Whether both Syncthings are idle and know each other complete and both folders hold the same
# files, and (when one is given) a command succeeds too.
agree_print=""
folders_agree() {
    agree_print="$(st agreed "${folder[A]}" "${gui_port[A]}" "${api_key[A]}" "${device[B]}" \
        "${folder[B]}" "${gui_port[B]}" "${api_key[B]}" "${device[A]}")" || return 1
    [ $# -eq 0 ] || "$@"
}
# Waits up to $1 seconds until the folders agree (and the command after $2 succeeds) and stay so,
# the files unchanged, for $2 seconds: a program that reacts to a synced file writes within
# that. Sets agreed_at to when that unchanged run began.
wait_agreed() {
    local seconds="$1"
    agree_stable="$2" agree_last="" agree_since=""
    shift 2
    wait_for "$seconds" agreed_steadily "$@"
}
# One look for wait_agreed: messages answered, then whether the agreement has held long enough.
agreed_steadily() {
    close_messages A
    close_messages B
    if ! folders_agree "$@"; then
        agree_last=""
        return 1
    fi
    if [ "$agree_print" != "$agree_last" ]; then
        agree_last="$agree_print"
        agree_since="$(now)"
        return 1
    fi
    awk -v a="$agree_since" -v b="$(now)" -v s="$agree_stable" 'BEGIN { exit !(b - a >= s) }' ||
        return 1
    agreed_at="$agree_since"
}
synced_fail() { fail "the folders did not agree $1: $(diff <(cd "${folder[A]}" && find . -type f | sort) <(cd "${folder[B]}" && find . -type f | sort))"; }
wait_agreed 60 1 test -f "${folder[B]}/Peter/fratil.dfd" || synced_fail "on the pupil"

# Every conflict copy that ever shows on either side, by name: Syncthing's and the program's own.
# Each is seen as it is made, under its name or renamed to it; the names are sorted out at the end.
inotifywait -m -r -q -e create,moved_to --format '%f' "${folder[A]}" "${folder[B]}" \
    >>"$work/names_made" 2>/dev/null &
conflict_watcher=$!
keep_watcher "$conflict_watcher"
# And those made before the watch began.
find "${folder[A]}" "${folder[B]}" -printf '%f\n' >>"$work/names_made"

# ---- The programs -----------------------------------------------------------------------------

phase "starting the programs"
for side in "${sides[@]}"; do
    mkdir -p "$work/$side/run"
    # launch puts the program's output in $work: each side's in a folder of its own.
    outer_work="$work"
    work="$outer_work/$side/run"
    launch SKEMORA_DATA_DIR="${folder[$side]}" XDG_CONFIG_HOME="$outer_work/$side/config" \
        XDG_DATA_HOME="$outer_work/$side/share" SKEMORA_SCREEN_HEIGHT=768 -- Peter
    work="$outer_work"
    trap cleanup EXIT
    app[$side]=$pid
    win[$side]="$(timeout 60 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Peter\.dfd' |
        head -n 1)" || fail "side $side showed no window"
    [ -n "${win[$side]}" ] || fail "side $side showed no window"
    edits[$side]=0
done

# Works in side $1's window from now on: raised over the other and given the keyboard.
use() {
    side="$1"
    pid="${app[$side]}"
    window="${win[$side]}"
    close_messages "$side"
    xdotool windowraise "$window"
    xdotool windowfocus --sync "$window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
}
use A
measure_menu_bar

notes="Peter/$(notes_name "$pinned_week")"
# The lessons of the pinned week: in the file of the last period starting on or before its Monday
# (day numbers count from 1 January 1970 as day 1); line k of the period list is period k's start,
# period 0's lessons are in the main file, period k's in "S" + k + ".dfd".
pinned_day="${pinned_now% *}"
monday=$(($(date -u -d "$pinned_day" +%s) / 86400 + 1 - ($(date -u -d "$pinned_day" +%u) - 1)))
lesson_file() {
    local line k=0 period=0
    [ -f "${folder[$1]}/Peter/fratil.dfd" ] || return 1
    while IFS=$'\r' read -r line; do
        [[ "$line" =~ ^[0-9]+$ ]] && [ "$line" -le "$monday" ] && period=$k
        k=$((k + 1))
    done <"${folder[$1]}/Peter/fratil.dfd"
    if [ "$period" -eq 0 ]; then echo "${folder[$1]}/Peter.dfd"; else echo "${folder[$1]}/Peter/S$period.dfd"; fi
}
days=(Monday Tuesday Wednesday Thursday Friday)
subject_line() { echo $(($1 * 37 + 1 + 3 * $2)); }

# Notes typed at the end of the box.
type_notes_at_end() {
    click 60 500
    xdotool key ctrl+End
    xdotool type --delay 30 "$1"
    edits[$side]=$((edits[$side] + 1))
}
# Whether the notes box shows every text given, read through the clipboard.
notes_show() {
    local shown text
    close_messages "$side"
    printf 'marker' | xclip -selection clipboard >/dev/null 2>&1
    click 60 500
    xdotool key ctrl+a ctrl+c
    wait_for 5 clipboard_is_not marker || return 1
    shown="$(clipboard)"
    xdotool key ctrl+End
    for text in "$@"; do [[ "$shown" == *"$text"* ]] || return 1; done
}
# Opens the lesson dialog of day d, row r; sets $dialog. Found by its title, not as any new
# window, since a message may come up at the same time.
lesson_dialog_shown() {
    local id
    for id in $(shown_windows); do
        if [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == "Change lesson "* ]]; then
            dialog="$id"
            return 0
        fi
    done
    return 1
}
open_lesson_dialog() {
    # A notice of a merge may stand over the grid.
    close_messages "$side"
    select_lesson "$1" "$2"
    pick_from_menu e l
    wait_for 20 lesson_dialog_shown || fail "side $side showed no lesson dialog"
    xdotool windowfocus --sync "$dialog"
}
# Whether the window names subject $3 for day d, row r (the lesson dialog's title names it).
lesson_shows() {
    local title
    close_messages "$side"
    open_lesson_dialog "$1" "$2"
    title="$(xdotool getwindowname "$dialog")"
    xdotool key Escape
    wait_for 20 dialog_closed || fail "side $side's lesson dialog stayed open"
    [ "$title" = "Change lesson $3, ${days[$1]}" ]
}
# Types subject $3 into the lesson dialog of day d, row r and leaves it open; $lesson_dialog.
declare -A lesson_dialog
prepare_lesson() {
    open_lesson_dialog "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 30 "$3"
    lesson_dialog[$side]="$dialog"
}
confirm_lesson() {
    xdotool windowfocus --sync "${lesson_dialog[$1]}"
    xdotool key Return
    edits[$1]=$((edits[$1] + 1))
}
lesson_closed() {
    local pid="${app[$1]}" dialog="${lesson_dialog[$1]}"
    dialog_closed
}
edit_lesson() {
    prepare_lesson "$@"
    confirm_lesson "$side"
    wait_for 20 lesson_closed "$side" || fail "side $side's lesson dialog stayed open"
}

# What the files hold: week notes holding a text, a lesson file naming a subject.
notes_file_holds() { grep -q -F "$3" "${folder[$1]}/$2" 2>/dev/null; }
holds_subject() { line_is "$(lesson_file "$1")" "$(subject_line "$2" "$3")" "$4"; }
both_notes_hold() {
    local text
    for text in "$@"; do
        notes_file_holds A "$notes" "$text" && notes_file_holds B "$notes" "$text" || return 1
    done
}
both_hold_subject() { holds_subject A "$@" && holds_subject B "$@"; }

# ---- 1. In turn: each side sees the other's edit, then makes its own --------------------------

phase "in turn"
use A
type_notes_at_end "NoteA1"
wait_for 20 notes_file_holds A "$notes" NoteA1 || fail "A's notes file holds no NoteA1"
# The readers of the windows see what a window shows of its own edits.
wait_for 15 notes_show NoteA1 || fail "the notes box of A does not show NoteA1"
wait_agreed 60 1 both_notes_hold NoteA1 || synced_fail "on A's first note"
use B
check_within 10 "B's window shows the note A typed" notes_show NoteA1
type_notes_at_end " NoteB1"
wait_for 20 notes_file_holds B "$notes" NoteB1 || fail "B's notes file holds no NoteB1"
wait_agreed 60 1 both_notes_hold NoteB1 || synced_fail "on B's first note"
check "notes typed in turn: both in the files" both_notes_hold NoteA1 NoteB1
use A
check_within 10 "A's window shows both notes typed in turn" notes_show NoteA1 NoteB1

edit_lesson 0 1 French
wait_for 20 holds_subject A 0 1 French || fail "A's lesson file holds no French"
lesson_shows 0 1 French || fail "A's window does not show Monday's French"
wait_agreed 60 1 both_hold_subject 0 1 French || synced_fail "on French"
use B
check_within 10 "B's window shows Monday's French" lesson_shows 0 1 French
edit_lesson 1 1 Spanish
wait_for 20 holds_subject B 1 1 Spanish || fail "B's lesson file holds no Spanish"
wait_agreed 60 1 both_hold_subject 1 1 Spanish || synced_fail "on Spanish"
check "lessons changed in turn: both in the files" both_hold_subject 0 1 French
use A
check_within 10 "A's window shows Tuesday's Spanish" lesson_shows 1 1 Spanish

# ---- 2. At the same moment: the keys alternate between the windows ----------------------------

phase "at the same moment"
use A
click 60 500
xdotool key ctrl+End
use B
click 60 500
xdotool key ctrl+End
for part in " No" "te" "?2"; do
    for side in "${sides[@]}"; do
        xdotool windowfocus --sync "${win[$side]}"
        xdotool type --delay 30 "${part/\?/$side}"
    done
done
edits[A]=$((edits[A] + 1))
edits[B]=$((edits[B] + 1))
use A
prepare_lesson 2 1 German
use B
prepare_lesson 3 1 Latin
confirm_lesson A
confirm_lesson B
wait_for 20 lesson_closed A || fail "A's lesson dialog stayed open"
wait_for 20 lesson_closed B || fail "B's lesson dialog stayed open"
wait_agreed 90 3 || synced_fail "after the edits at the same moment"
# A merge may still be on its way: the checks wait a while for the folders to agree on it.
check_within 10 "notes typed at the same moment: both in the files" \
    folders_agree both_notes_hold NoteA2 NoteB2
check_within 10 "lessons changed at the same moment: both in the files" \
    folders_agree eval 'both_hold_subject 2 1 German && both_hold_subject 3 1 Latin'

# ---- 3. Cut off: both change the same notes and the same lesson file --------------------------

phase "cut off"
rest A POST "/rest/system/pause?device=${device[B]}" || fail "Syncthing A did not pause B"
wait_for 30 connected A no || fail "A stayed connected to B"
wait_for 30 connected B no || fail "B stayed connected to A"
use A
type_notes_at_end " NoteA3"
edit_lesson 4 1 Music
use B
type_notes_at_end " NoteB3"
edit_lesson 4 0 Drama
wait_for 20 notes_file_holds A "$notes" NoteA3 || fail "A's notes file holds no NoteA3"
wait_for 20 notes_file_holds B "$notes" NoteB3 || fail "B's notes file holds no NoteB3"
wait_for 20 holds_subject A 4 1 Music || fail "A's lesson file holds no Music"
wait_for 20 holds_subject B 4 0 Drama || fail "B's lesson file holds no Drama"
# Each side knows its own edits before they meet: a scan returns once it has run.
rest A POST "/rest/db/scan?folder=skemora" || fail "Syncthing A did not scan"
rest B POST "/rest/db/scan?folder=skemora" || fail "Syncthing B did not scan"
resumed_at="$(now)"
rest A POST "/rest/system/resume?device=${device[B]}" || fail "Syncthing A did not resume B"
wait_for 60 connected A || fail "A did not connect to B again"
wait_agreed 120 4 || synced_fail "after the pause"
agree_seconds="$(seconds_between "$resumed_at" "$agreed_at")"

# ---- The end: files, conflict copies, windows -------------------------------------------------

phase "the end"
all_notes=(NoteA1 NoteB1 NoteA2 NoteB2 NoteA3 NoteB3)
all_lessons=("0 1 French" "1 1 Spanish" "2 1 German" "3 1 Latin" "4 1 Music" "4 0 Drama")
files_hold_every_edit() {
    local lesson
    both_notes_hold "${all_notes[@]}" || return 1
    for lesson in "${all_lessons[@]}"; do
        # shellcheck disable=SC2086 # day, row and subject
        both_hold_subject $lesson || return 1
    done
}
describe_files() {
    local side
    for side in "${sides[@]}"; do
        echo "  $side's notes: $(tr -d '\r' <"${folder[$side]}/$notes" | tr '\n' '|')"
        lessons="$(lesson_file "$side")"
        echo "  $side's ${lessons#"${folder[$side]}/"}, rows 1/2 of Monday to Friday:$(for d in 0 1 2 3 4; do
            printf ' %s/%s' "$(line_of "$lessons" "$(subject_line $d 0)")" \
                "$(line_of "$lessons" "$(subject_line $d 1)")"; done)"
    done
}
# Syncthing's own temporaries of a copy it was still fetching when the copy went are no copies.
sync_copies() {
    find "${folder[A]}" "${folder[B]}" -name '*.sync-conflict-*' ! -name '.syncthing.*' \
        ! -name '~syncthing~*' 2>/dev/null
}
tokens=("${all_notes[@]}" French Spanish German Latin Music Drama)
nothing_lacking() {
    local lacking
    lacking="$(sync_copies | st lacking "${tokens[@]}")"
    [ -z "$lacking" ] || {
        echo "  conflict copies holding what the files lack:"
        printf '    %s\n' "${lacking//$'\n'/$'\n'    }"
        return 1
    }
}
check_within 10 "every edit is in the files on both sides" folders_agree files_hold_every_edit
describe_files
check "no Syncthing conflict copy holds an edit the files lack" nothing_lacking

window_shows_every_edit() {
    local lesson
    notes_show "${all_notes[@]}" || return 1
    for lesson in "${all_lessons[@]}"; do
        # shellcheck disable=SC2086 # day, row and subject
        lesson_shows $lesson || return 1
    done
}
for side in "${sides[@]}"; do
    use "$side"
    check_within 10 "$side's window shows every edit" window_shows_every_edit
    screenshot "sync_end_$side" || true
done

# Nothing was sent beyond the loopback, and the trace did see the two talk.
beyond="$(st network "$work/A.trace" "$work/B.trace")"
[ -z "$beyond" ] || fail "Syncthing reached beyond the loopback: $beyond"
grep -q "connect(.*htons(${listen_port[B]})" "$work/A.trace" "$work/B.trace" ||
    grep -q "connect(.*htons(${listen_port[A]})" "$work/A.trace" "$work/B.trace" ||
    fail "the trace shows no connection between the two Syncthings"

# Closing both windows keeps every edit.
for side in "${sides[@]}"; do
    use "$side"
    close_and_wait
    app[$side]=""
done
wait_agreed 60 2 || synced_fail "after both windows closed"
check "after both windows closed, every edit is in the files" files_hold_every_edit

# ---- Figures ----------------------------------------------------------------------------------

phase "figures"
grep -E '\.(sync|skemora)-conflict-' "$work/names_made" |
    grep -v -E '^(\.syncthing\.|~syncthing~)' >"$work/conflicts_seen" || true
seen_sync="$(grep -c -e '\.sync-conflict-' <(sort -u "$work/conflicts_seen") || true)"
left_sync="$(sync_copies | xargs -r -n 1 basename | sort -u | wc -l)"
beside="$(grep -c -e '\.skemora-conflict-' <(sort -u "$work/conflicts_seen") || true)"
echo "FIGURES: edits A ${edits[A]}, B ${edits[B]}; the folders agreed ${agree_seconds} s after" \
    "the pause ended; Syncthing conflict copies seen ${seen_sync}, merged and removed" \
    "$((seen_sync - left_sync)), left ${left_sync}; copies written beside (skemora-conflict) ${beside};" \
    "messages shown A ${messages[A]:-0}, B ${messages[B]:-0}"

if [ ${#failures[@]} -gt 0 ]; then
    printf '  %s\n' "${failures[@]}" >&2
    fail "${#failures[@]} checks failed"
fi
echo "PASSED"
