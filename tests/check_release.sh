#!/usr/bin/env bash
# Packs the built DLL as a release, then checks the archive as a player gets
# it: its entries, their bytes, times and modes, the players' notes (every
# row of the main page, the keys and the chord by their names in the
# control list, nothing left unfilled), the checksums beside it, the version
# resource inside the DLL, and that this DLL is the one the Wine scenarios
# last ran and passed. Names and version come from release/product.conf.
#   check_release.sh DLL NATIVE_BUILD SOURCE_DIR WORK_DIR WINE_DIR WINDRES
set -euo pipefail
dll=$1
native=$2
source=$3
work=$4
wine_dir=$5
windres=$6
# shellcheck source=../release/product.conf
source "$source/release/product.conf"
version=$QDT_VERSION
name="$QDT_FILE_NAME-$version-win64"
asi="$QDT_FILE_NAME.asi"

fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work"
bash "$source/scripts/package.sh" "$dll" "$native" "$work/dist"
zip="$work/dist/$name.zip"

entries=$(unzip -Z1 "$zip" | tr '\n' ' ')
[ "$entries" = "$asi README.txt LICENSE CHANGELOG.md " ] || fail "the archive holds: $entries"
unzip -q "$zip" -d "$work/unpacked"
cmp "$dll" "$work/unpacked/$asi" || fail "the archived DLL is not the built one"
cmp "$source/LICENSE" "$work/unpacked/LICENSE" || fail "LICENSE differs"
cmp "$source/CHANGELOG.md" "$work/unpacked/CHANGELOG.md" || fail "CHANGELOG.md differs"

# The notes: named for the product, every row the plug-in shows, in order,
# and the keys as the control list names them.
notes="$work/unpacked/README.txt"
[ "$(head -n 1 "$notes")" = "$QDT_PRODUCT_NAME" ] || fail "README.txt is not titled $QDT_PRODUCT_NAME"
if grep -n '@[A-Za-z0-9_:]*@' "$notes"; then fail "README.txt has placeholders left"; fi
"$native/tools/players_notes/qdt_players_notes" --module "$native/QuorvaneDevTools.so" --rows > "$work/rows.txt"
listed=$(sed -n 's/^  - //p' "$notes")
[ "$listed" = "$(cat "$work/rows.txt")" ] ||
  fail "README.txt lists the rows: $(echo "$listed" | tr '\n' '|'), the plug-in shows: $(tr '\n' '|' < "$work/rows.txt")"
grep -qF "main page has $(wc -l < "$work/rows.txt") rows:" "$notes" || fail "README.txt does not count the rows"
# QDT_CONTROL(NAME, hash, "key", "other key", "button"): the one field asked for.
binding() { sed -n "s/^QDT_CONTROL($1, [^,]*, \"\([^\"]*\)\", \"\([^\"]*\)\", \"\([^\"]*\)\").*/\\$2/p" \
  "$source/host/ControlList.h"; }
says() { grep -qF -- "$1" <(tr '\n' ' ' < "$notes" | tr -s ' ') || fail "README.txt does not say: $1"; }
says "on the keyboard F8"
says "hold $(binding INPUT_FRONTEND_RB 3) and press $(binding INPUT_CONTEXT_A 3)"
says "Select ($(binding INPUT_GAME_MENU_ACCEPT 1) or $(binding INPUT_GAME_MENU_ACCEPT 2), $(binding INPUT_GAME_MENU_ACCEPT 3) on a controller)"
says "Back ($(binding INPUT_GAME_MENU_CANCEL 1) or $(binding INPUT_GAME_MENU_CANCEL 2), $(binding INPUT_GAME_MENU_CANCEL 3) on a controller)"
says "$(binding INPUT_GAME_MENU_UP 1) and $(binding INPUT_GAME_MENU_DOWN 1)"
says "Copy $asi into that same folder"

# Every entry -rw-r--r--, stamped at midnight of the version's changelog date.
date=$(sed -n "s/^## $version - \([0-9-]*\)\$/\1/p" "$source/CHANGELOG.md" | tr -d -)
stamps=$(TZ=UTC zipinfo -T "$zip" | awk '$1 ~ /^[-d]/ { print $1, $7 }' | sort -u)
[ "$stamps" = "-rw-r--r-- $date.000000" ] || fail "entry modes and times: $stamps"

(cd "$work/dist" && sha256sum -c --quiet --ignore-missing "$name.sha256") || fail "the archive's checksum"
(cd "$work/unpacked" && sha256sum -c --quiet --ignore-missing "$work/dist/$name.sha256") ||
  fail "the DLL's checksum"
[ "$(wc -l < "$work/dist/$name.sha256")" -eq 2 ] || fail "the checksum file does not hold two lines"

ran="$wine_dir/passed-dll.sha256"
[ -f "$ran" ] || fail "no record of a passing Wine run in $wine_dir: run ctest -L wine first"
[ "$(cut -d' ' -f1 "$ran")" = "$(sha256sum < "$work/unpacked/$asi" | cut -d' ' -f1)" ] ||
  fail "the archived DLL is not the one the Wine scenarios ran"

# The version resource, read back out of the archived DLL.
"$windres" -i "$work/unpacked/$asi" -O rc -o "$work/version.rc"
IFS=. read -r major minor patch <<< "$version"
expect() { grep -qxF -- "$1" "$work/version.rc" || fail "the version resource lacks: $1"; }
expect " FILEVERSION $major, $minor, $patch, 0"
expect " PRODUCTVERSION $major, $minor, $patch, 0"
expect " FILETYPE 0x2"
expect "      VALUE \"FileVersion\", \"$version\""
expect "      VALUE \"ProductVersion\", \"$version\""
expect "      VALUE \"ProductName\", \"$QDT_PRODUCT_NAME\""
expect "      VALUE \"OriginalFilename\", \"$asi\""
expect "      VALUE \"InternalName\", \"$QDT_FILE_NAME\""
expect "      VALUE \"CompanyName\", \"$QDT_AUTHORS\""
expect "      VALUE \"FileDescription\", \"$QDT_PRODUCT_NAME: $QDT_DESCRIPTION\""
grep -q '^      VALUE "LegalCopyright", "Copyright (c) [0-9]\{4\} ..*"$' "$work/version.rc" ||
  fail "no copyright line"
echo "OK: $name.zip holds $entries; README.txt lists $(wc -l < "$work/rows.txt") rows; version resource $version"
