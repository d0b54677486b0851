#!/bin/sh
# Installs a build into a fresh prefix and checks that the program, its launcher
# entry, its icons and its AppStream metadata land where desktops look for them,
# and that the entry and the metadata pass their validators.
# Usage: check-install.sh CMAKE BUILD_DIR APP_ID
set -eu
cmake=$1 build=$2 id=$3

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share

[ -x "$prefix/bin/beamwise" ] || fail "no executable bin/beamwise"

desktop=$share/applications/$id.desktop
[ -f "$desktop" ] || fail "no desktop entry $desktop"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
# The entry starts the installed program and shows the installed icon.
grep -qx "Exec=beamwise" "$desktop" || fail "desktop entry does not run beamwise"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not name the icon $id"

# Each raster icon is as large as the theme folder it is in says.
for size in 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "no ${size}x${size} icon"
    signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    dimensions=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$dimensions" = "${size}x${size}" ] || fail "$png is $dimensions, not ${size}x${size}"
done
svg=$share/icons/hicolor/scalable/apps/$id.svg
grep -q "<svg" "$svg" 2>/dev/null || fail "no scalable icon"

metainfo=$share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "AppStream metadata does not validate"
grep -q "<id>$id</id>" "$metainfo" || fail "metadata names another id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "metadata does not launch the desktop entry"
echo "check-install: installed and valid"
