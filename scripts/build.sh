#!/usr/bin/env bash
# Configures (once) and builds everything into $BUILD_DIR (default: build/), and
# into $RUN_DIR as well where Wine runs a 64-bit build here.
set -euo pipefail
source "$(dirname "$0")/env.sh"
build() {
  local dir=$1 toolchain=$2
  shift 2
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$toolchain.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "$dir" -j "$(nproc)" "$@"
}
build "$BUILD_DIR" mingw-i686 "$@"
[ "$RUN_DIR" = "$BUILD_DIR" ] || build "$RUN_DIR" mingw-x86_64 "$@"
