#!/usr/bin/env bash
# Builds and runs the benchmark under Wine: repaint times of huge files beside a
# small one, load and save times beside plain reads and writes, clipboard copy
# and paste, find and byte sum beside plain loops, and a file comparison beside
# the host's cmp -l.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh --target zorix_benchmark
source scripts/env.sh
ZORIX_PRIVATE_DISPLAY=1 scripts/with-display.sh wine "$RUN_DIR/zorix_benchmark.exe"
