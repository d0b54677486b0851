#!/usr/bin/env bash
# Regenerates every Beamwise branding picture in this folder from its SVG source.
# Needs rsvg-convert (Debian package librsvg2-bin), ImageMagick's convert (Debian
# package imagemagick) and the Liberation Sans font (Debian package fonts-liberation).
# The pictures are committed to the repository, so a normal build does not need
# these tools; run this only after editing an SVG.
set -euo pipefail
cd "$(dirname "$0")"

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render.sh: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
}
command -v convert >/dev/null 2>&1 || {
    echo "render.sh: convert not found (apt-get install imagemagick)" >&2
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

# unpacked SOURCE.svg OUTPUT.bmp|ppm WIDTH HEIGHT: a picture shown from the start,
# stored unpacked, which the program reads faster than a PNG; the Qt resource file
# packs it with zlib instead. A BMP keeps the alpha channel, a PPM has none; both
# with 8 bits a channel whatever the colours, as convert would otherwise choose.
unpacked() {
    local png type=TrueColor
    [[ $2 == *.bmp ]] && type=TrueColorAlpha
    png=$(mktemp --suffix=.png)
    rsvg-convert --width="$3" --height="$4" --format=png --output="$png" "$1"
    convert "$png" -type "$type" "$2"
    rm -f "$png"
    echo "  $2 (${3}x${4})"
}

# Application icon: 1x/2x for the window, plus the hicolor theme sizes.
unpacked icon.svg icon.bmp      32  32
unpacked icon.svg icon@2x.bmp   64  64
render icon.svg icon.png        32  32
render icon.svg icon@2x.png     64  64
render icon.svg icon-48.png     48  48
render icon.svg icon-128.png   128 128
render icon.svg icon-256.png   256 256

# Logo for the top of the nomogram page.
unpacked logo.svg logo.ppm     300  99
unpacked logo.svg logo@2x.ppm  600 198

# Company information page.
render company.svg company.png     443  525
render company.svg company@2x.png  886 1050
