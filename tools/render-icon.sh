#!/bin/sh
# Renders the program's icon, packaging/icons/quorvane-log.svg, as the 128x128
# PNG beside it (packaging/icons/quorvane-log-128.png), with rsvg-convert
# (Debian package librsvg2-bin). The PNG is kept in the repository; run this
# again after a change of the SVG.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
svg=$here/packaging/icons/quorvane-log.svg
png=$here/packaging/icons/quorvane-log-128.png

if ! command -v rsvg-convert >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get install -y -qq --no-install-recommends librsvg2-bin
fi
rsvg-convert --width 128 --height 128 --format png --output "$png" "$svg"
echo "$png"
