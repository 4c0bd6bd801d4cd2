# Shared environment for building and running under Wine. Sourced, not executed.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
# The prefix and its HOME live inside the project, never in the user's ~/.wine;
# each build folder gets its own, so two test runs never share a Wine server.
export WINEPREFIX=${WINEPREFIX:-$ROOT/.wine/$(basename "$BUILD_DIR")}
export HOME_FOR_WINE=$WINEPREFIX-home
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
