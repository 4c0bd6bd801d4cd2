#!/usr/bin/env bash
# Creates the project's own 32-bit Wine prefix in the Japanese locale, once,
# at the screen density ZORIX_DPI (dots per inch, 96 unless given).
set -euo pipefail
source "$(dirname "$0")/env.sh"
# The density the prefix is made for; its desktop grows with it, so that
# windows sized for the density fit as they do at 96 dpi.
dpi=${ZORIX_DPI:-96}

# The number names the set-up below: raise it whenever the set-up changes, so
# that a prefix made by an older version is made again.
stamp=$WINEPREFIX/.zorix-ready-2
[ -f "$stamp" ] && exit 0

echo "Creating the Wine prefix in $WINEPREFIX"
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX" "$HOME_FOR_WINE/Desktop"
export HOME=$HOME_FOR_WINE
wineboot -i >/dev/null 2>&1
wineserver -w

# Japanese UI fonts for dialogs, menus and message boxes; Wine's own Marlett,
# which it does not find by itself here, for the symbols of the caption
# buttons; a virtual desktop gives the windows drawn frames even without a
# window manager.
marlett=$(winepath -w /usr/share/wine/fonts/marlett.ttf | sed 's/\\/\\\\/g')
reg=$(mktemp --suffix=.reg)
{
  printf '\xff\xfe'
  iconv -f UTF-8 -t UTF-16LE <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]
"Marlett (TrueType)"="$marlett"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="$((1024 * dpi / 96))x$((768 * dpi / 96))"

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")
REG
} > "$reg"
wine regedit "$reg" >/dev/null 2>&1
rm -f "$reg"
wineserver -w
touch "$stamp"
