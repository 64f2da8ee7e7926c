#!/usr/bin/env bash
# Wall time from starting the program to its first shown window (the station
# window of the start-up sequence), on a virtual X server with a full log. Each
# run starts in a fresh working directory holding only the log.
#
# Only the processes started here are signalled, by their PIDs; every wait has a
# deadline, and a window that never appears fails the script.
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
program=$build/quorvane-log
name=startup.sh
source "$(dirname "$0")/xvfb-session.sh"

[ -x "$program" ] || fail "$program is not built"
start_xvfb

for run in 1 2 3; do
    work=$dir/run$run
    mkdir "$work"
    "$build/bench/make_sample_log" "$work"
    start=$(date +%s%N)
    (cd "$work" && exec "$program") >/dev/null 2>&1 &
    app=$!
    watched=$app
    pids=("$app" "${pids[@]}")
    wait_for "station window in run $run" xdotool search --onlyvisible --name "Amateur Station"
    end=$(date +%s%N)
    watched=
    stop "$app"
    echo "Start-up to the first window, run $run: $(((end - start) / 1000000)) ms"
done
