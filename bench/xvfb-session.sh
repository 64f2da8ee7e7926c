# Shared by the scripts that drive the real program on a virtual X server (the
# benchmarks and the screen-reader test): bounded waits, stopping a process by
# its PID, and an Xvfb of their own.
# Source it after setting `name` (for messages); it sets `dir` (a temporary
# folder, removed at the end) and stops every PID listed in `pids` on exit.
# `watched`, when set, is a process whose end makes every wait fail at once.

limit=${QV_BENCH_WAIT:-30} # seconds for each wait
dir=$(mktemp -d)
pids=()
watched=

fail() {
    echo "$name: $*" >&2
    exit 1
}

# Runs the command until it succeeds; fails after $limit seconds.
wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        if [ -n "$watched" ] && ! kill -0 "$watched" 2>/dev/null; then
            fail "the program ended while waiting for $what"
        fi
        [ "$SECONDS" -lt "$deadline" ] || fail "no $what after ${limit} s"
        sleep 0.01
    done
}

# SIGTERM, up to 10 s to end, then SIGKILL.
stop() {
    local pid=$1
    kill -TERM "$pid" 2>/dev/null || return 0
    local deadline=$((SECONDS + 10))
    while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "$name: process $pid ignored SIGTERM for 10 s; killing it" >&2
        kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        [ -n "$pid" ] && stop "$pid"
    done
    rm -rf "$dir"
}
trap cleanup EXIT

# Starts an X server on a free display (Xvfb picks it) and exports DISPLAY.
start_xvfb() {
    # -noreset: a program that connects while the server resets after its last
    # client left would fail to open the display.
    Xvfb -displayfd 3 -noreset -screen 0 1400x900x24 3>"$dir/display" >/dev/null 2>&1 &
    pids+=($!)
    wait_for "display from Xvfb" test -s "$dir/display"
    export DISPLAY=:$(head -n1 "$dir/display")
    wait_for "answer from the X server $DISPLAY" xdpyinfo
}
