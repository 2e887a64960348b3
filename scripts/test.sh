#!/usr/bin/env bash
# Builds the plug-in every way and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  cat <<'TEXT'
usage: scripts/test.sh
  Installs what the builds need (Debian), then builds and tests, stopping at the first failing
  stage: native, sanitize (ASan, UBSan), tsan, fuzz (60 s), windows, the Wine scenarios and
  the release checks (archive contents, a second build giving the same bytes).
  Ends with "total: N passed, N failed".
TEXT
}

case "${1:-}" in
  "") ;;
  -h | --help) usage; exit 0 ;;
  *) echo "test.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
esac

"$root/scripts/setup.sh"

passed=0
failed=0
# Runs one build's tests and adds its counts to the totals printed at the end.
run_ctest() {
  echo "== tests: $1"
  local log
  log=$(mktemp)
  local status=0
  ctest --test-dir "$root/build/$1" --output-on-failure -j "$(nproc)" "${@:2}" 2>&1 | tee "$log" || status=$?
  local total bad
  total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
  bad=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n 1)
  rm -f "$log"
  passed=$((passed + ${total:-0} - ${bad:-0}))
  failed=$((failed + ${bad:-0}))
  if [ "$status" -ne 0 ]; then
    echo "total: $passed passed, $failed failed"
    exit "$status"
  fi
}

"$root/scripts/build.sh" native
run_ctest native

"$root/scripts/build.sh" sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest sanitize

# Threads meet only in the key table and the script hand-over.
"$root/scripts/build.sh" tsan
TSAN_OPTIONS=halt_on_error=1 run_ctest tsan

# The menu fuzzer, for a bounded time from the committed seeds; a crash or a
# broken invariant fails the run and leaves the input in build/fuzz/tests/fuzz/findings.
"$root/scripts/build.sh" fuzz
run_ctest fuzz
grep -h "^menu fuzzer:" "$root/build/fuzz/Testing/Temporary/LastTest.log" || true

"$root/scripts/build.sh" windows
run_ctest windows -LE 'wine|release'

# The DLL under a real Windows loader (Wine), compared with the native records.
wine_started=$(date +%s)
run_ctest windows -L wine
echo "wine stage: $(($(date +%s) - wine_started)) s"

# The release archive from the DLL Wine just ran, and a second build of the
# plug-in in another folder that must give the same bytes.
run_ctest windows -L release

echo "total: $passed passed, $failed failed"
