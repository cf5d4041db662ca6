#!/usr/bin/env bash
# Runs the real program with --help, --version and options it does not take, with no display at
# all: each answers on the terminal and ends without opening a window.
# Usage: command_line_e2e.sh <path to skemora>
set -euo pipefail
binary="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Runs the program with no display; sets $status, and its output in $work/out and $work/err.
run() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb SKEMORA_DATA_DIR="$work/data" \
        timeout 20 "$@" >"$work/out" 2>"$work/err" || status=$?
}
holds() { grep -qF -- "$2" "$work/$1" || fail "$3: no \"$2\" in: $(cat "$work/$1")"; }

# Each case: the language, the arguments, the status wanted, where the answer goes and a line
# it must hold.
while IFS='|' read -r language arguments wanted stream text; do
    # shellcheck disable=SC2086 # the arguments are words
    run env SKEMORA_LANGUAGE="$language" "$binary" $arguments
    [ "$status" -eq "$wanted" ] ||
        fail "skemora $arguments ($language) ended with $status, not $wanted: $(cat "$work/err")"
    holds "$stream" "$text" "skemora $arguments ($language)"
done <<'CASES'
en|--help|0|out|Usage: skemora [options] [name]
en|--help|0|out|SKEMORA_DATA_DIR
en|--help|0|out|SKEMORA_LANGUAGE
en|-h|0|out|--version
en|--version|0|out|Skemora 
da|--help|0|out|Tilvalg:
da|--help|0|out|SKEMORA_LANGUAGE
en|--bogus|2|err|Unknown option: --bogus
en|Emma --frobnicate|2|err|Unknown option: --frobnicate
da|-x|2|err|Ukendt tilvalg: -x
CASES
[ ! -e "$work/data" ] || [ -z "$(ls -A "$work/data")" ] || fail "an answer wrote into the data folder"
echo "The command line answered without a window"
