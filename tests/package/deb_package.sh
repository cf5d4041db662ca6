#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine with apt-get, starts the installed
# program under a virtual X server, creates a time-table through File / New Time-table and finds
# its files in the user's data folder, then removes the package and checks its files are gone.
# Also validates the desktop entry and the AppStream metainfo, as built and as installed.
# Changes the system: run it as root (CI does) or with sudo; .ci/run runs it after the tests.
# Usage: tests/package/deb_package.sh [build folder, default $SKEMORA_BUILD_DIR or build]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=tests/e2e/lib.sh
source "$here/../e2e/lib.sh"

# The part under the virtual X server: the installed program, a new user, its files.
if [ "${1:-}" = "--run" ] || [ "${1:-}" = "--inside" ]; then
    [ "$1" = "--run" ] && shift
    enter_xvfb "$0" "$@"
    share="$work/share"
    # The desktop's opener records what F1 hands it.
    mkdir -p "$work/bin"
    printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
    launch XDG_DATA_HOME="$share" XDG_CONFIG_HOME="$config" SKEMORA_SCREEN_HEIGHT=768 \
        LC_ALL=C.UTF-8 PATH="$work/bin:$PATH" --
    find_window '^Time-table$'
    main="$window"
    xdotool windowfocus --sync "$main"
    xdotool key alt+f
    wait_for 20 menu_is_open || fail "Alt+F opened no menu"
    xdotool key n
    find_dialog 'Create new user'
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    xdotool type --delay 40 "Pupil"
    xdotool key Tab
    xdotool type --delay 40 "5A"
    xdotool key Return
    find_window '^Pupil\.dfd$'
    folder="$share/Skemora"
    wait_for 20 test -f "$folder/Pupil/fratil.dfd" || fail "no Pupil/fratil.dfd in $folder"
    [ "$(wc -l <"$folder/Pupil.dfd")" -eq 186 ] || fail "Pupil.dfd is not 186 lines"
    [ "$(sed -n 186p "$folder/Pupil.dfd" | tr -d '\r')" = "5A" ] || fail "Pupil.dfd: wrong class"
    [ ! -e "$(dirname "$binary")/Pupil.dfd" ] || fail "the installed copy wrote its own folder"
    xdotool windowfocus --sync "$window"
    xdotool key F1
    wait_for 20 test -s "$work/opened" || fail "F1 in the installed program opened nothing"
    grep -q '^file:///usr/share/skemora/help/en/index.html#topic-' "$work/opened" ||
        fail "F1 in the installed program opened $(cat "$work/opened"), not the installed guide"
    screenshot installed || true
    window="$main"
    close_and_wait
    echo "The installed program created Pupil in $folder"
    exit 0
fi

build="$(realpath "${1:-${SKEMORA_BUILD_DIR:-build}}")"
root="$(cd "$here/../.." && pwd)"
id="io.github.skemora.Skemora"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
# Runs a step quietly, showing its output only when it fails.
quietly() {
    "$@" >"$log" 2>&1 || { cat "$log" >&2; fail "$*"; }
}

for tool in desktop-file-validate appstreamcli dpkg-shlibdeps cpack apt-get lintian; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (bash scripts/setup installs it)"
done

echo "Validating the desktop entry and the metainfo"
desktop-file-validate "$root/dist/$id.desktop"
appstreamcli validate --no-net "$root/dist/$id.metainfo.xml" >"$log" 2>&1 ||
    { cat "$log" >&2; fail "appstreamcli validate"; }

echo "Building the package"
quietly cmake --build "$build" --target skemora trayrun -j"$(nproc)"
rm -f "$build"/skemora_*.deb
(cd "$build" && quietly cpack -G DEB)
deb="$(ls "$build"/skemora_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Package $(basename "$deb"), depending on: $depends"
[[ "$depends" == *libqt6widgets6* ]] || fail "the package does not declare Qt 6 Widgets"
contents="$(dpkg-deb -c "$deb")"
for wanted in ./usr/share/man/man1/skemora.1.gz ./usr/share/skemora/help/en/index.html \
    ./usr/share/skemora/help/da/index.html ./usr/share/doc/skemora/copyright; do
    grep -q " $wanted\$" <<<"$contents" || fail "the package does not hold $wanted"
done
# An error or a warning fails (a binary without a manual page is one); info tags are shown.
echo "Checking the package with lintian"
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian found errors or warnings in the package"

if dpkg-query -W -f='${Status}' skemora 2>/dev/null | grep -q "install ok installed"; then
    fail "skemora is installed already; remove it first"
fi
echo "Installing the package"
quietly $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"
removed=0
remove() {
    [ "$removed" -eq 0 ] || return 0
    removed=1
    quietly $sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y skemora
}
trap 'remove || true; rm -f "$log"' EXIT
mapfile -t files < <(dpkg-query -L skemora | while read -r f; do [ -f "$f" ] && echo "$f"; done)
for wanted in /usr/bin/skemora /usr/bin/trayrun "/usr/share/applications/$id.desktop" \
    "/usr/share/metainfo/$id.metainfo.xml" "/usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "/usr/share/icons/hicolor/48x48/apps/$id.png" /usr/share/man/man1/skemora.1.gz; do
    [ -f "$wanted" ] || fail "the package did not install $wanted"
done
desktop-file-validate "/usr/share/applications/$id.desktop"
man -w skemora >/dev/null || fail "man skemora finds no manual page"
appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml" >"$log" 2>&1 ||
    { cat "$log" >&2; fail "appstreamcli validate of the installed metainfo"; }

echo "Starting the installed program"
bash "$0" --run /usr/bin/skemora

echo "Removing the package"
remove
for file in "${files[@]}"; do
    [ ! -e "$file" ] || fail "$file is still there after the package was removed"
done
! dpkg-query -W -f='${Status}' skemora 2>/dev/null | grep -q "install ok installed" ||
    fail "skemora is still installed"
echo "The package installed, ran and was removed cleanly (${#files[@]} files)"
