#!/usr/bin/env bash
# Builds everything and runs every test (unit and end-to-end) under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
source scripts/env.sh
ZORIX_PRIVATE_DISPLAY=1 scripts/with-display.sh ctest --test-dir "$RUN_DIR" --output-on-failure -j 2 "$@"
