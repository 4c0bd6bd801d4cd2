#!/usr/bin/env bash
# Runs a command like with-display.sh, at another screen density: in the Wine
# prefix of that density, whose desktop grows with it, on a private display
# grown as much, so that windows sized for the density fit as they do at 96 dpi.
# Usage: with-density.sh <dpi> <command>...
set -euo pipefail
dpi=$1
shift
unset WINEPREFIX ZORIX_DESKTOP
export ZORIX_DPI=$dpi ZORIX_PRIVATE_DISPLAY=1 ZORIX_SCREEN=$((1280 * dpi / 96))x$((1024 * dpi / 96))x24
exec "$(dirname "$0")/with-display.sh" "$@"
