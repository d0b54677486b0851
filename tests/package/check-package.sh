#!/usr/bin/env bash
# Builds the Debian package, lints it, installs it into this machine, runs what it
# installed, then purges it and looks for anything it left behind.
# Usage: check-package.sh SOURCE_DIR. Installing needs root on a throwaway machine.
set -euo pipefail
fail() { echo "check-package: $*" >&2; exit 1; }
[[ $(id -u) -eq 0 ]] || { echo "check-package: skipped: installing the package into the machine needs root"; exit 77; }
cd "$1"
deb=$(scripts/package) || fail "scripts/package failed"
apt=(apt-get -y -q -o DPkg::Lock::Timeout=600)
id=example.parabolic_instruments.Beamwise

lintian --info --pedantic --fail-on error,warning "$deb" || fail "lintian: errors or warnings above"

# The typeface and Qt's X11 plugin are only looked up at run time, so no tool adds
# them to Depends: some package that holds them must be named there by hand.
depends=$(dpkg-deb -f "$deb" Depends | sed 's/([^)]*)//g; s/[,|]/\n/g; s/ //g')
needs() {
    local what=$1; shift
    for file; do grep -qxF "$(dpkg-query -S "$file" | cut -d: -f1)" <<<"$depends" && return; done
    fail "no package in Depends provides $what"
}
face=$(sed -n 's/.*QFont face(QStringLiteral("\([^"]*\)").*/\1/p' scales/typeface.h)
[[ -n $face ]] || fail "cannot find the window's typeface in scales/typeface.h"
needs "the typeface $face" $(fc-list -f '%{file}\n' "$face")
needs "Qt's X11 platform plugin" "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqxcb.so"

# Start from a machine without the package, and note which of its paths exist then.
dpkg -s beamwise &>/dev/null && "${apt[@]}" purge beamwise >/dev/null
trap 'dpkg -s beamwise &>/dev/null && "${apt[@]}" purge beamwise >/dev/null' EXIT
mapfile -t listed < <(dpkg -c "$deb" | awk '{ print substr($6, 2) }')
declare -A before
for path in "${listed[@]}"; do [[ -e $path ]] && before[$path]=1; done
"${apt[@]}" install "$deb" >/dev/null || fail "apt-get cannot install $deb"

# As from a text console: no display and no platform chosen.
headless=(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/beamwise)
version=$("${headless[@]}" --version) || fail "beamwise --version failed"
[[ $version == "beamwise $(dpkg-deb -f "$deb" Version)" ]] || fail "--version says '$version'"
readings=$("${headless[@]}" --readings --diameter 1 --frequency 10) || fail "--readings failed"
grep -q '^Gain.*dBi$' <<<"$readings" || fail "--readings printed no gain: $readings"
exported=$(mktemp --suffix=.svg)
"${headless[@]}" --export "$exported" && grep -q '<svg' "$exported" || fail "--export found no printing module"
rm -f "$exported"
[[ $(man -w beamwise) == /usr/share/man/man1/beamwise.1.gz ]] || fail "man does not find beamwise(1)"

desktop=/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml" || fail "AppStream metadata does not validate"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 32 48 64 128 256; do
    png=/usr/share/icons/hicolor/${size}x$size/apps/$icon.png
    [[ $(file -b "$png") == "PNG image data, $size x $size,"* ]] || fail "no ${size}x$size PNG icon $png"
done

"${apt[@]}" purge beamwise >/dev/null || fail "apt-get cannot purge beamwise"
for path in "${listed[@]}"; do ! [[ -e $path && -z ${before[$path]:-} ]] || fail "purging left $path"; done
echo "check-package: $deb lints clean, installs, runs and purges without a trace"
