#!/usr/bin/env bash
# Puts the built DLL into a game folder, beside the script hook, and takes it
# out again: the inner loop of trying a change in the game. It keeps a record
# of what it wrote (NAME.install in the game folder) and removes only that.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  cat <<'TEXT'
usage: scripts/install.sh [--dll FILE] [--replace] GAME_DIR
       scripts/install.sh --uninstall [--replace] GAME_DIR
  Builds the DLL (scripts/build.sh windows QuorvaneDevTools, output in out/install.log) and copies
  it into GAME_DIR, the folder that holds the game and ScriptHookRDR2.dll, as NAME.asi (NAME from
  release/product.conf). Says what it replaced: the old file's size and SHA-256, and the new one's.
  Writes GAME_DIR/NAME.install, the SHA-256 of what it wrote.
    --dll FILE    install FILE instead, without building
    --uninstall   remove what install.sh wrote, if it is still what it wrote; a changed file is
                  left in place and named
    --replace     also take out what install.sh installed in GAME_DIR before under another NAME
                  (release/product.conf changed since), on the same terms; without it, each is named
  From WSL, the game folder is under /mnt/c/..., for example
  "/mnt/c/Program Files (x86)/Steam/steamapps/common/Red Dead Redemption 2".
TEXT
}
mistake() { echo "install.sh: $1" >&2; usage >&2; exit 2; }
stop() { echo "install.sh: $1" >&2; exit 1; }

dll=""
uninstall=false
replace=false
game=""
while [ $# -gt 0 ]; do
  case "$1" in
    -h | --help) usage; exit 0 ;;
    --dll) [ $# -ge 2 ] || mistake "--dll needs a FILE"; dll=$2; shift 2 ;;
    --uninstall) uninstall=true; shift ;;
    --replace) replace=true; shift ;;
    -*) mistake "unknown option $1" ;;
    *) [ -z "$game" ] || mistake "one GAME_DIR only, not also $1"; game=$1; shift ;;
  esac
done
[ -n "$game" ] || mistake "no GAME_DIR given"
[ -d "$game" ] || stop "no folder $game"
$uninstall && [ -n "$dll" ] && mistake "--dll and --uninstall do not go together"

# shellcheck source=../release/product.conf
source "$root/release/product.conf"
target="$game/$QDT_FILE_NAME.asi"
record="$game/$QDT_FILE_NAME.install"
sum() { sha256sum < "$1" | cut -d' ' -f1; }
described() { echo "$(stat -c %s "$1") bytes, SHA-256 $(sum "$1")"; }

# Takes out what install.sh wrote as NAME.asi and its record NAME.install;
# a file changed since it wrote it stays, with its record, and is named.
take_out() {
  local asi="$game/$1.asi" record="$game/$1.install" written
  read -r written _ < "$record" || true
  if [ -f "$asi" ]; then
    if [ "$(sum "$asi")" != "$written" ]; then
      echo "install.sh: left $asi in place: it changed since install.sh wrote it ($(described "$asi"); it wrote SHA-256 $written). Delete it yourself if you mean to, and $record with it." >&2
      return 1
    fi
    rm -f "$asi"
    echo "removed $asi"
  else
    echo "$asi was gone already"
  fi
  rm -f "$record"
  echo "removed $record"
}

# The names install.sh installed under before, by their records ("SHA-256  NAME.asi" in NAME.install).
earlier=()
for other in "$game"/*.install; do
  name=$(basename "$other" .install)
  [ -f "$other" ] && [ "$name" != "$QDT_FILE_NAME" ] || continue
  read -r _ named < "$other" || true
  [ "$named" != "$name.asi" ] || earlier+=("$name")
done
# With --replace they go, unless one changed since; otherwise each is named.
earlier_names() {
  for name in "${earlier[@]}"; do
    if $replace; then
      take_out "$name" || exit 1
    else
      echo "warning: install.sh installed $game/$name.asi here before, under the file name release/product.conf gave then; the game loads it as well as $QDT_FILE_NAME.asi. Give --replace to take it out."
    fi
  done
}

if $uninstall; then
  if [ ! -f "$record" ]; then
    earlier_names
    { $replace && [ ${#earlier[@]} -gt 0 ]; } ||
      stop "nothing to remove: $record is missing, so install.sh did not install $QDT_FILE_NAME.asi into $game"
    exit 0
  fi
  take_out "$QDT_FILE_NAME" || exit 1
  earlier_names
  exit 0
fi

# The hook loads .asi files from its own folder; anywhere else it would lie unused.
hook=$(find "$game" -maxdepth 1 -type f -iname ScriptHookRDR2.dll -print -quit)
[ -n "$hook" ] || stop "$game holds no ScriptHookRDR2.dll: install the script hook into the game folder (the one with RDR2.exe) first, then install there"

if [ -z "$dll" ]; then
  mkdir -p "$root/out"
  log="$root/out/install.log"
  if ! { "$root/scripts/setup.sh" && "$root/scripts/build.sh" windows QuorvaneDevTools; } > "$log" 2>&1; then
    echo "install.sh: the build failed (the end of $log):" >&2
    tail -n 25 "$log" >&2
    exit 1
  fi
  dll="$root/build/windows/QuorvaneDevTools.asi"
fi
[ -f "$dll" ] || stop "no DLL at $dll"

earlier_names

before=""
[ -f "$target" ] && before=$(described "$target")
# Written beside the target, then moved over it, so the folder never holds
# half a file; Windows refuses the move while the game has the old one loaded.
partial="$target.partial"
cp "$dll" "$partial" || stop "cannot write into $game"
if ! mv -f "$partial" "$target"; then
  rm -f "$partial"
  stop "cannot replace $target: is the game running? Quit it and install again."
fi
echo "$(sum "$target")  $QDT_FILE_NAME.asi" > "$record"
if [ -z "$before" ]; then
  echo "installed $target ($(described "$target"))"
elif [ "$before" = "$(described "$target")" ]; then
  echo "$target is already this build ($before); written again"
else
  echo "replaced $target"
  echo "  before: $before"
  echo "  now:    $(described "$target")"
fi
