#!/usr/bin/env bash
# The spoken status line, heard the way a screen reader hears it: the real
# program on a virtual X server, on a private D-Bus session with the AT-SPI bus,
# and a listener on that bus. A duplicate and an invalid section must each
# arrive there as a notification carrying the status line's words.
#
# Only the processes started here are signalled, by their PIDs; every wait has a
# deadline.
set -euo pipefail
program=$(cd "$(dirname "${1:?program}")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${QV_INSIDE_SESSION:-}" ]; then
    QV_INSIDE_SESSION=1 exec dbus-run-session -- bash "$0" "$program"
fi

name=announce.sh
source "$here/../../../bench/xvfb-session.sh"
python=/usr/bin/python3 # the system's, which has the AT-SPI bindings
heard=$dir/heard.txt

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
"$python" -u "$here/listen.py" >"$heard" 2>"$dir/listen.err" &
pids+=($!)
wait_for "listener on the AT-SPI bus" grep -q READY "$heard"
start_xvfb

work=$dir/work
mkdir "$work"
printf '"K2XYZ","M","Bob","","NY","2026/12/10","15:34:48","PH","40",10,""\r\n' >"$work/log.txt"
(cd "$work" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$program") >"$dir/program.out" 2>&1 &
app=$!
pids=("$app" "${pids[@]}")
watched=$app

focus() { # focuses the window whose title holds $1
    wait_for "window \"$1\"" xdotool search --onlyvisible --name "$1"
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "$1" | head -n1)"
}
heard() { grep -qF "NOTIFICATION $1" "$heard"; }

focus "Amateur Station"
xdotool key Escape # the close box: the station as it was
focus "Open existing log"
xdotool key Return # Yes
focus "Quorvane Log"
wait_for "the Log \"Time On\" button" "$python" "$here/listen.py" press quorvane-log 'Log "Time On"'
wait_for "the time on" "$python" "$here/listen.py" find quorvane-log 'Log "Time Off"'

xdotool type --delay 20 "K2XYZ "
wait_for "spoken duplicate" heard "Duplicate K2XYZ 2026/12/10 15:34:48  Rec#  1"

sleep 3.2 # a duplicate holds the keys for three seconds
xdotool key Escape
xdotool type --delay 20 "W9NEW ZZ"
xdotool key Return
wait_for "spoken invalid section" heard "Invald Section!"
echo "heard:"; sed "s/^/  /" "$heard"
