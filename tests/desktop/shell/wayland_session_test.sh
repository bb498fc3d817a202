#!/usr/bin/env bash
# The panel as a native Wayland client of weston: it starts without a Qt warning, opens on
# --show, reads a typed phrase and copies its result on Return, says that the shortcut is not
# active where no portal binds it, moves where its strip is dragged without storing a place the
# compositor never told, and --toggle raises it from under another window, then hides it; then
# the same panel through XWayland.
# What weston draws is read from screenshots of its X11 window.
#   wayland_session_test.sh ZELVANE   (inside scripts/desktop-session.sh --wayland)
set -euo pipefail
app=$1
[[ -n ${WAYLAND_DISPLAY:-} ]] || { echo "no Wayland compositor here" >&2; exit 1; }
work=$(mktemp -d) pid="" terminal=""
trap 'kill "$pid" $terminal 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=wayland

fail() { echo "FAIL: $*" >&2; cat "$work/stderr" >&2; exit 1; }
shot() { sleep 1; import -window root "$work/$1.png"; }
# "W H X Y" of where two screenshots differ, weston's top bar and clock left out.
differs() {
    convert "$work/$1.png" "$work/$2.png" -crop "${width}x$((height - 100))+0+60" +repage \
        -compose difference -composite -threshold 10% -trim -format '%w %h %X %Y' info: |
        tr -d +
}
drawn() { differs empty "$1"; }
# Whether at least most of a panel's area changed between two screenshots.
panel_changed() {
    local pixels
    pixels=$(compare -metric AE -fuzz 15% -crop "${width}x$((height - 100))+0+60" \
        "$work/$1.png" "$work/$2.png" null: 2>&1 || true)
    ((pixels > w * h * 4 / 5))
}

# Weston fades in at its start; the pointer waits in the corner, out of what is compared.
sleep 2
read -r width height <<<"$(xdotool getdisplaygeometry)"
park() { xdotool mousemove $((width - 2)) $((height - 2)); }
park
shot empty
"$app" --show 2>"$work/stderr" &
pid=$!
for _ in $(seq 100); do
    [[ -S $XDG_RUNTIME_DIR/zelvane.socket ]] && break
    sleep 0.1
done
# Nothing outside tells when the panel has its first frame and the keyboard: on a loaded
# machine the first keys may come before. So the phrase is typed again into a cleared field
# until Return copies it, a few times at most.
copied=""
for _ in $(seq 5); do
    sleep 1
    xdotool key ctrl+a BackSpace
    xdotool type --delay 40 "5 km to m"
    xdotool key Return
    sleep 0.5
    copied=$(timeout 2 wl-paste --no-newline 2>/dev/null || true)
    [[ $copied == "5,000 m" ]] && break
done
[[ $copied == "5,000 m" ]] || fail "Return copied '$copied', not '5,000 m'"

shot opened
read -r w h x y <<<"$(drawn opened)"
strip_x=$((x + w / 2)) strip_y=$((y + 60 + 14))
xdotool mousemove "$strip_x" "$strip_y" mousedown 1
for step in 1 2 3 4 5 6; do
    xdotool mousemove $((strip_x + 20 * step)) $((strip_y + 12 * step))
    sleep 0.1
done
xdotool mouseup 1
park
shot moved
moved=$(drawn moved)
read -r _ _ moved_x moved_y <<<"$moved"
# The compositor may take the move up a few pixels after the press.
((moved_x - x >= 110 && moved_x - x <= 130 && moved_y - y >= 62 && moved_y - y <= 82)) ||
    fail "dragged by 120, 72 from $x $y, drawn at $moved"
! grep -q '"mac.panelX"' "$XDG_CONFIG_HOME/zelvane/settings.json" || fail "a place was stored"

# A Wayland compositor may place the raised panel anew.
weston-terminal --maximized &
terminal=$!
shot covered
"$app" --toggle
shot raised
panel_changed covered raised || fail "--toggle did not raise the covered panel"
"$app" --toggle
shot hidden
panel_changed raised hidden || fail "--toggle did not hide the active panel"

"$app" --quit
wait "$pid"
grep -q "no global shortcuts portal" "$work/stderr" || fail "the missing shortcut went unsaid"
! grep -E "^(qt\.|QObject|QML|qrc:)" "$work/stderr" || fail "Qt warned at start"

# The same session with the panel an X11 client of XWayland: an X11 grab would work only while
# an X11 window has the focus, so the shortcut is asked of the portal, and its absence said.
DISPLAY=$XWAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$app" --show 2>"$work/stderr" &
pid=$!
for _ in $(seq 50); do
    DISPLAY=$XWAYLAND_DISPLAY xdotool search --onlyvisible --class zelvane >/dev/null && break
    sleep 0.2
done
DISPLAY=$XWAYLAND_DISPLAY xdotool search --onlyvisible --class zelvane >/dev/null ||
    fail "no panel through XWayland"
"$app" --quit
wait "$pid"
grep -q "no global shortcuts portal" "$work/stderr" || fail "XWayland: the shortcut went unsaid"
echo "ok"
