#!/usr/bin/env bash
# Builds the programs and the help file and writes the zip a Windows user
# downloads, build/zorix-1.07.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh --target release
source scripts/env.sh
echo "Wrote $BUILD_DIR/zorix-1.07.zip"
