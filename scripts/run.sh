#!/usr/bin/env bash
# Builds the editor and starts it under Wine, optionally with a file to open.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh --target zorix
source scripts/env.sh
args=()
[ $# -gt 0 ] && args=("$(winepath -w "$(realpath "$1")" 2>/dev/null)")
scripts/with-display.sh wine "$RUN_DIR/zorix.exe" "${args[@]}"
