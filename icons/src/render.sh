#!/bin/sh
# Renders the SVG sources in this folder into ../resources/*.png at the sizes
# the window expects. Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
render() { rsvg-convert -w "$2" -h "$3" -o "../resources/$1.png" "$1.svg"; }
render app_icon 256 256
render help 35 35
render help_hover 35 35
render menu 35 35
render menu_hover 35 35
render drag_file 514 288
render wipe_disk 100 94
render wipe_free_space 103 92
render wipe_file_icon 112 109
# The application icon for the desktop's icon theme (hicolor), at the sizes
# desktops ask for; the SVG itself is installed as the scalable one.
for size in 16 24 32 48 64 128 256 512; do
    mkdir -p "../hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" -o "../hicolor/${size}x${size}/apps/org.velmora.Velmora.png" app_icon.svg
done
