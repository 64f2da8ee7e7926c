#!/usr/bin/env bash
# Runs each fuzz target on a scratch copy of its seed corpus; a crash or sanitizer
# report fails the run. The given seconds are shared equally between the targets,
# so adding a target keeps the total time.
set -euo pipefail
build=${1:?build directory}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
targets=(log_fuzz:corpus rig_fuzz:corpus-rig spots_fuzz:corpus-spots agw_fuzz:corpus-agw
    rigctld_fuzz:corpus-rigctld scp_fuzz:corpus-scp winkeyer_fuzz:corpus-winkeyer)
share=$((seconds / ${#targets[@]}))
if ((share < 1)); then
    share=1
fi
for target in "${targets[@]}"; do
    name=${target%%:*}
    seeds=${target#*:}
    mkdir "$scratch/$name"
    cp "$here/$seeds"/* "$scratch/$name"/
    echo "== $name (${share} s)"
    "$build/fuzz/$name" -max_total_time="$share" -timeout=5 -rss_limit_mb=2048 \
        -artifact_prefix="$build/fuzz/$name-" -print_final_stats=1 "$scratch/$name" 2>&1 | tail -n 12
done
