#!/usr/bin/env bash
# Runs a command with a persistent wineserver and, when there is no display, a private Xvfb.
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$ROOT/scripts/make-prefix.sh"
export HOME=$HOME_FOR_WINE

xvfb_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ] || [ "${ZORIX_PRIVATE_DISPLAY:-0}" = 1 ]; then
  # The server takes the first free display itself and names it once it
  # listens, so runs started side by side never pick the same one.
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${ZORIX_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
  export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
  rm -f "$number_file"
fi

# A persistent server makes each wine start fast; the first process starts the
# long-lived helpers, so they do not hold the pipes of the commands that follow.
wineserver -p 2>/dev/null || true  # already running for this prefix
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
# The desktop process too: started by a test's first window, it would inherit
# that test's output pipe and hold ctest until the server ends.
# Its size is the prefix's own unless ZORIX_DESKTOP gives one.
(wine explorer "/desktop=Default${ZORIX_DESKTOP:+,$ZORIX_DESKTOP}" </dev/null >/dev/null 2>&1 &)
# A program started before the desktop is up would make it itself, at the
# prefix's size rather than the one asked for.
for _ in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q "Wine desktop" && break
  sleep 0.1
done
"$@"
