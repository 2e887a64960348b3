#!/usr/bin/env bash
# Makes the release: builds the DLL and, from the native build, the players'
# notes, and packs them into dist/NAME-VERSION-win64.zip, its SHA-256 beside
# it (names and version: release/product.conf). Only from a clean commit, so
# the archive can be made again from it; scripts/test.sh checks that the same
# commit gives the same bytes, and the archive's contents, on the DLL the Wine
# scenarios ran.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  cat <<'TEXT'
usage: scripts/release.sh [--allow-dirty]
  Builds the DLL (build/windows) and the plug-in module with qdt_players_notes (build/native), fills in
  the players' notes from the module's main page, and writes dist/NAME-VERSION-win64.zip and .sha256
  (NAME and VERSION from release/product.conf; CHANGELOG.md needs the version's entry). Build output
  goes to out/release.log. Refuses a working tree with uncommitted changes or untracked files.
    --allow-dirty   release from such a tree anyway, to try it out: the archive then cannot be made
                    again from any commit
TEXT
}

allow_dirty=false
for argument in "$@"; do
  case "$argument" in
    -h | --help) usage; exit 0 ;;
    --allow-dirty) allow_dirty=true ;;
    *) echo "release.sh: unknown option $argument" >&2; usage >&2; exit 2 ;;
  esac
done

# A release is a commit's sources and nothing else.
dirty=""
if ! changes=$(git -C "$root" status --porcelain --untracked-files=normal 2> /dev/null); then
  dirty="$root is not a git checkout, so nothing says which commit these sources are"
elif [ -n "$changes" ]; then
  dirty="the working tree has uncommitted changes or untracked files:
$(printf '%s\n' "$changes" | head -n 5 | sed 's/^/  /')"
  [ "$(printf '%s\n' "$changes" | wc -l)" -le 5 ] || dirty+=$'\n  ...'
fi
if [ -n "$dirty" ] && ! $allow_dirty; then
  echo "release.sh: not releasing: $dirty" >&2
  echo "Commit (or remove) them first, so the archive can be made again from the commit;" \
    "or pass --allow-dirty to try a release out anyway." >&2
  exit 1
fi

mkdir -p "$root/out"
log="$root/out/release.log"
: > "$log"
# One build step, its output in the log; a failure shows the log's end.
quietly() {
  if ! "$@" >> "$log" 2>&1; then
    echo "release.sh: failed: ${*#"$root/"} (the end of $log):" >&2
    tail -n 25 "$log" >&2
    exit 1
  fi
}
echo "building the DLL and the notes' reader (log: $log) ..."
quietly "$root/scripts/setup.sh"
quietly "$root/scripts/build.sh" native QuorvaneDevTools qdt_players_notes

# A fork that still goes by our name: its rows are not the ones the name
# stands for. These are the main page's rows as Quorvane Dev Tools ships them.
shipped_rows="Set voice: VOFX_PLAYER_MALE01
Set voice: VOFX_PLAYER_MALE02
Set voice: VOFX_PLAYER_MALE03
Set voice: VOFX_PLAYER_FEMALE01
Set voice: VOFX_PLAYER_FEMALE02
Set voice: VOFX_PLAYER_FEMALE03"
# shellcheck source=../release/product.conf
source "$root/release/product.conf"
rows=$("$root/build/native/tools/players_notes/qdt_players_notes" --rows)
if [ "$rows" != "$shipped_rows" ] &&
  { [ "$QDT_PRODUCT_NAME" = "Quorvane Dev Tools" ] || [ "$QDT_FILE_NAME" = QuorvaneDevTools ]; }; then
  echo "warning: the main page's rows are not Quorvane Dev Tools' own, but the release still carries its name:" \
    "give yours in release/product.conf and your notes in release/README.txt.in"
fi

quietly "$root/scripts/build.sh" windows QuorvaneDevTools
"$root/scripts/build.sh" windows release 2>> "$log" | grep -v '^\[[0-9]*/[0-9]*\]'
if [ -n "$dirty" ]; then
  echo "note: released with --allow-dirty from uncommitted sources; no commit gives this archive again"
fi
