#!/usr/bin/env bash
# qdt_natives as a modder runs it: check passes on today's list against the
# reference's facts and fails naming each disagreement; add prints the line,
# --write appends it once, and a type it cannot map stops it.
#   check_natives_tool.sh QDT_NATIVES NATIVE_LIST FULL_JSON SMALL_JSON
set -uo pipefail
tool=$1 list=$2 full=$3 small=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

"$tool" --db "$full" --list "$list" check > "$work/out" 2> "$work/err"
[ $? -eq 0 ] || fail "check on today's list exits non-zero: $(cat "$work/out" "$work/err")"
grep -q ' 0 disagreement(s)$' "$work/out" || fail "check says: $(tail -n 1 "$work/out")"

"$tool" --db "$small" --list "$list" check > "$work/out" 2> "$work/err"
[ $? -eq 1 ] || fail "check against the small file does not exit 1"
grep -q "^$list:[0-9]*: InputDeviceQuery: 0xa571d46727e2b718 is not in the natives file$" "$work/out" ||
  fail "check names no missing hash with its line: $(head -n 3 "$work/out")"
grep -q 'skipped CLOCK::GET_CLOCK_MINUTES ("")' "$work/err" || fail "the entry without a hash is not named"

# The list may hold the native already once a page calls it: the copy leaves it out.
grep -v '"CLOCK::SET_CLOCK_TIME"' "$list" > "$work/NativeList.h"
cp "$work/NativeList.h" "$work/before.h"
expected="QDT_NATIVE(SetClockTime, 0x3a52c59ffb2deed8, \"CLOCK::SET_CLOCK_TIME\", \"iii\", '-')"
printed=$("$tool" --db "$small" --list "$work/NativeList.h" add CLOCK::SET_CLOCK_TIME 2>/dev/null)
[ "$printed" = "$expected" ] || fail "add prints: $printed"
cmp -s "$work/NativeList.h" "$work/before.h" || fail "add without --write changed the list"
"$tool" --db "$small" --list "$work/NativeList.h" add CLOCK::SET_CLOCK_TIME --write > /dev/null 2>&1 ||
  fail "add --write exits non-zero"
[ "$(tail -n 1 "$work/NativeList.h")" = "$expected" ] || fail "the list does not end in the line"
[ "$(head -n -1 "$work/NativeList.h")" = "$(cat "$work/before.h")" ] || fail "--write changed more than the end"
"$tool" --db "$small" --list "$work/NativeList.h" add CLOCK::SET_CLOCK_TIME --write > /dev/null 2> "$work/err"
[ $? -eq 1 ] || fail "a second add --write does not refuse"
grep -q 'the list holds it already' "$work/err" || fail "the second add says: $(cat "$work/err")"
[ "$(grep -c SET_CLOCK_TIME "$work/NativeList.h")" -eq 1 ] || fail "the second add wrote"

"$tool" --db "$small" --list "$list" add AUDIO::PLAY_SOUND_FRONTEND > "$work/out" 2> "$work/err"
[ $? -eq 1 ] || fail "add of a native with an Any argument does not stop"
grep -q 'argument 4 (p3) is Any' "$work/err" || fail "the Any argument is not named: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "a refused add prints a line"
exit "$failed"
