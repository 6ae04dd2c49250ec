#!/bin/sh
# Renders the icons of the word processor, the input method and the typing
# tutor from the Breeze icon theme (Debian package breeze-icon-theme, LGPL-3+;
# see resources/ICONS-LICENSE.md) into resources/icons/. Run once after
# changing the table below; the PNGs are committed, so building never needs
# the theme or rsvg-convert.
#
# Each line: the PNG's name (as the program loads it from :/resources/), the
# size in pixels, and the theme icon "context/name" drawn for it. The size is
# the one the name carries; a name without one gets the size its button draws
# it at where that is fixed (16), else 32, which menus and toolbars scale down.
set -eu

theme=${BREEZE_DIR:-/usr/share/icons/breeze}
out=$(cd "$(dirname "$0")/.." && pwd)/resources/icons

command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (librsvg2-bin)" >&2; exit 1; }
[ -d "$theme" ] || { echo "no icon theme at $theme (breeze-icon-theme)" >&2; exit 1; }
mkdir -p "$out"

# The drawing made for the smallest size at least as large as the target is
# the sharpest source; failing that, the largest one there is.
source_svg() {
    context=$1 name=$2 size=$3 best="" largest=""
    for s in 16 22 24 32 48 64 96 128 256; do
        f="$theme/$context/$s/$name.svg"
        [ -e "$f" ] || continue
        largest=$f
        if [ -z "$best" ] && [ "$s" -ge "$size" ]; then best=$f; fi
    done
    echo "${best:-$largest}"
}

failed=0
while read -r png size icon from; do
    case "$png" in ''|'#'*) continue ;; esac
    svg=$(source_svg "${icon%%/*}" "${icon#*/}" "${from:-$size}")
    if [ -z "$svg" ]; then
        echo "no drawing for $icon ($png)" >&2
        failed=1
        continue
    fi
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
        --output "$out/$png" "$svg"
    echo "$png <- ${svg#"$theme"/}"
done <<'TABLE'
# Window
yavo_icon_128.png        128 apps/accessories-text-editor
# File
lo_new_32.png            32  actions/document-new
lo_open_32.png           32  actions/document-open
lo_save_32.png           32  actions/document-save
lo_saveAs_32.png         32  actions/document-save-as
lo_pdf_32.png            32  mimetypes/application-pdf
lo_exit_32.png           32  actions/application-exit
# Edit
lo_cut_32.png            32  actions/edit-cut
lo_copy_32.png           32  actions/edit-copy
lo_paste_32.png          32  actions/edit-paste
lo_findReplace_32.png    32  actions/edit-find-replace
# Format
lo_bold_32.png           32  actions/format-text-bold
lo_italic_32.png         32  actions/format-text-italic
lo_underline_32.png      32  actions/format-text-underline
font-dialog.png          32  preferences/preferences-desktop-font
font-size-increase.png   32  actions/format-font-size-more
font-size-decrease.png   32  actions/format-font-size-less
clear-format.png         32  actions/edit-clear-all
lo_justify_32.png        32  actions/format-justify-fill
lo_left_32.png           32  actions/format-justify-left
lo_center_32.png         32  actions/format-justify-center
lo_right_32.png          32  actions/format-justify-right
# Bullets
bullet-list.png          32  actions/format-list-unordered
disc-bullet.png          32  actions/format-list-unordered
circle-bullet.png        32  actions/draw-circle
square-bullet.png        32  actions/draw-rectangle
numbering-nullet.png     32  actions/format-list-ordered
roman-bullet.png         32  actions/format-text-uppercase
# Insert
lo_picture_32.png        32  actions/insert-image
lo_insertTable_32.png    32  actions/insert-table
# Script switch
lo_english_32.png        32  actions/format-text-lowercase
lo_kannada_32.png        32  actions/set-language
# Side pane, zoom strip, tab bar
lo_arrow_top.png         16  actions/go-parent-folder
zoom-in.png              16  actions/zoom-in
zoom-out.png             16  actions/zoom-out
find-close-icon.png      16  actions/tab-close
# Find panel: the history lists' arrows, Find Previous and Find Next
down_arrow.png           32  actions/arrow-down      16
find-prev-icon.png       32  actions/go-up-search    16
find-next-icon.png       32  actions/go-down-search  16
# User dictionary editor: add, delete and clear words
edit-plus.png            32  actions/list-add        16
edit_minus.png           32  actions/list-remove     16
edit-clear.png           32  actions/edit-clear
# Typing tutor (its About panel)
yavoicon.png             128 devices/input-keyboard
# Input method tray, Indic input on (off: lo_english_32.png)
lo_trayIcon_16.png       16  status/input-keyboard-virtual-on
# Back and Forward of the dictionary windows (the names are the other way
# round: lo_arrow_right.png points left)
lo_arrow_right.png       32  actions/go-previous  16
lo_arrow_left.png        32  actions/go-next      16
TABLE

exit $failed
