#!/usr/bin/env bash
# Builds the Debian package from an already built tree, unpacks it into a temporary root and
# uses what it holds as an installed copy would be used, with no way into the build tree.
#   package_test.sh CPACK BUILD_DIR SOURCE_DIR VERSION with-app|without-app
set -euo pipefail
cpack=$1 build=$2 source=$3 version=$4 app=$5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_contains() { # WHAT TEXT NEEDLE
    [[ $2 == *"$3"* ]] || fail "$1: expected to contain «$3», got: $2"
}

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; exit 1; }
deb="$work/out/zelvane_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$work/out" >&2; echo "FAIL: no $deb" >&2; exit 1; }

# Depends: the linked libraries found by shlibdeps and the packages used without linking.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libc6 libstdc++6 libicu72 libgmp10 libcurl4 ca-certificates \
    fonts-noto-color-emoji qml6-module-qtquick-controls; do
    expect_contains Depends "$depends" "$needed"
done
[ "$(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)" = "zelvane $version" ] ||
    fail "package name and version"

root="$work/root"
dpkg-deb -x "$deb" "$root"
usr="$root/usr"

# Run as a user would: a clean environment, no override of the unit data's location, and
# (under strace, when present) no file of the source or build tree opened.
installed() {
    local tracer=()
    command -v strace >/dev/null && tracer=(strace -f -e trace=%file -o "$work/trace")
    env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
        XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 "${tracer[@]}" "$@"
    if [ ${#tracer[@]} -gt 0 ] && grep -F "$source" "$work/trace" | grep -v 'execve(' >&2; then
        fail "$(basename "$1") opened files of the source or build tree"
    fi
}
mkdir -m 0700 "$work/runtime"

expect_contains "zelvane-cli convert" "$(installed "$usr/bin/zelvane-cli" convert '5 km to mi')" \
    "→ 3.107 mi"
expect_contains "zelvane-cli format" "$(installed "$usr/bin/zelvane-cli" format -- -0.5)" "-0.5"
[ "$(installed "$usr/bin/zelvane-cli" --version)" = "zelvane-cli $version" ] || fail "cli version"
if [ "$app" = with-app ]; then
    # No display: --version must not need one.
    [ "$(installed "$usr/bin/zelvane" --version)" = "zelvane $version" ] || fail "zelvane --version"
fi

desktop-file-validate "$usr/share/applications/zelvane.desktop" || fail "desktop entry"
# zelvane: links open in the panel's import preview.
grep -q '^MimeType=x-scheme-handler/zelvane;$' "$usr/share/applications/zelvane.desktop" &&
    grep -q '^Exec=zelvane %u$' "$usr/share/applications/zelvane.desktop" || fail "link handler"
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml >"$work/appstream" ||
    { cat "$work/appstream" >&2; fail "AppStream metadata"; }
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256 scalable; do
    ls "$usr/share/icons/hicolor/$size/apps/zelvane".* >/dev/null 2>&1 || fail "icon $size"
done

# The completions and the manual know every command the program lists.
commands=$(installed "$usr/bin/zelvane-cli" --help | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "no commands in zelvane-cli --help"
completion=$(bash -c 'source "$1"; COMP_WORDS=(zelvane-cli ""); COMP_CWORD=1; _zelvane_cli
                      echo "${COMPREPLY[*]}"; COMP_WORDS=(zelvane-cli format --d); COMP_CWORD=2
                      _zelvane_cli; echo "${COMPREPLY[*]}"' _ \
    "$usr/share/bash-completion/completions/zelvane-cli")
expect_contains "bash completion of format --d" "$completion" "--digits"
for command in $commands; do
    expect_contains "bash completion" "$completion" " $command"
    grep -q "^complete -c zelvane-cli .* -a $command " \
        "$usr/share/fish/vendor_completions.d/zelvane-cli.fish" || fail "fish lacks $command"
    grep -q "'$command:" "$usr/share/zsh/vendor-completions/_zelvane-cli" || fail "zsh lacks $command"
    grep -Eq "^\.B[IR]? \"?$command[\" ]" "$usr/share/man/man1/zelvane-cli.1" ||
        fail "zelvane-cli.1 lacks $command"
done
[ -f "$usr/share/man/man1/zelvane.1" ] || fail "no zelvane.1"

# The desktop's launchers find the panel's D-Bus service, and the bus starts the installed copy.
service=$(cat "$usr/share/dbus-1/services/org.zelvane.Zelvane.service" 2>/dev/null || true)
expect_contains "D-Bus service" "$service" "Exec=/usr/bin/zelvane --background"
expect_contains "KRunner runner" "$(cat "$usr/share/krunner/dbusplugins/zelvane.desktop")" \
    "X-Plasma-DBusRunner-Service=org.zelvane.Zelvane"
provider=$(cat "$usr/share/gnome-shell/search-providers/org.zelvane.Zelvane.search-provider.ini")
expect_contains "GNOME search provider" "$provider" "DesktopId=zelvane.desktop"

[ $failures -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "package $(basename "$deb") installs and runs"
