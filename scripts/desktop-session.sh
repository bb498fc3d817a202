#!/usr/bin/env bash
# Runs a command inside a private desktop: a virtual X server on a free display, the openbox
# window manager, a tray host (trayer) with --tray, a session bus, and a private 0700
# XDG_RUNTIME_DIR. Waits until each is up, stops them all afterwards, and exits with the
# command's status. With --wayland, the weston compositor runs in a window of the X server
# (so it has a seat and takes xdotool's keys) and WAYLAND_DISPLAY names it; XWAYLAND_DISPLAY
# names its X server for X11 clients of that session. The session bus
# starts the accessibility bus (at-spi2-core) when a program first asks for it.
#   scripts/desktop-session.sh [--tray] [--wayland] [--size WxH] CMD...
set -euo pipefail

tray=false
wayland=false
size=1600x1000
while [[ $# -gt 0 ]]; do
    case $1 in
    --tray) tray=true; shift ;;
    --wayland) wayland=true; shift ;;
    --size) size=$2; shift 2 ;;
    *) break ;;
    esac
done
[[ $# -gt 0 ]] || { echo "usage: $0 [--tray] [--wayland] [--size WxH] CMD..." >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zelvane-session-XXXXXX")
pids=()
cleanup() {
    local index
    for ((index = ${#pids[@]} - 1; index >= 0; index--)); do
        kill "${pids[index]}" 2>/dev/null || true
        wait "${pids[index]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to fifteen seconds for a check to pass (a loaded machine starts things slowly).
await() {
    local what=$1
    shift
    for _ in $(seq 300); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "desktop-session: $what did not come up" >&2
    exit 1
}

export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Xvfb picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
await "Xvfb" test -s "$work/display"
export DISPLAY=:$(head -n1 "$work/display")
unset WAYLAND_DISPLAY

if command -v dbus-daemon >/dev/null; then
    dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$work/bus" \
        2>"$work/dbus.log" &
    pids+=($!)
    await "the session bus" test -s "$work/bus"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
fi

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
await "openbox" xprop -root _NET_SUPPORTING_WM_CHECK -notype

if $tray; then
    trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
        --transparent false >"$work/trayer.log" 2>&1 &
    pids+=($!)
    await "trayer" xdotool search --classname trayer
fi

if $wayland; then
    # No on-screen keyboard over the clients: the keys come from xdotool.
    printf '[input-method]\npath=/bin/true\n' >"$work/weston.ini"
    weston --config="$work/weston.ini" --backend=x11-backend.so --socket=wayland-zelvane \
        --xwayland --width="${size%x*}" --height="${size#*x}" >"$work/weston.log" 2>&1 &
    pids+=($!)
    await "weston" test -S "$XDG_RUNTIME_DIR/wayland-zelvane"
    await "Xwayland" grep -q "xserver listening on display" "$work/weston.log"
    export WAYLAND_DISPLAY=wayland-zelvane
    # X11 clients of the Wayland session (XWayland) connect here; DISPLAY stays the X server.
    XWAYLAND_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
    export XWAYLAND_DISPLAY
fi

status=0
"$@" || status=$?
exit $status
