#!/usr/bin/env bash
# Wall time from starting the program to its first shown window (the station
# window of the start-up sequence), on a virtual X server with a full log.
set -euo pipefail
build=${1:?build directory}
dir=$(mktemp -d)
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1400x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$dir"' EXIT
"$build/bench/make_sample_log" "$dir"
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
for run in 1 2 3; do
    start=$(date +%s%N)
    (cd "$dir" && exec "$OLDPWD/$build/quorvane-log") >/dev/null 2>&1 &
    app=$!
    until xdotool search --onlyvisible --name "Amateur Station" >/dev/null 2>&1; do sleep 0.01; done
    end=$(date +%s%N)
    kill $app 2>/dev/null || true
    wait $app 2>/dev/null || true
    ms=$(((end - start) / 1000000))
    echo "Start-up to the first window, run $run: ${ms} ms"
done
