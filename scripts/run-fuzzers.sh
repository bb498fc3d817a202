#!/usr/bin/env bash
# Runs every fuzz target in DIR for SECONDS each, starting from its seed corpus.
set -euo pipefail
dir=$1
seconds=${2:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
for target in "$dir"/*_fuzz; do
    name=$(basename "$target" _fuzz)
    seeds="$root/fuzz/corpus/$name"
    work=$(mktemp -d)
    [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
    echo "fuzz: $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 "$work" 2>&1 | tail -n 12
    rm -rf "$work"
done
