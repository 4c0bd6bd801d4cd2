#!/bin/sh
# Compiles the help sources into one CHM file. The sources are UTF-8 so that
# they read well anywhere; the help viewer of a Japanese system reads the
# pages, the contents and the index in Shift-JIS, so they are converted first.
# The pictures are copied as they are.
# Usage: build-chm.sh <chmcmd> <source folder> <picture folder> <work folder> <CHM file to write>
set -eu
chmcmd=$1 sources=$2 pictures=$3 work=$4 output=$5

rm -rf "$work"
mkdir -p "$work"
for file in "$sources"/*.html "$sources"/*.css "$sources"/*.hhp "$sources"/*.hhc "$sources"/*.hhk; do
    sed 's/charset=UTF-8/charset=Shift_JIS/' "$file" | iconv -f UTF-8 -t CP932 > "$work/${file##*/}"
done
cp "$pictures"/*.gif "$work"
cd "$work"
"$chmcmd" --verbosity 0 zorix.hhp > chmcmd.log 2>&1 || { cat chmcmd.log; exit 1; }
cp zorix.CHM "$output"
