#!/usr/bin/env bash
# Each program given answers --help with its usage on stdout and status 0, and
# an unknown option with its usage on stderr, nothing on stdout and a failing
# status, before it does any work.
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
  [ "$status" -ne 0 ] || fail "$name --no-such-option exits with 0"
  grep -q 'usage: ' "$work/err" || fail "$name --no-such-option prints no usage on stderr"
  [ ! -s "$work/out" ] || fail "$name --no-such-option writes to stdout: $(head -n 1 "$work/out")"
done
exit "$failed"
