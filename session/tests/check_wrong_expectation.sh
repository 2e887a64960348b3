#!/usr/bin/env bash
# A session whose expectation does not hold fails with the file, the line and
# both sides; the same session with the right expectation passes.
#   check_wrong_expectation.sh QDT_SCENARIOS MODULE
set -euo pipefail
program=$1
module=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'wait 1\ntap F8\n# the fixture page opens on its first row\nexpect row "Row 2"\n' > "$work/wrong.session"
status=0
"$program" --check --plugin "$module" --session "$work/wrong.session" 2> "$work/stderr" || status=$?
expected="$work/wrong.session:4: expected row \"Row 2\", the frame showed row \"Row 1\""
[ "$status" -eq 1 ] || { echo "a wrong expectation ended with status $status, not 1" >&2; exit 1; }
grep -qxF "$expected" "$work/stderr" || { echo "missing: $expected; got:" >&2; cat "$work/stderr" >&2; exit 1; }

sed 's/"Row 2"/"Row 1"/' "$work/wrong.session" > "$work/right.session"
"$program" --check --plugin "$module" --session "$work/right.session"
echo "a wrong expectation names its line; the right one passes"
