#!/usr/bin/env bash
# Checks the built help file with tools that share nothing with its compiler.
# Usage: HelpFileTest.sh contents|links <help source folder> <CHM file>
set -euo pipefail
check=$1 sources=$2 chm=$3
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# The signature, the Japanese language in the header, the full-text search
# index, every source file and every picture the pages show inside, with the
# pages in Shift-JIS and declared as such.
contents() {
    [ "$(head -c 4 "$chm")" = ITSF ] || fail "no ITSF signature"
    [ "$(od -An -tx1 -j20 -N4 "$chm" | tr -d ' ')" = 11040000 ] || fail "language is not Japanese (0x0411)"
    listing=$(enum_chmLib "$chm")
    for file in "$sources"/*.html "$sources"/*.css "$sources"/*.hhc "$sources"/*.hhk; do
        name=${file##*/}
        grep -qE "[[:space:]]/${name//./\\.}\$" <<<"$listing" || fail "$name is not in the help file"
    done
    grep -qE '[[:space:]]/\$FIftiMain$' <<<"$listing" || fail "no full-text search index"
    for picture in $(grep -oh 'src="[^"]*"' "$sources"/*.html | sed 's/src="\(.*\)"/\1/' | sort -u); do
        grep -qE "[[:space:]]/${picture//./\\.}\$" <<<"$listing" || fail "the picture $picture is not in the help file"
    done
    extracted=$(mktemp -d)
    trap 'rm -rf "$extracted"' EXIT
    extract_chmLib "$chm" "$extracted" >/dev/null
    for page in "$extracted"/*.html; do
        grep -q 'charset=Shift_JIS' "$page" || fail "${page##*/} does not declare Shift_JIS"
        iconv -f CP932 -t UTF-8 "$page" | cmp -s - <(sed 's/charset=UTF-8/charset=Shift_JIS/' "$sources/${page##*/}") ||
            fail "${page##*/} is not its source in Shift-JIS"
    done
}

# Every link of the pages, the contents and the index names a page of the
# help, and an anchor of that page where it names one.
links() {
    for file in "$sources"/*.html "$sources"/*.hhc "$sources"/*.hhk; do
        targets=$(grep -o -e 'href="[^"]*"' -e 'name="Local" value="[^"]*"' "$file" | sed 's/.*"\(.*\)"$/\1/' || true)
        for target in $targets; do
            page=${target%%#*}
            page=${page:-${file##*/}}
            [ -f "$sources/$page" ] || { fail "${file##*/} links to a missing page: $target"; continue; }
            if [[ $target == *#* ]]; then
                grep -q "name=\"${target#*#}\"" "$sources/$page" || fail "${file##*/} links to a missing anchor: $target"
            fi
        done
    done
    for page in "$sources"/*.html; do
        grep -q "value=\"${page##*/}\"" "$sources/contents.hhc" || fail "${page##*/} is not in the contents"
    done
}

"$check"
[ "$failures" -eq 0 ]
