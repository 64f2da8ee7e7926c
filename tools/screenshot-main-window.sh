#!/usr/bin/env bash
# Takes the screenshot of the main window named by the AppStream metadata,
# packaging/screenshots/main-window.png: the program on a virtual X server, in a
# fresh working directory holding a short log, past the station window and the
# "Open existing log?" question, photographed with ImageMagick's import.
#
#   tools/screenshot-main-window.sh [build folder] [output png]
#
# Needs xvfb, xdotool, x11-utils and imagemagick. Only the processes started here
# are signalled, by their PIDs; every wait has a deadline.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
out=${2:-$here/packaging/screenshots/main-window.png}
program=$build/quorvane-log
name=screenshot-main-window.sh
source "$here/bench/xvfb-session.sh"

[ -x "$program" ] || fail "$program is not built"
for tool in Xvfb xdotool xdpyinfo import convert; do
    command -v "$tool" >/dev/null || fail "$tool is needed (xvfb, xdotool, x11-utils, imagemagick)"
done
start_xvfb

# A few contacts of a contest afternoon, and a home that holds no settings.
work=$dir/work
mkdir -p "$work" "$dir/home"
while IFS='|' read -r call cat opname spc time band points; do
    printf '"%s","%s","%s","","%s","2026/11/21","%s","PH","%s",%s,""\r\n' \
        "$call" "$cat" "$opname" "$spc" "$time" "$band" "$points"
done >"$work/log.txt" <<'LOG'
K2XYZ|M|Bob|NY|15:34:48|40|10
W7YL|Y|Ann|OR|15:38:02|40|2
VE3KID|U|Liam|ON|15:41:55|40|10
N4OM|O|Jim|GA|15:45:10|20|1
KD9ABC|L|Emma|IL|15:47:31|20|10
WB6CLUB|C|Sofia|CA|15:52:40|20|10
K0TX|M|Oliver|TX|15:58:12|20|10
AA1QV|U|Noah|MA|16:03:27|15|10
LOG

(cd "$work" && HOME=$dir/home XDG_CONFIG_HOME=$dir/home/.config QT_QPA_PLATFORM=xcb exec "$program") >"$dir/program.out" 2>&1 &
app=$!
pids=("$app" "${pids[@]}")
watched=$app

focus() { # focuses the window whose title holds $1
    wait_for "window \"$1\"" xdotool search --onlyvisible --name "$1"
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "$1" | head -n1)"
}

focus "Amateur Station"
xdotool type --delay 20 "W1QV"
xdotool key Return # Done
focus "Open existing log"
xdotool key Return # Yes
focus "Quorvane Log"
sleep 1 # the list and the score panel are filled by the first turns of the event loop
window=$(xdotool search --onlyvisible --name "Quorvane Log" | head -n1)
mkdir -p "$(dirname "$out")"
import -window "$window" "$dir/shot.png"
# Without metadata and time stamps, so the committed file changes only with the picture.
convert "$dir/shot.png" -strip "$out"
echo "$out: $(identify -format '%wx%h' "$out")"
