#!/usr/bin/env bash
# Runs each fuzz target for the given number of seconds on a scratch copy of its
# seed corpus; a crash or sanitizer report fails the run.
set -euo pipefail
build=${1:?build directory}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$here"/corpus/* "$scratch"/
"$build/fuzz/log_fuzz" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
    -artifact_prefix="$build/fuzz/" -print_final_stats=1 "$scratch" 2>&1 | tail -n 12
