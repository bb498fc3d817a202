#!/usr/bin/env bash
# The panel answers the desktop's launchers on a session bus of its own: the bus starts it in the
# background through its service file, as KRunner or GNOME Shell would, and gdbus asks it.
#   launcher_session_test.sh ZELVANE SERVICE_TEMPLATE
set -euo pipefail

if [ "${1-}" != --inside ]; then
    app=$1 template=$2
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
    export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen
    unset DISPLAY WAYLAND_DISPLAY
    mkdir -p "$HOME" "$XDG_DATA_HOME/dbus-1/services"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
    sed "s|@ZELVANE_EXEC@|$app|" "$template" \
        >"$XDG_DATA_HOME/dbus-1/services/org.zelvane.Zelvane.service"
    dbus-run-session -- bash "$0" --inside "$app"
    exit
fi
app=$2

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_contains() { # WHAT TEXT NEEDLE
    [[ $2 == *"$3"* ]] || fail "$1: expected to contain «$3», got: $2"
}
call() { # PATH METHOD ARGUMENTS...
    local path=$1 method=$2
    shift 2
    gdbus call --session --timeout 20 --dest org.zelvane.Zelvane --object-path "$path" \
        --method "$method" "$@"
}
owner() { # the process that holds the bus name
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.GetConnectionUnixProcessID org.zelvane.Zelvane \
        2>/dev/null | sed -n 's/^(uint32 \([0-9]*\),)$/\1/p'
}
stop() {
    local pid
    pid=$(owner) && [ -n "$pid" ] || return 0
    "$app" --quit || kill "$pid"
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
    kill "$pid"
}
early=""
trap 'stop; [ -z "$early" ] || kill "$early" 2>/dev/null || true' EXIT

# The first call starts the panel. What the answers hold is LauncherService's test; here that
# they reach a launcher, empty ones too.
expect_contains "KRunner match" "$(call /krunner org.kde.krunner1.Match '5 km to mi')" \
    "'3.107 mi', 'zelvane', 100"
ids=$(call /SearchProvider org.gnome.Shell.SearchProvider2.GetInitialResultSet \
    "['5', 'km', 'to', 'mi']")
expect_contains "GNOME results" "$ids" '["length","km","mi","5"]'

[ "$(call /krunner org.kde.krunner1.Match 'firefox')" = "(@a(sssida{sv}) [],)" ] ||
    fail "a KRunner query that is no conversion"
[ "$(call /krunner org.kde.krunner1.Actions)" = "(@a(sss) [],)" ] || fail "KRunner actions"

# A panel started before the session's bus holds no name on it. The bus then starts a second
# zelvane for the launcher's query, which hands its bus to the running panel and leaves; the
# panel answers.
stop
rm -f "$XDG_RUNTIME_DIR/zelvane.socket"
env -u DBUS_SESSION_BUS_ADDRESS -u DBUS_STARTER_ADDRESS -u DBUS_STARTER_BUS_TYPE \
    "$app" --background &
early=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/zelvane.socket" ] && break; sleep 0.1; done
expect_contains "KRunner match by a panel started without a bus" \
    "$(call /krunner org.kde.krunner1.Match '5 km to mi')" "'3.107 mi', 'zelvane', 100"
[ "$(owner)" = "$early" ] || fail "the bus name is not held by the panel that was running"

[ "$failures" -eq 0 ] || { echo "$failures failures" >&2; exit 1; }
echo "launcher session: all checks passed"
