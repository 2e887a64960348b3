#!/usr/bin/env bash
# A session that cannot be read stops the preview with status 2 and the reason.
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
exit "$failed"
