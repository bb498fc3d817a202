#!/usr/bin/env bash
# The panel as a native Wayland client of weston: it starts without a Qt warning, opens on
# --show, reads a typed phrase and copies its result on Return, and says that the shortcut is
# not active where no portal binds it.
#   wayland_session_test.sh ZELVANE   (inside scripts/desktop-session.sh --wayland)
set -euo pipefail
app=$1
[[ -n ${WAYLAND_DISPLAY:-} ]] || { echo "no Wayland compositor here" >&2; exit 1; }
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=wayland

"$app" --show 2>"$work/stderr" &
pid=$!
for _ in $(seq 100); do
    [[ -S $XDG_RUNTIME_DIR/zelvane.socket ]] && break
    sleep 0.1
done
sleep 1 # the first frame
xdotool type --delay 40 "5 km to m"
xdotool key Return
copied=""
for _ in $(seq 30); do
    copied=$(timeout 2 wl-paste --no-newline 2>/dev/null || true)
    [[ $copied == "5,000 m" ]] && break
    sleep 0.1
done
"$app" --quit
wait "$pid"

fail() { echo "FAIL: $*" >&2; cat "$work/stderr" >&2; exit 1; }
[[ $copied == "5,000 m" ]] || fail "Return copied '$copied', not '5,000 m'"
grep -q "no global shortcuts portal" "$work/stderr" || fail "the missing shortcut went unsaid"
! grep -E "^(qt\.|QObject|QML|qrc:)" "$work/stderr" || fail "Qt warned at start"
echo "ok"
