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
    locales
    # The panel: Qt Quick and its QML modules, widgets for the tray menu, translations, SVG
    # icons, X11 key grabs, colour emoji, CJK and Thai fonts (without them the pages in those
    # languages, their screenshots and their layout test show empty boxes).
    qt6-declarative-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev libxcb1-dev
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-controls
    qml6-module-qtquick-layouts qml6-module-qtquick-templates qml6-module-qtqml-workerscript
    qml6-module-qtquick-shapes fonts-noto-color-emoji fonts-noto-cjk fonts-thai-tlwg
    # The panel's end-to-end tests and screenshots: a virtual X server, a window manager, a tray
    # host, a session bus, key and clipboard tools, a screen grabber and xprop.
    xvfb openbox trayer dbus xdotool xclip imagemagick x11-utils
    # The same panel as a native client of a real Wayland compositor drawn into that X server, and
    # as an X11 client of its XWayland.
    weston xwayland qt6-wayland wl-clipboard
    # The accessibility end-to-end test operates the panel as a screen reader does, over the
    # AT-SPI bus: its bus launcher and registry, started on demand by the session bus.
    at-spi2-core
    # Packaging and its test: the Debian package tools, desktop entry and AppStream validators.
    dpkg-dev file desktop-file-utils appstream strace
    # The launcher search's tests call the panel over D-Bus as the desktop's launchers do.
    libglib2.0-bin
    # GNOME's custom keybindings schema: the shortcut's fallback on GNOME without a portal is
    # written there, and its test writes it to a private key file.
    gnome-settings-daemon-common
)

# Locales whose decimal separator is a comma: the tests prove that no result depends on the
# process locale by running under them.
test_locales=(de_DE.UTF-8 fr_FR.UTF-8)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# `locale -a` spells them in lower case without the hyphen: de_DE.utf8.
missing_locales=()
if command -v locale >/dev/null; then
    available=$(locale -a 2>/dev/null)
    for l in "${test_locales[@]}"; do
        spelled="${l%%.*}.utf8"
        grep -qx "$spelled" <<<"$available" || missing_locales+=("$l")
    done
else
    missing_locales=("${test_locales[@]}")
fi
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo=(sudo -n)
else
    echo "install-deps: cannot install ${missing[*]} ${missing_locales[*]}:" \
        "run as root or with passwordless sudo" >&2
    exit 1
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ ${#missing_locales[@]} -gt 0 ]; then
    echo "install-deps: generating ${missing_locales[*]}"
    for l in "${missing_locales[@]}"; do
        # Uncomment the line Debian ships, or add it when there is none.
        if grep -qE "^# *$l UTF-8\$" /etc/locale.gen; then
            "${sudo[@]}" sed -i -E "s/^# *($l UTF-8)\$/\1/" /etc/locale.gen
        elif ! grep -qE "^$l UTF-8\$" /etc/locale.gen; then
            echo "$l UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
        fi
    done
    "${sudo[@]}" locale-gen >/dev/null
fi
