#!/usr/bin/env bash
# Packs a built DLL with the players' notes into the release archive and
# writes the SHA-256 of the archive and of the DLL beside it. The names and
# the version come from release/product.conf; the notes are
# release/README.txt.in filled in by qdt_players_notes from the native build
# (the main page's rows as the plug-in shows them, the keys by name).
# The same DLL and module give the same archive, byte for byte, from any
# folder, on any day: fixed names, order, modes and times (the version's date
# in CHANGELOG.md), no owner ids or extra time fields.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  cat <<'TEXT'
usage: scripts/package.sh DLL NATIVE_BUILD OUT_DIR
  Packs DLL, the players' notes (filled in with NATIVE_BUILD's qdt_players_notes and plug-in module),
  LICENSE and CHANGELOG.md into OUT_DIR/NAME-VERSION-win64.zip, and writes OUT_DIR/NAME-VERSION-win64.sha256.
  scripts/release.sh calls it through the windows build's release target.
TEXT
}
case "${1:-}" in
  -h | --help) usage; exit 0 ;;
esac
[ $# -eq 3 ] || { echo "package.sh: expected DLL NATIVE_BUILD OUT_DIR" >&2; usage >&2; exit 2; }
dll=$1
native=$2
mkdir -p "$3"
out=$(cd "$3" && pwd)
# shellcheck source=../release/product.conf
source "$root/release/product.conf"
version=$QDT_VERSION
name="$QDT_FILE_NAME-$version-win64"
asi="$QDT_FILE_NAME.asi"

# "## 1.0.0 - 2026-12-09": a version without its entry is not released.
date=$(sed -n "s/^## $(printf '%s' "$version" | sed 's/\./\\./g') - \([0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\)\$/\1/p" "$root/CHANGELOG.md")
[ -n "$date" ] || { echo "CHANGELOG.md has no entry '## $version - YYYY-MM-DD'" >&2; exit 1; }

notes_tool="$native/tools/players_notes/qdt_players_notes"
module="$native/QuorvaneDevTools.so"
for needed in "$notes_tool" "$module"; do
  [ -x "$needed" ] || [ -f "$needed" ] || {
    echo "package.sh: no $needed: the notes are read from the native build;" \
      "build it with: bash scripts/build.sh native QuorvaneDevTools qdt_players_notes" >&2
    exit 1
  }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$dll" "$stage/$asi"
"$notes_tool" --module "$module" \
  --set "PRODUCT_NAME=$QDT_PRODUCT_NAME" \
  --set "PRODUCT_NAME_UNDERLINE=$(printf '%s' "$QDT_PRODUCT_NAME" | tr '[:print:]' '=')" \
  --set "FILE_NAME=$QDT_FILE_NAME" --set "VERSION=$version" \
  "$root/release/README.txt.in" > "$stage/README.txt"
cp "$root/LICENSE" "$stage/LICENSE"
cp "$root/CHANGELOG.md" "$stage/CHANGELOG.md"
files=("$asi" README.txt LICENSE CHANGELOG.md)
chmod 0644 "${files[@]/#/$stage/}"
export TZ=UTC
touch -d "$date 00:00:00" "${files[@]/#/$stage/}"

rm -f "$out/$name.zip"
(cd "$stage" && zip -q -X -D "$out/$name.zip" "${files[@]}")
(cd "$out" && sha256sum "$name.zip") > "$out/$name.sha256"
(cd "$stage" && sha256sum "$asi") >> "$out/$name.sha256"

echo "archive: $out/$name.zip"
echo "SHA-256 (also in $out/$name.sha256):"
sed 's/^/  /' "$out/$name.sha256"
