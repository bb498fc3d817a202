#!/usr/bin/env bash
# Whole `zelvane-cli` processes against GNU units in the same run: time (hyperfine, paired) and
# peak resident memory, with no settings file and with stored preferences.
# Usage: bench/whole-commands.sh [BIN_DIR]   (default build/bench/bin, the bench preset's)
set -euo pipefail
bin=${1:-build/bench/bin}
cli="$bin/zelvane-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/empty" "$work/stored"
XDG_CONFIG_HOME="$work/stored" "$cli" defaults write preferences '{"significantDigits":5}'

for home in empty stored; do
    echo "== settings: $home"
    XDG_CONFIG_HOME="$work/$home" hyperfine -N -w 10 -r 100 \
        "$cli convert '5 km to mi'" "units -t '5 km' mi"
    for command in "$cli convert '5 km to mi'" "units -t '5 km' mi"; do
        XDG_CONFIG_HOME="$work/$home" /usr/bin/time -f "peak memory %M KB: $command" \
            sh -c "exec $command" >/dev/null
    done
done
