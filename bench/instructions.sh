#!/usr/bin/env bash
# Instructions the program executes (all its threads, counted by valgrind's
# callgrind) for three things an operator does with a full log, on a virtual X
# server and driven from the keyboard with xdotool:
#
#   - start-up to the main window with 11000 contacts: from the program's start
#     until the main window is shown, the station window and "Open existing log?"
#     answered with Return;
#   - one keystroke that scans the whole log: "Q" typed in the call field with the
#     clock running; no call of the sample log begins with Q, so the partial-
#     duplicate scan reads all 11000 contacts (a K would stop at the first few
#     dozen matches);
#   - logging one contact with 10999 contacts loaded: Return on a complete new
#     contact, in a second run of the program.
#
# Callgrind is asked for a dump (callgrind_control --dump) at the edge of each
# measured stretch; each dump holds the instructions since the previous one. The
# program is never quite idle (the clocks tick every second, the caret blinks),
# so the keystroke and the logged contact are each measured over a fixed window
# and the median of idle windows of the same length is subtracted. The windows
# lie on one schedule of absolute times, so each is as long as it says whatever
# callgrind_control takes to answer.
#
# Windows, in whole seconds (calibrated on a 2-core machine, where callgrind
# runs the program about 50 times slower): QV_KEY_WINDOW (2) holds a keystroke;
# windows of 1, 2 and 3 s gave the same figure within 5%. QV_LOG_WINDOW (4) holds
# a logged contact; 2, 4 and 6 s gave the same figure within 1%, and the new line
# must be in log.txt before the window ends or the script fails. QV_REPEATS (5)
# keystrokes and idle windows of each length are measured and their medians
# taken. QV_BENCH_WAIT (300) bounds every other wait.
#
# The start-up figure includes the second spent in each start-up box before
# Return; a box that waits costs under 0.3 M instructions a second, so the
# pauses add almost nothing. Only the program's own process is counted: a
# helper that a library forks (D-Bus looking for a session bus) writes a
# callgrind file of its own, which is left out.
#
# Only the processes started here are signalled, by their PIDs; every wait has a
# deadline, and a window that never appears fails the script.
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
program=$build/quorvane-log
name=instructions.sh
QV_BENCH_WAIT=${QV_BENCH_WAIT:-300}
source "$(dirname "$0")/xvfb-session.sh"

key_window=${QV_KEY_WINDOW:-2}
log_window=${QV_LOG_WINDOW:-4}
repeats=${QV_REPEATS:-5}
for n in "$key_window" "$log_window" "$repeats"; do
    [[ $n =~ ^[1-9][0-9]*$ ]] || fail "QV_KEY_WINDOW, QV_LOG_WINDOW and QV_REPEATS are whole numbers (seconds, count)"
done

for tool in valgrind callgrind_control xdotool xprop Xvfb; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (Debian: valgrind, xdotool, x11-utils, xvfb)"
done
[ -x "$program" ] || fail "$program is not built"
[ -x "$build/bench/make_sample_log" ] || fail "$build/bench/make_sample_log is not built"

now_ms() { date +%s%3N; }

# Sleeps until the given time (milliseconds since the epoch); at once if it is past.
sleep_until() {
    local left=$(($1 - $(now_ms)))
    if [ "$left" -gt 0 ]; then
        sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
    fi
}

