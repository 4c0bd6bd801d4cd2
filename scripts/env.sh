# Shared environment for building and running under Wine. Sourced, not executed.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The programs for Windows users: 32-bit.
BUILD_DIR=${BUILD_DIR:-$ROOT/build}

# Whether the kernel runs 32-bit x86 programs, told by running one: a bare ELF
# header, one loadable segment and the nine bytes of exit(42). Written into the
# project's own folder, since /tmp may forbid running programs.
kernel_runs_i386() {
  local probe status
  mkdir -p "$ROOT/.wine"
  probe=$(mktemp "$ROOT/.wine/i386-probe.XXXXXX")
  {
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'            # 32-bit, little-endian
    printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08'                    # executable, i386, entry
    printf '\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'                    # program header at 52
    printf '\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'                    # one of 32 bytes
    printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'    # the whole file at 0x8048000
    printf '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'    # 93 bytes, read and run
    printf '\x31\xdb\xb3\x2a\x31\xc0\x40\xcd\x80'                                # exit(42)
  } >"$probe"
  chmod +x "$probe"
  status=0
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  [ "$status" -eq 42 ]
}

# The 64-bit loader, wherever the installed wine64 package put it.
wine64_loader() {
  local file
  for file in $(dpkg -L wine64 2>/dev/null); do
    if [ "${file##*/}" = wine64 ] && [ -f "$file" ] && [ -x "$file" ]; then
      echo "$file"
      return
    fi
  done
}

# The build that Wine runs here (tests, benchmarks, run.sh). Wine runs 32-bit
# programs only where the kernel runs 32-bit code; elsewhere it runs a 64-bit
# build of the same sources. ZORIX_RUNS_I386 (yes or no) carries the answer to
# the commands started from here; set by hand, it forces one path, so that the
# 64-bit one can be tried on a machine that runs both.
if [ -z "${ZORIX_RUNS_I386:-}" ]; then
  ZORIX_RUNS_I386=$(kernel_runs_i386 && echo yes || echo no)
fi
export ZORIX_RUNS_I386
if [ "$ZORIX_RUNS_I386" = no ]; then
  RUN_DIR=${RUN_DIR:-$BUILD_DIR-x86_64}
  export WINEARCH=win64
  WINELOADER=${WINELOADER:-$(wine64_loader)}
  export WINELOADER
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
