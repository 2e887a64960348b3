#!/usr/bin/env bash
# Packs a built DLL with the player's notes into the release archive and
# writes the SHA-256 of the archive and of the DLL beside it.
#   package.sh VERSION DLL OUT_DIR
# The same DLL gives the same archive, byte for byte, from any folder, on any
# day: fixed names, order, modes and times (the version's date in
# CHANGELOG.md), no owner ids or extra time fields.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=$1
dll=$2
mkdir -p "$3"
out=$(cd "$3" && pwd)
name="QuorvaneDevTools-$version-win64"

# "## 1.0.0 - 2026-12-09": a version without its entry is not released.
date=$(sed -n "s/^## $(printf '%s' "$version" | sed 's/\./\\./g') - \([0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\)\$/\1/p" "$root/CHANGELOG.md")
[ -n "$date" ] || { echo "CHANGELOG.md has no entry '## $version - YYYY-MM-DD'" >&2; exit 1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$dll" "$stage/QuorvaneDevTools.asi"
cp "$root/release/README.txt" "$stage/README.txt"
cp "$root/LICENSE" "$stage/LICENSE"
cp "$root/CHANGELOG.md" "$stage/CHANGELOG.md"
files=(QuorvaneDevTools.asi README.txt LICENSE CHANGELOG.md)
chmod 0644 "${files[@]/#/$stage/}"
export TZ=UTC
touch -d "$date 00:00:00" "${files[@]/#/$stage/}"

rm -f "$out/$name.zip"
(cd "$stage" && zip -q -X -D "$out/$name.zip" "${files[@]}")
(cd "$out" && sha256sum "$name.zip") > "$out/$name.sha256"
(cd "$stage" && sha256sum QuorvaneDevTools.asi) >> "$out/$name.sha256"

echo "archive: $out/$name.zip"
echo "SHA-256 (also in $out/$name.sha256):"
sed 's/^/  /' "$out/$name.sha256"
