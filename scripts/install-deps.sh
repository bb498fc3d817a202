#!/usr/bin/env bash
# Installs the Debian packages that building, testing and benchmarking need.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config
    clang libclang-rt-14-dev clang-format
    libicu-dev nlohmann-json3-dev libcurl4-openssl-dev libgmp-dev
    qt6-base-dev
    qt6-tools-dev qt6-l10n-tools
    libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
    hyperfine units time
    qt6-svg-dev dpkg-dev file desktop-file-utils appstream strace
    # The panel's screenshots: a virtual X server, a window finder and a screen grabber.
    xvfb xdotool imagemagick
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
