#!/usr/bin/env bash
# Installs the Debian packages that building, testing and benchmarking need.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config
    clang libclang-rt-14-dev clang-format
    libicu-dev nlohmann-json3-dev libcurl4-openssl-dev libgmp-dev
    qt6-base-dev
    libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
    hyperfine units time
    # The panel: Qt Quick and its QML modules, widgets for the tray menu, translations, SVG
    # icons, X11 key grabs, colour emoji and CJK fonts.
    qt6-declarative-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev libxcb1-dev
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-controls
    qml6-module-qtquick-layouts qml6-module-qtquick-templates qml6-module-qtqml-workerscript
    qml6-module-qtquick-shapes fonts-noto-color-emoji fonts-noto-cjk
    # The panel's end-to-end tests and screenshots: a virtual X server, a window manager, a tray
    # host, a session bus, key and clipboard tools, a screen grabber and xprop.
    xvfb openbox trayer dbus xdotool xclip imagemagick x11-utils
    # Packaging and its test: the Debian package tools, desktop entry and AppStream validators.
    dpkg-dev file desktop-file-utils appstream strace
    # The launcher search's tests call the panel over D-Bus as the desktop's launchers do.
    libglib2.0-bin
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo=(sudo -n)
else
    echo "install-deps: cannot install ${missing[*]}: run as root or with passwordless sudo" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