median() {
    printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {
        if (NR % 2) print v[(NR + 1) / 2]; else printf "%d\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

millions() { awk -v n="$1" 'BEGIN {printf "%.1f M", n / 1e6}'; }

app=
work=
parts=0
total=0

# Starts the program under callgrind in the folder $1 (holding its log.txt) and
# answers the start-up boxes; returns once the main window is shown.
start_program() {
    work=$1
    parts=0
    (cd "$work" && exec valgrind --tool=callgrind --callgrind-out-file="$work/cg.%p" \
        --dump-instr=no --collect-atstart=yes "$program") >"$work/valgrind.txt" 2>&1 &
    app=$!
    watched=$app
    pids=("$app" "${pids[@]}")
    wait_for "station window" xdotool search --onlyvisible --name "Amateur Station"
    sleep 1 # the window takes keys once it has the focus
    xdotool key Return
    wait_for "\"Open existing log?\" box" xdotool search --onlyvisible --name "Open existing log"
    sleep 1
    xdotool key Return
    wait_for "main window (the log did not load)" xdotool search --onlyvisible --name "Quorvane Log 1.5"
}

# Dumps the instructions counted since the previous dump; sets `total`. The
# parts of a process are written as cg.<pid>.1, cg.<pid>.2, ...
dump() {
    # callgrind_control exits with 0 also when it found no such process.
    callgrind_control --dump "$app" >"$work/control.txt" 2>&1 || true
    grep -q 'OK' "$work/control.txt" ||
        fail "callgrind_control could not dump process $app: $(cat "$work/control.txt")"
    parts=$((parts + 1))
    local file=$work/cg.$app.$parts
    wait_for "callgrind dump $file" grep -q '^totals:' "$file"
    total=$(awk '/^totals:/ {print $2; exit}' "$file")
}

# Ends the program as File > Exit does and waits for callgrind's last dump.
end_program() {
    watched=
    kill -TERM "$app" 2>/dev/null || true
    local deadline=$((SECONDS + limit))
    while kill -0 "$app" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || fail "the program did not end ${limit} s after SIGTERM"
        sleep 0.2
    done
    wait "$app" 2>/dev/null || true
    local pid rest=()
    for pid in "${pids[@]}"; do
        [ "$pid" = "$app" ] || rest+=("$pid")
    done
    pids=("${rest[@]}")
}

# Measures $2 idle windows of $1 seconds from the time $mark (the previous dump,
# on the schedule); appends the totals to the array named $3 and moves $mark on.
idle_windows() {
    local seconds=$1 count=$2
    local -n out=$3
    local i
    for ((i = 0; i < count; i++)); do
        mark=$((mark + seconds * 1000))
        sleep_until "$mark"
        dump
        out+=("$total")
    done
}

lines() { wc -l <"$work/log.txt"; }

# The X server resets whenever its last client leaves, and a program connecting
# during the reset fails to start; one client kept connected for the whole run
# (xprop watching the root window) prevents the resets.
keep_display() {
    local deadline=$((SECONDS + limit)) keeper
    while :; do
        xprop -root -spy >/dev/null 2>&1 &
        keeper=$!
        pids+=("$keeper")
        sleep 0.5
        kill -0 "$keeper" 2>/dev/null && return 0
        [ "$SECONDS" -lt "$deadline" ] || fail "could not stay connected to the X server $DISPLAY"
    done
}

start_xvfb
keep_display

# Run 1, 11000 contacts: start-up, then keystrokes.
mkdir "$dir/full" "$dir/less"
"$build/bench/make_sample_log" "$dir/full"
[ "$(wc -l <"$dir/full/log.txt")" -eq 11000 ] || fail "make_sample_log did not write 11000 contacts"
head -n 10999 "$dir/full/log.txt" >"$dir/less/log.txt"

begun=$SECONDS
start_program "$dir/full"
dump
startup=$total

sleep 2 # until the window has the focus, or the Alt press is lost and "l" is typed
xdotool key alt+l # Log "Time On" starts the clock; the focus stays in the call field
sleep 3
dump
mark=$(now_ms)
idle=()
keys=()
for ((r = 0; r < repeats; r++)); do
    idle_windows "$key_window" 1 idle
    xdotool key q
    mark=$((mark + key_window * 1000))
    sleep_until "$mark"
    dump
    keys+=("$total")
    xdotool key Escape # empties the call field again (not measured)
    mark=$((mark + key_window * 1000))
    sleep_until "$mark"
    dump
done
idle_key=("${idle[@]}")
key_idle=$(median "${idle_key[@]}")
key=$(($(median "${keys[@]}") - key_idle))
end_program

# Run 2, 10999 contacts: one contact logged.
start_program "$dir/less"
dump
sleep 2
xdotool key alt+l
sleep 3
dump
mark=$(now_ms)
idle=()
idle_windows "$log_window" "$repeats" idle
# A call the sample log cannot hold (its calls have three letters after the
# digit), Ohio, category M, the name Bob.
xdotool key --delay 100 k 9 q v space o h space m space b o b
mark=$((mark + 8000)) # typing, not measured
sleep_until "$mark"
dump
# The window before Return must be as quiet as the others, or the typing was not
# handled yet.
quiet=()
idle_windows "$log_window" 1 quiet
[ "${quiet[0]}" -lt $(($(median "${idle[@]}") * 5 / 4)) ] ||
    fail "the typed contact was still being handled 8 s later (${quiet[0]} instructions in ${log_window} s)"
idle+=("${quiet[0]}")
before=$(lines)
xdotool key Return
mark=$((mark + log_window * 1000))
until [ "$(lines)" -gt "$before" ]; do
    [ "$(now_ms)" -lt "$mark" ] || fail "no new line in log.txt within ${log_window} s (raise QV_LOG_WINDOW)"
    sleep 0.05
done
sleep_until "$mark"
dump
logged=$total
tail -n 1 "$work/log.txt" | grep -q '^"K9QV","M","Bob","[^"]*","OH",' ||
    fail "the contact was not logged as typed: $(tail -n 1 "$work/log.txt")"
idle_windows "$log_window" "$repeats" idle
log_idle=$(median "${idle[@]}")
logging=$((logged - log_idle))
end_program

echo "Start-up to the main window: $(millions "$startup") instructions ($startup)"
echo "One keystroke (whole-log scan): $(millions "$key") instructions ($key)"
echo "Logging one contact: $(millions "$logging") instructions ($logging)"
echo "  keystroke windows of ${key_window} s: ${keys[*]}"
echo "  idle windows of ${key_window} s: ${idle_key[*]} (median $key_idle subtracted)"
echo "  logging window of ${log_window} s: $logged"
echo "  idle windows of ${log_window} s: ${idle[*]} (median $log_idle subtracted)"
echo "  $((SECONDS - begun)) s under callgrind"
