#!/usr/bin/env bash
# Builds and runs the benchmark under Wine: repaint times of huge files beside a
# small one and of a full screen beside a minimal program, typing into the
# editor beside a minimal program's repaint and a memmove, load and save times
# beside plain reads and writes, clipboard copy and paste, find and byte sum
# beside plain loops and Python's bytes.find, and a file comparison beside the
# host's cmp -l; then scrolling the editor beside the minimal program's repaint,
# at the default size and maximised. Names of groups as arguments run only those.
set -euo pipefail
cd "$(dirname "$0")/.."
# A screen as large as a common monitor's, for the full-screen repaint.
export ZORIX_SCREEN=1920x1080x24 ZORIX_DESKTOP=1920x1080
scripts/install-deps.sh
scripts/build.sh --target zorix_benchmark
source scripts/env.sh
ZORIX_PRIVATE_DISPLAY=1 scripts/with-display.sh wine "$RUN_DIR/zorix_benchmark.exe" "$@"
