#!/usr/bin/env bash
# Configures (once) and builds everything into $BUILD_DIR (default: build/).
set -euo pipefail
source "$(dirname "$0")/env.sh"
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$BUILD_DIR" -j "$(nproc)" "$@"
