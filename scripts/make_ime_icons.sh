#!/usr/bin/env bash
# Renders the input method's icons from the Breeze icon theme (Debian
# package breeze-icon-theme, LGPL-3.0-or-later) into resources/. Run once
# when an icon changes; the PNGs are kept in the repository.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
breeze=/usr/share/icons/breeze
out="$root/resources"

render() { # svg size name
    rsvg-convert --width "$2" --height "$2" --keep-aspect-ratio "$breeze/$1" -o "$out/$3"
}

render status/22/input-keyboard-virtual-on.svg 16 lo_trayIcon_16.png
render status/22/input-keyboard-virtual-off.svg 32 lo_english_32.png
render devices/64/input-keyboard.svg 128 yavo_icon_128.png
