#!/usr/bin/env bash
# Each program given answers --help with its usage on stdout and status 0, and
# an unknown option with status 2, nothing on stdout, and on stderr first the
# reason (the program's name and the option) and then the usage, before it
# does any work.
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

for program in "$@"; do
  name=${program##*/}
  "$program" --help > "$work/out" 2> "$work/err"
  status=$?
  [ "$status" -eq 0 ] || fail "$name --help exits with $status"
  grep -q '^usage: ' "$work/out" || fail "$name --help prints no usage on stdout"
  [ ! -s "$work/err" ] || fail "$name --help writes to stderr: $(head -n 1 "$work/err")"

  "$program" --no-such-option > "$work/out" 2> "$work/err"
  status=$?
  [ "$status" -eq 2 ] || fail "$name --no-such-option exits with $status, not 2"
  reason=$(head -n 1 "$work/err")
  case "$reason" in
    "$name: "*--no-such-option* | "${name%.sh}: "*--no-such-option*) ;;
    *) fail "$name --no-such-option gives no reason naming the option first: $reason" ;;
  esac
  grep -q 'usage: ' "$work/err" || fail "$name --no-such-option prints no usage on stderr"
  [ ! -s "$work/out" ] || fail "$name --no-such-option writes to stdout: $(head -n 1 "$work/out")"
done
exit "$failed"
