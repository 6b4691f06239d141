#!/usr/bin/env bash
# Renders the application icon from its SVG source into the files the build
# uses, which are committed so that building never needs these tools:
#   window/icons/courier-firms.png  32 x 32, 256-colour palette, binary alpha
#   window/icons/courier-firms.ico  16, 32 and 48 px, each 256 colours
# Needs rsvg-convert (librsvg2-bin), ImageMagick (imagemagick) and icotool
# (icoutils).
set -euo pipefail
cd "$(dirname "$0")/.."

icons=window/icons
source_svg=$icons/courier-firms.svg

command -v rsvg-convert >/dev/null ||
    { echo "render-icons: rsvg-convert not found (apt-get install librsvg2-bin)" >&2; exit 1; }
command -v icotool >/dev/null ||
    { echo "render-icons: icotool not found (apt-get install icoutils)" >&2; exit 1; }
if command -v magick >/dev/null; then
    im=(magick)
elif command -v convert >/dev/null; then
    im=(convert)
else
    echo "render-icons: ImageMagick not found (apt-get install imagemagick)" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One palette image per size: rendered with anti-aliasing, then the alpha
# channel cut to fully opaque or fully clear (a palette icon has no partial
# transparency) and the colours reduced to at most 256. No time stamps or
# other metadata go in, so rendering twice gives the same bytes.
sizes=(16 32 48)
for size in "${sizes[@]}"; do
    rsvg-convert -w "$size" -h "$size" "$source_svg" -o "$work/raw-$size.png"
    "${im[@]}" "$work/raw-$size.png" -strip \
        -channel A -threshold 50% +channel \
        -colors 256 \
        -define png:exclude-chunks=date,time \
        "PNG8:$work/icon-$size.png"
done

cp "$work/icon-32.png" "$icons/courier-firms.png"

# The ICO holds the same palette images as classic 8-bit entries with a
# transparency mask, which every Windows version reads.
icotool --create --bit-depth=8 --output="$icons/courier-firms.ico" \
    "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png"

echo "render-icons: wrote $icons/courier-firms.png and $icons/courier-firms.ico"
