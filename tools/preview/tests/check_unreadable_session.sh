#!/usr/bin/env bash
# A session that cannot be read stops the preview with status 2 and the reason;
# so does one that cannot be played on (a row not drawn to point at), naming
# its line, after writing what it played before it.
preview=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
expect() { # SESSION REASON
  "$preview" --session "$1" --out "$scratch/out" > /dev/null 2> "$scratch/err"
  status=$?
  if [ "$status" -ne 2 ] || ! grep -qF "$2" "$scratch/err"; then
    echo "--session $1: status $status, said: $(cat "$scratch/err")"
    failed=1
  fi
}
expect "$scratch" "it is a directory"
expect "$scratch/missing.session" "No such file or directory"

printf 'wait 1\ntap F8\nsnapshot open\npoint at row 9\nsnapshot never\n' > "$scratch/far.session"
expect "$scratch/far.session" "far.session: line 4: point at row 9: the page has rows 1 to"
for written in open.png contact-sheet.png calls.txt; do
  [ -f "$scratch/out/$written" ] || { echo "the stopped session did not write $written"; failed=1; }
done
[ ! -e "$scratch/out/never.png" ] || { echo "the stopped session went on past its mistake"; failed=1; }
exit "$failed"
