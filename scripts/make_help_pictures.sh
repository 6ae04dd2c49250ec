#!/bin/sh
# Renders the keyboard layout help's title and key background from the SVG
# drawings in resources/art/ (rsvg-convert, Debian package librsvg2-bin).
# The PNGs are committed, so building never needs the tool.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (librsvg2-bin)" >&2; exit 1; }
for name in yavo-title button-bg; do
    rsvg-convert "$root/resources/art/$name.svg" -o "$root/resources/icons/$name.png"
done
