#!/usr/bin/env bash
# The panel as a whole process inside a private desktop (scripts/desktop-session.sh): cold start
# of `zelvane --show` to a visible window, a show with the panel already running (by a second
# launch and by the hot key), resident memory of the hidden panel after one show, and its growth
# over show/hide cycles through the socket.
# "Visible" is the moment the window is mapped as xdotool sees it, polled every few ms; the
# software renderer draws the first frame right after mapping.
# Usage: bench/panel.sh [BIN_DIR] [RUNS] [CYCLES]   (default build/bench/bin, 11, 1000)
set -euo pipefail
if [[ -z ${ZELVANE_IN_SESSION:-} ]]; then
    ZELVANE_IN_SESSION=1 exec bash "$(dirname "$0")/../scripts/desktop-session.sh" --tray \
        bash "$0" "$@"
fi
bin=$(realpath "${1:-build/bench/bin}")
runs=${2:-11}
cycles=${3:-1000}
app="$bin/zelvane"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now_ms() { date +%s%3N; }
# The panel among the app's visible windows: the tray icon is one too, but small.
visible() {
    local window
    for window in $(xdotool search --onlyvisible --class zelvane 2>/dev/null); do
        [[ $(xdotool getwindowgeometry --shell "$window") =~ WIDTH=([0-9]+) ]] &&
            ((BASH_REMATCH[1] >= 200)) && return 0
    done
    return 1
}
wait_visible() { until visible; do :; done; }
wait_hidden() { while visible; do :; done; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
rss_mb() { awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
fresh_home() {
    export XDG_CONFIG_HOME="$work/config-$1"
    mkdir -p "$XDG_CONFIG_HOME/zelvane"
    # Past the first launch: what a user's ordinary start meets.
    echo '{"mac.hasLaunched":true}' >"$XDG_CONFIG_HOME/zelvane/settings.json"
}

cold=() hot=() hotkey=()
for ((run = 0; run < runs; run++)); do
    fresh_home "$run"
    start=$(now_ms)
    "$app" --show 2>/dev/null &
    pid=$!
    wait_visible
    cold+=($(($(now_ms) - start)))
    "$app" --hide
    wait_hidden
    start=$(now_ms)
    "$app" --show
    wait_visible
    hot+=($(($(now_ms) - start)))
    "$app" --hide
    wait_hidden
    start=$(now_ms)
    xdotool key alt+super+u
    wait_visible
    hotkey+=($(($(now_ms) - start)))
    "$app" --quit
    wait "$pid" || true
done
echo "cold start to visible (median of $runs): $(printf '%s\n' "${cold[@]}" | median) ms"
echo "show with the panel running, second launch (median of $runs): $(printf '%s\n' "${hot[@]}" | median) ms"
echo "show with the panel running, hot key (median of $runs): $(printf '%s\n' "${hotkey[@]}" | median) ms"

fresh_home rss
"$app" --show 2>/dev/null &
pid=$!
wait_visible
"$app" --hide
wait_hidden
sleep 2
before=$(rss_mb "$pid")
echo "resident memory, hidden after one show: $before MB"
for ((cycle = 0; cycle < cycles; cycle++)); do
    "$app" --show
    "$app" --hide
done
sleep 2
after=$(rss_mb "$pid")
echo "resident memory after $cycles show/hide cycles: $after MB" \
    "(+$(awk "BEGIN { printf \"%.1f\", $after - $before }") MB)"
"$app" --quit
wait "$pid" || true
