# Shared environment for building and running under Wine. Sourced, not executed.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The programs for Windows users: 32-bit.
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
# The build that Wine runs here (tests, benchmarks, run.sh). Wine runs 32-bit
# programs only where the kernel runs 32-bit code; elsewhere it runs a 64-bit
# build of the same sources.
if [ -e /lib/ld-linux.so.2 ] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  RUN_DIR=${RUN_DIR:-$BUILD_DIR-x86_64}
  export WINEARCH=win64
  export WINELOADER=/usr/lib/wine/wine64
  # Wine's own launchers would pick the 32-bit loader just because it is installed.
  case ":$PATH:" in *":$ROOT/scripts/wine64:"*) ;; *) export PATH=$ROOT/scripts/wine64:$PATH ;; esac
else
  RUN_DIR=${RUN_DIR:-$BUILD_DIR}
  export WINEARCH=win32
fi
# The prefix and its HOME live inside the project, never in the user's ~/.wine;
# each build folder gets its own, so two test runs never share a Wine server.
# A screen density other than 96 dpi (ZORIX_DPI) gets a prefix of its own too.
density_suffix=""
[ "${ZORIX_DPI:-96}" = 96 ] || density_suffix=-${ZORIX_DPI}dpi
export WINEPREFIX=${WINEPREFIX:-$ROOT/.wine/$(basename "$RUN_DIR")$density_suffix}
export HOME_FOR_WINE=$WINEPREFIX-home
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
