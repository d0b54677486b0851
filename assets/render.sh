#!/usr/bin/env bash
# Regenerates every Beamwise branding PNG in this folder from its SVG source.
# Needs rsvg-convert (Debian package librsvg2-bin) and the Liberation Sans font
# (Debian package fonts-liberation). The PNGs are committed to the repository,
# so a normal build does not need these tools; run this only after editing an SVG.
set -euo pipefail
cd "$(dirname "$0")"

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render.sh: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
}
if command -v fc-list >/dev/null 2>&1 && ! fc-list | grep -qi 'Liberation Sans'; then
    echo "render.sh: warning: Liberation Sans not installed (apt-get install fonts-liberation)" >&2
fi

# render SOURCE.svg OUTPUT.png WIDTH HEIGHT
render() {
    rsvg-convert --width="$3" --height="$4" --format=png --output="$2" "$1"
    echo "  $2 (${3}x${4})"
}

# Application icon: 1x/2x for the Qt resource file, plus hicolor theme sizes.
render icon.svg icon.png        32  32
render icon.svg icon@2x.png     64  64
render icon.svg icon-48.png     48  48
render icon.svg icon-128.png   128 128
render icon.svg icon-256.png   256 256

# Logo for the top of the nomogram page.
render logo.svg logo.png       300  99
render logo.svg logo@2x.png    600 198

# Company information page.
render company.svg company.png     443  525
render company.svg company@2x.png  886 1050
