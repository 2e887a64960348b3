#!/usr/bin/env bash
# Packs the built DLL as a release, then checks the archive as a player gets
# it: its entries, their bytes, times and modes, the checksums beside it, the
# version resource inside the DLL, and that this DLL is the one the Wine
# scenarios last ran and passed.
#   check_release.sh VERSION DLL SOURCE_DIR WORK_DIR WINE_DIR WINDRES
set -euo pipefail
version=$1
dll=$2
source=$3
work=$4
wine_dir=$5
windres=$6
name="QuorvaneDevTools-$version-win64"

fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work"
bash "$source/scripts/package.sh" "$version" "$dll" "$work/dist"
zip="$work/dist/$name.zip"

entries=$(unzip -Z1 "$zip" | tr '\n' ' ')
[ "$entries" = "QuorvaneDevTools.asi README.txt LICENSE CHANGELOG.md " ] ||
  fail "the archive holds: $entries"
unzip -q "$zip" -d "$work/unpacked"
cmp "$dll" "$work/unpacked/QuorvaneDevTools.asi" || fail "the archived DLL is not the built one"
cmp "$source/release/README.txt" "$work/unpacked/README.txt" || fail "README.txt differs"
cmp "$source/LICENSE" "$work/unpacked/LICENSE" || fail "LICENSE differs"
cmp "$source/CHANGELOG.md" "$work/unpacked/CHANGELOG.md" || fail "CHANGELOG.md differs"

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
[ "$(cut -d' ' -f1 "$ran")" = "$(sha256sum < "$work/unpacked/QuorvaneDevTools.asi" | cut -d' ' -f1)" ] ||
  fail "the archived DLL is not the one the Wine scenarios ran"

# The version resource, read back out of the archived DLL.
"$windres" -i "$work/unpacked/QuorvaneDevTools.asi" -O rc -o "$work/version.rc"
IFS=. read -r major minor patch <<< "$version"
expect() { grep -qxF -- "$1" "$work/version.rc" || fail "the version resource lacks: $1"; }
expect " FILEVERSION $major, $minor, $patch, 0"
expect " PRODUCTVERSION $major, $minor, $patch, 0"
expect " FILETYPE 0x2"
expect "      VALUE \"FileVersion\", \"$version\""
expect "      VALUE \"ProductVersion\", \"$version\""
expect "      VALUE \"ProductName\", \"Quorvane Dev Tools\""
expect "      VALUE \"OriginalFilename\", \"QuorvaneDevTools.asi\""
grep -q '^      VALUE "FileDescription", "..*"$' "$work/version.rc" || fail "no file description"
grep -q '^      VALUE "LegalCopyright", "Copyright (c) [0-9]\{4\} ..*"$' "$work/version.rc" ||
  fail "no copyright line"
echo "OK: $name.zip holds $entries; version resource $version"
