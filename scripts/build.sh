#!/usr/bin/env bash
# Builds everything into $BUILD_DIR (default: build/). Where Wine runs a 64-bit
# build here, that build, in $RUN_DIR, carries the tests, and $BUILD_DIR holds
# only what users get (the programs, the help file and the zip), built in full
# each time, since the tests read it.
set -euo pipefail
source "$(dirname "$0")/env.sh"
# Configures a build when it is new, or when a setting differs from its cache
# (the probe in env.sh may answer otherwise than last time, or be forced).
build() {
  local dir=$1 toolchain=$2 tests=$3
  shift 3
  local settings=("ZORIX_TESTS:BOOL=$tests" "ZORIX_SHIPPED_DIR:PATH=$BUILD_DIR") setting
  for setting in "${settings[@]}"; do
    if ! grep -qxF "$setting" "$dir/CMakeCache.txt" 2>/dev/null; then
      cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
            -D"${settings[0]}" -D"${settings[1]}" >/dev/null
      break
    fi
  done
  cmake --build "$dir" -j "$(nproc)" "$@"
}
if [ "$RUN_DIR" = "$BUILD_DIR" ]; then
  build "$BUILD_DIR" mingw-i686 ON "$@"
else
  build "$BUILD_DIR" mingw-i686 OFF
  build "$RUN_DIR" mingw-x86_64 ON "$@"
fi
