#!/usr/bin/env bash
# Peak memory of the program with a full 11000-contact log loaded, measured with
# /usr/bin/time on the offscreen platform; the program is stopped after a few seconds.
set -euo pipefail
build=${1:?build directory}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$build/bench/make_sample_log" "$dir"
cd "$dir"
QT_QPA_PLATFORM=offscreen /usr/bin/time -v -o "$dir/time.txt" \
    timeout -s TERM 4 "$OLDPWD/$build/quorvane-log" >/dev/null 2>&1 || true
kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$dir/time.txt")
echo "Peak memory with 11000 contacts loaded: $((kb / 1024)) MB (${kb} kB)"
