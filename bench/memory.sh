#!/usr/bin/env bash
# Peak memory of the program with a full 11000-contact log loaded, measured with
# /usr/bin/time on a virtual X server: the start-up boxes are answered from the
# keyboard (Done in the station window, Yes to "Open existing log?"), then the
# program runs a few seconds with the log loaded and is stopped.
set -euo pipefail
build=${1:?build directory}
dir=$(mktemp -d)
display=:$((80 + RANDOM % 9))
Xvfb "$display" -screen 0 1400x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$dir"' EXIT
"$build/bench/make_sample_log" "$dir"
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
(cd "$dir" && exec /usr/bin/time -v -o "$dir/time.txt" "$OLDPWD/$build/quorvane-log") \
    >/dev/null 2>&1 &
runner=$!
until xdotool search --onlyvisible --name "Amateur Station" >/dev/null 2>&1; do sleep 0.05; done
sleep 0.5
xdotool key Return
until xdotool search --onlyvisible --name "Open existing log" >/dev/null 2>&1; do sleep 0.05; done
sleep 0.5
xdotool key Return
sleep 3
loaded=$(xdotool search --onlyvisible --name "Quorvane Log 1.5" | wc -l)
pkill -TERM -x quorvane-log || true
wait $runner 2>/dev/null || true
kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$dir/time.txt")
echo "Peak memory with 11000 contacts loaded: $((kb / 1024)) MB (${kb} kB; main window shown: $loaded)"
