#!/usr/bin/env bash
# Installs whatever is missing for the cross build and for running under Wine.
# Idempotent: a second run changes nothing and returns quickly.
set -euo pipefail
source "$(dirname "$0")/env.sh"

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

packages=(cmake make g++-mingw-w64-i686-posix mingw-w64-i686-dev g++-mingw-w64-x86-64-posix googletest
          wine wine32:i386 wine64 xvfb x11-utils locales fonts-ipafont-gothic imagemagick liblnk-utils
          xdotool xclip fp-utils libchm-bin python3-pefile)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "Generating the ja_JP.UTF-8 locale"
  $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

"$ROOT/scripts/make-prefix.sh"
