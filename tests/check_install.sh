#!/usr/bin/env bash
# scripts/install.sh on a made-up game folder: it refuses a folder without the
# script hook, installs beside it and records what it wrote, says what it
# replaced, and on --uninstall removes only its own file, and only unchanged.
# Renamed in release/product.conf, it names what it installed under the old
# name, and with --replace takes that out on the same terms. With FILE_NAME,
# all of it for a product of that file name (a fork's), whatever its place
# among the game's own files.
#   check_install.sh INSTALL_SH [FILE_NAME]
set -uo pipefail
install=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ $# -gt 1 ]; then
  mkdir -p "$work/named/scripts" "$work/named/release"
  cp "$install" "$work/named/scripts/install.sh"
  sed "s/^QDT_FILE_NAME=.*/QDT_FILE_NAME=\"$2\"/" "$(dirname "$install")/../release/product.conf" \
    > "$work/named/release/product.conf"
  install="$work/named/scripts/install.sh"
fi
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }
# Runs install.sh; its status, stdout and stderr land in $status, $work/out and $work/err.
run() { bash "$install" "$@" > "$work/out" 2> "$work/err"; status=$?; }
said() { grep -qF -- "$2" "$work/$1" || fail "install.sh $3: $1 lacks \"$2\": $(cat "$work/$1")"; }
sum() { sha256sum < "$1" | cut -d' ' -f1; }
# The names in a folder, in one order whatever the locale: as a sorted list of NAMEs would give them.
names() { ls -A "$1" | LC_ALL=C sort | tr '\n' ' '; }
sorted() { printf '%s\n' "$@" | LC_ALL=C sort | tr '\n' ' '; }

printf 'first build' > "$work/first.asi"
printf 'second build, longer' > "$work/second.asi"
mkdir "$work/no-hook" "$work/game"
printf 'hook' > "$work/game/ScriptHookRDR2.dll"
printf 'the game' > "$work/game/RDR2.exe"
name=$(sed -n 's/^QDT_FILE_NAME="\(.*\)"$/\1/p' "$(dirname "$install")/../release/product.conf")
asi="$work/game/$name.asi"
record="$work/game/$name.install"

run --dll "$work/first.asi" "$work/no-hook"
[ "$status" -eq 1 ] || fail "a folder without the hook: status $status, not 1"
said err "holds no ScriptHookRDR2.dll" "without the hook"
[ -z "$(ls -A "$work/no-hook")" ] || fail "install.sh wrote into a folder without the hook: $(ls -A "$work/no-hook")"

run --dll "$work/missing.asi" "$work/game"
[ "$status" -eq 1 ] || fail "a missing DLL: status $status, not 1"
said err "no DLL at $work/missing.asi" "with a missing DLL"

run --dll "$work/first.asi" "$work/game"
[ "$status" -eq 0 ] || fail "first install: status $status: $(cat "$work/err")"
cmp -s "$work/first.asi" "$asi" || fail "the installed file is not the DLL given"
said out "installed $asi (11 bytes, SHA-256 $(sum "$work/first.asi"))" "first install"
[ "$(cat "$record")" = "$(sum "$work/first.asi")  $name.asi" ] || fail "the record holds: $(cat "$record")"

run --dll "$work/second.asi" "$work/game"
[ "$status" -eq 0 ] || fail "second install: status $status: $(cat "$work/err")"
cmp -s "$work/second.asi" "$asi" || fail "the second install did not replace the file"
said out "replaced $asi" "over an older file"
said out "before: 11 bytes, SHA-256 $(sum "$work/first.asi")" "over an older file"
said out "now:    20 bytes, SHA-256 $(sum "$work/second.asi")" "over an older file"
ls "$work/game" | grep -q partial && fail "a partial file was left behind"

run --uninstall "$work/game"
[ "$status" -eq 0 ] || fail "uninstall: status $status: $(cat "$work/err")"
[ ! -e "$asi" ] && [ ! -e "$record" ] || fail "uninstall left its files: $(ls "$work/game")"
[ "$(names "$work/game")" = "$(sorted RDR2.exe ScriptHookRDR2.dll)" ] ||
  fail "uninstall touched other files: $(ls "$work/game")"

run --uninstall "$work/game"
[ "$status" -eq 1 ] || fail "uninstall with nothing installed: status $status, not 1"
said err "nothing to remove" "with nothing installed"

# A file changed after install.sh wrote it is someone else's now.
run --dll "$work/first.asi" "$work/game"
printf ' patched' >> "$asi"
run --uninstall "$work/game"
[ "$status" -eq 1 ] || fail "uninstall of a changed file: status $status, not 1"
said err "left $asi in place: it changed since install.sh wrote it" "with a changed file"
[ -e "$asi" ] && [ -e "$record" ] || fail "uninstall removed a changed file or its record"

# A fork renamed: install.sh beside a product.conf with another QDT_FILE_NAME.
mkdir -p "$work/fork/scripts" "$work/fork/release" "$work/game2"
cp "$install" "$work/fork/scripts/install.sh"
sed 's/^QDT_FILE_NAME=.*/QDT_FILE_NAME="RenamedFork"/' "$(dirname "$install")/../release/product.conf" \
  > "$work/fork/release/product.conf"
cp "$work/game/ScriptHookRDR2.dll" "$work/game/RDR2.exe" "$work/game2/"
game2="$work/game2"
old="$game2/$name.asi"
fork() { bash "$work/fork/scripts/install.sh" "$@" > "$work/out" 2> "$work/err"; status=$?; }
left() { names "$game2"; }

run --dll "$work/first.asi" "$game2"
fork --dll "$work/second.asi" "$game2"
[ "$status" -eq 0 ] || fail "the renamed install: status $status: $(cat "$work/err")"
said out "warning: install.sh installed $old here before" "renamed"
said out "Give --replace to take it out" "renamed"
[ "$(left)" = "$(sorted "$name.asi" "$name.install" RDR2.exe RenamedFork.asi RenamedFork.install \
  ScriptHookRDR2.dll)" ] ||
  fail "the renamed install without --replace: the folder holds $(left)"

fork --uninstall "$game2"
[ "$status" -eq 0 ] || fail "the renamed uninstall: status $status: $(cat "$work/err")"
said out "warning: install.sh installed $old here before" "renamed, on --uninstall"
[ "$(left)" = "$(sorted "$name.asi" "$name.install" RDR2.exe ScriptHookRDR2.dll)" ] ||
  fail "the renamed uninstall without --replace: the folder holds $(left)"

printf ' patched' >> "$old"
fork --replace --dll "$work/second.asi" "$game2"
[ "$status" -eq 1 ] || fail "--replace of a changed file: status $status, not 1"
said err "left $old in place: it changed since install.sh wrote it" "--replace of a changed file"
[ ! -e "$game2/RenamedFork.asi" ] || fail "--replace installed although the old file could not go"

cp "$work/first.asi" "$old"
fork --replace --dll "$work/second.asi" "$game2"
[ "$status" -eq 0 ] || fail "--replace: status $status: $(cat "$work/err")"
said out "removed $old" "--replace"
[ "$(left)" = "$(sorted RDR2.exe RenamedFork.asi RenamedFork.install ScriptHookRDR2.dll)" ] ||
  fail "--replace: the folder holds $(left)"

run --dll "$work/first.asi" "$game2"
fork --uninstall --replace "$game2"
[ "$status" -eq 0 ] || fail "--uninstall --replace: status $status: $(cat "$work/err")"
[ "$(left)" = "$(sorted RDR2.exe ScriptHookRDR2.dll)" ] || fail "--uninstall --replace: the folder holds $(left)"

exit "$failed"
