#!/usr/bin/env bash
# Peak memory of the program with a full 11000-contact log loaded, measured with
# /usr/bin/time on a virtual X server: the start-up boxes are answered from the
# keyboard (Done in the station window, Yes to "Open existing log?"), then the
# program runs a few seconds with the log loaded and is stopped.
#
# Only the processes started here are signalled, by their PIDs; every wait has a
# deadline, and a window that never appears fails the script.
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
program=$build/quorvane-log
name=memory.sh
source "$(dirname "$0")/xvfb-session.sh"

[ -x "$program" ] || fail "$program is not built"
"$build/bench/make_sample_log" "$dir"
start_xvfb

(cd "$dir" && exec /usr/bin/time -v -o "$dir/time.txt" "$program") >/dev/null 2>&1 &
timer=$!
watched=$timer
# The program is the child of time; it is the process to stop, so that time
# lives on to write its report. time ends by itself once the program has.
wait_for "program started under time" pgrep -P "$timer"
app=$(pgrep -P "$timer")
pids=("$app" "$timer" "${pids[@]}")

wait_for "station window" xdotool search --onlyvisible --name "Amateur Station"
sleep 0.5
xdotool key Return
wait_for "\"Open existing log?\" box" xdotool search --onlyvisible --name "Open existing log"
sleep 0.5
xdotool key Return
wait_for "main window (the log did not load)" xdotool search --onlyvisible --name "Quorvane Log 1.5"
sleep 3

watched=
stop "$app"
deadline=$((SECONDS + limit))
while kill -0 "$timer" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "/usr/bin/time did not end after the program"
    sleep 0.1
done
wait "$timer" 2>/dev/null || true
kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$dir/time.txt")
[ -n "$kb" ] || fail "/usr/bin/time wrote no peak memory: $(cat "$dir/time.txt")"
echo "Peak memory with 11000 contacts loaded: $((kb / 1024)) MB (${kb} kB)"
