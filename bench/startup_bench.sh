#!/usr/bin/env bash
# Times the real program from its start to its main window being visible, with a time-table
# named on the command line, under a virtual X server. One untimed warm-up run first, then
# `runs` timed ones; prints each, then min and median in milliseconds.
# Usage: startup_bench.sh <path to skemora> [runs, default 5]
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
    [ $# -ge 1 ] || { echo "usage: $0 <path to skemora> [runs]" >&2; exit 2; }
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
    done
    binary="$(realpath "$1")"
    [ -x "$binary" ] || { echo "$binary is not an executable" >&2; exit 1; }
    runs="${2:-5}"
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inside "$binary" "$runs" "$work"
    exit $?
fi

binary="$2"
runs="$3"
work="$4"
data="$work/data"
mkdir -p "$data/Peter" "$work/config" "$work/share" "$work/runtime"
chmod 700 "$work/runtime"

# The main time-table file: 186 lines ended by CR LF; every day starts at 8:00 with six lessons.
{
    for day in 1 2 3 4 5; do
        printf '800\r\n'
        for lesson in Danish Math English History Music Sports; do
            printf '%s\r\nR%s\r\nT%s\r\n' "$lesson" "$day" "$day"
        done
        for lesson in $(seq 7 12); do printf '\r\n\r\n\r\n'; done
    done
    printf '6U\r\n'
} >"$data/Peter.dfd"
[ "$(wc -l <"$data/Peter.dfd")" -eq 186 ] || { echo "the time-table is not 186 lines" >&2; exit 1; }
printf '5\r\n' >"$data/Peter/fratil.dfd" # Monday 5 January 1970

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# One start: milliseconds from launch until a window titled Peter.dfd is mapped. `xdotool search
# --sync` looks again only every half second, so the search is repeated here every 10 ms.
measure() {
    local start pid elapsed
    start=$(now_ms)
    SKEMORA_DATA_DIR="$data" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" \
        XDG_RUNTIME_DIR="$work/runtime" "$binary" Peter >"$work/stdout" 2>"$work/stderr" &
    pid=$!
    until xdotool search --onlyvisible --name '^Peter\.dfd$' >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the program ended before its window showed:" >&2
            cat "$work/stderr" >&2
            return 1
        fi
        if [ $(($(now_ms) - start)) -gt 30000 ]; then
            kill "$pid"
            echo "no window titled Peter.dfd within 30 s" >&2
            return 1
        fi
        sleep 0.01
    done
    elapsed=$(($(now_ms) - start))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$elapsed"
}

measure >/dev/null # warm-up: libraries and fonts into the page cache
times=()
for run in $(seq 1 "$runs"); do
    t=$(measure)
    echo "run $run: $t ms"
    times+=("$t")
done
mapfile -t sorted < <(printf '%s\n' "${times[@]}" | sort -n)
echo "start to visible window over $runs runs: min ${sorted[0]} ms, median ${sorted[$(((runs - 1) / 2))]} ms"
