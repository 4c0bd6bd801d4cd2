#!/usr/bin/env bash
# Checks the texts of the release zip as Notepad on a Japanese system reads them.
# Usage: ReleaseTextsTest.sh <zip> <licence source>
set -euo pipefail
zip=$1 licence=$2
folder=$(basename "$zip" .zip)
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

readme=$(mktemp)
trap 'rm -f "$readme"' EXIT
unzip -p "$zip" "$folder/readme.txt" > "$readme"
[ "$(grep -c $'[^\r]$' "$readme" || true)" -eq 0 ] || fail "readme.txt has lines without CRLF"
text=$(iconv -f CP932 -t UTF-8 "$readme") || fail "readme.txt is not Shift-JIS"

# The sections of a Japanese read-me, in this order.
rest=$text
for section in 概要 動作環境 インストールとアンインストール 使い方 設定ファイル 著作権とライセンス 免責事項 更新履歴; do
    [[ $rest == *"■ $section"$'\r'* ]] || { fail "readme.txt lacks the section $section after the ones before it"; continue; }
    rest=${rest#*"■ $section"}
done
grep -q 'Version 1\.07' <<<"$rest" || fail "the history does not name version 1.07"

unzip -p "$zip" "$folder/LICENSE.txt" | cmp -s - <(sed 's/$/\r/' "$licence") || fail "LICENSE.txt is not the licence with CRLF"

[ "$failures" -eq 0 ]
