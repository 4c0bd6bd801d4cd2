#!/usr/bin/env bash
# Runs a command like with-display.sh, at another screen density: in the Wine
# prefix of that density, on a private display and desktop grown with it, so
# that windows sized for the density fit as they do at 96 dpi.
# Usage: with-density.sh <dpi> <command>...
set -euo pipefail
dpi=$1
shift
grown() { echo $(($1 * dpi / 96)); }
unset WINEPREFIX
export ZORIX_DPI=$dpi ZORIX_PRIVATE_DISPLAY=1
export ZORIX_SCREEN=$(grown 1280)x$(grown 1024)x24 ZORIX_DESKTOP=$(grown 1024)x$(grown 768)
exec "$(dirname "$0")/with-display.sh" "$@"
