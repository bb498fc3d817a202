#!/usr/bin/env bash
# Screenshots of every page of the panel, light and dark, at the medium size, taken from the real
# program under Xvfb: docs/screenshots/<page>-<appearance>.png. Run after `cmake --build --preset dev`.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin=${ZELVANE_BIN_DIR:-$root/build/dev/bin}
out=$root/docs/screenshots
display=${ZELVANE_SCREENSHOT_DISPLAY:-:97}
work=$(mktemp -d)
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

export DISPLAY=$display LC_ALL=C.UTF-8 LANGUAGE=en TZ=UTC
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" "$out"
chmod 700 "$XDG_RUNTIME_DIR"

Xvfb "$display" -screen 0 1200x800x24 -nolisten tcp &
pids+=($!)
sleep 1

# A fresh settings store per shot: English, a fixed region, the chosen appearance, no first-run
# panel of its own.
prepare() {
    export XDG_CONFIG_HOME=$work/config-$1
    rm -rf "$XDG_CONFIG_HOME"
    "$bin/zelvane-cli" defaults write preferences \
        "{\"appearance\":\"$1\",\"languageCode\":\"en\",\"region\":\"unitedStates\",\"hasCompletedOnboarding\":true}"
    "$bin/zelvane-cli" defaults write mac.hasLaunched true
    "$bin/zelvane-cli" defaults write mac.showsInDock true
}

shoot() {
    local page=$1 appearance=$2
    prepare "$appearance"
    "$bin/zelvane" --show "$page" &
    local app=$!
    local window=""
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n1 || true)
        [[ -n $window ]] && break
        sleep 0.1
    done
    if [[ -z $window ]]; then
        echo "no panel window for $page ($appearance)" >&2
        kill "$app"
        return 1
    fi
    sleep 1
    import -window "$window" "$out/$page-$appearance.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
    echo "$out/$page-$appearance.png"
}

for appearance in light dark; do
    for page in converter categories settings formula; do
        shoot "$page" "$appearance"
    done
done
