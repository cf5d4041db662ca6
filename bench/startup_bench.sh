#!/usr/bin/env bash
# Start-up of skemora on the demo time-table against a bare Qt 6 window of the same size with
# five menus and 150 widgets (bench/bare_window), under one virtual X server. Each start is timed
# by bench/startup_probe from just before exec to the X MapNotify of the main window and to the
# first paint the program reports (SKEMORA_QUIT_AFTER_FIRST_PAINT makes both print it and quit);
# its peak resident memory comes from the kernel's account of the ended process. The two
# programs start in turn, one untimed warm-up start each first, then `runs` timed starts each.
# Prints every start, then the medians and the ratios skemora / bare.
# Usage: startup_bench.sh [build folder with -DSKEMORA_BENCHMARKS=ON, default build-bench] [runs, default 15]
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
    build="$(realpath "${1:-build-bench}")"
    runs="${2:-15}"
    command -v xvfb-run >/dev/null || { echo "xvfb-run is not installed" >&2; exit 1; }
    for program in skemora skemora-demo bench/bare_window bench/startup_probe; do
        [ -x "$build/$program" ] || {
            echo "$build/$program is missing: cmake --build $build --target ${program#bench/}" >&2
            exit 1
        }
    done
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    # -noreset: the server stays up between two starts (no client is connected then).
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" --inside "$build" "$runs" "$work"
    exit $?
fi

build="$2"
runs="$3"
work="$4"
mkdir -p "$work/config" "$work/share" "$work/runtime"
chmod 700 "$work/runtime"
name="$("$build/skemora-demo" "$work/data")"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" XDG_RUNTIME_DIR="$work/runtime"
export SKEMORA_QUIT_AFTER_FIRST_PAINT=1

# One start: "<ms to map> <ms to first paint> <peak KiB> <width> <height>".
start_skemora() { SKEMORA_DATA_DIR="$work/data" "$build/bench/startup_probe" "$build/skemora" "$name"; }
start_bare() { "$build/bench/startup_probe" "$build/bench/bare_window" "$width" "$height"; }

# The warm-ups bring libraries and fonts into the page cache; skemora's tells the window size.
read -r _ _ _ width height < <(start_skemora)
start_bare >/dev/null
echo "window ${width}x${height}, $runs starts each"

: >"$work/skemora.txt"
: >"$work/bare.txt"
for run in $(seq 1 "$runs"); do
    s="$(start_skemora)"
    b="$(start_bare)"
    echo "$s" >>"$work/skemora.txt"
    echo "$b" >>"$work/bare.txt"
    read -r sm sp sr _ <<<"$s"
    read -r bm bp br _ <<<"$b"
    printf 'run %2d: skemora map %7.2f ms paint %7.2f ms %6d KiB | bare map %7.2f ms paint %7.2f ms %6d KiB\n' \
        "$run" "$sm" "$sp" "$sr" "$bm" "$bp" "$br"
done

# The median of column $2 of file $1.
median() {
    sort -g -k"$2","$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo
printf '%-26s %10s %10s %8s\n' "median of $runs" skemora bare ratio
for figure in "1 start to MapNotify (ms)" "2 start to first paint (ms)" "3 peak resident (MiB)"; do
    column="${figure%% *}"
    label="${figure#* }"
    s="$(median "$work/skemora.txt" "$column")"
    b="$(median "$work/bare.txt" "$column")"
    if [ "$column" = 3 ]; then
        s="$(awk -v v="$s" 'BEGIN { print v / 1024 }')"
        b="$(awk -v v="$b" 'BEGIN { print v / 1024 }')"
    fi
    awk -v l="$label" -v s="$s" -v b="$b" 'BEGIN { printf "%-26s %10.2f %10.2f %8.3f\n", l, s, b, s / b }'
done
