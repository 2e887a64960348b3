#!/usr/bin/env bash
# Builds the plug-in every way and runs every test; --quick only the native build.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  cat <<'TEXT'
usage: scripts/test.sh [--quick]
  Installs what the builds need (Debian), then builds and tests every stage, also after one has
  failed: native, sanitize (ASan, UBSan), tsan, fuzz (60 s), windows, the Wine scenarios and the
  release checks (archive contents, a second build giving the same bytes). Ends with each
  stage's result and "total: N passed, N failed" (a build that fails counts as one failure);
  exits non-zero if anything failed.
    --quick   only the native build and its tests, for the inner loop
TEXT
}

quick=false
case "${1:-}" in
  "") ;;
  --quick) quick=true ;;
  -h | --help) usage; exit 0 ;;
  *) echo "test.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
esac
[ $# -le 1 ] || { echo "test.sh: unexpected argument $2" >&2; usage >&2; exit 2; }

"$root/scripts/setup.sh" || exit 1

passed=0
failed=0
results=()
built=()
# One stage's line in the summary at the end.
result() { results+=("$(printf '  %-9s %s' "$1" "$2")"); }

# Builds one flavour; a failure is the stage's result and one failure in the total.
build() {
  if "$root/scripts/build.sh" "$1"; then
    built+=("$1")
    return 0
  fi
  failed=$((failed + 1))
  return 1
}
was_built() { [[ " ${built[*]} " == *" $1 "* ]]; }

# Runs one test preset (CMakePresets.json) and adds its counts to the totals.
run_ctest() {
  local stage=$1
  echo "== tests: $stage"
  local log status=0
  log=$(mktemp)
  (cd "$root" && ctest --preset "$stage" -j "$(nproc)") 2>&1 | tee "$log" || status=$?
  local total bad
  total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
  bad=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n 1)
  rm -f "$log"
  passed=$((passed + ${total:-0} - ${bad:-0}))
  failed=$((failed + ${bad:-0}))
  if [ "$status" -eq 0 ]; then
    result "$stage" "passed ($((${total:-0} - ${bad:-0})) tests)"
  elif [ -z "$total" ]; then
    failed=$((failed + 1))
    result "$stage" "FAILED (ctest exited with $status)"
  else
    result "$stage" "FAILED (${bad:-0} of $total tests)"
  fi
}

# A stage: build the flavour, then run its tests; a failed build skips them.
stage() {
  if build "$1"; then
    run_ctest "$1"
  else
    result "$1" "FAILED (the build)"
  fi
}

stage native

if ! $quick; then
  stage sanitize

  # Threads meet only in the key table and the script hand-over.
  stage tsan

  # The menu fuzzer, for a bounded time from the committed seeds; a crash or a
  # broken invariant fails the run and leaves the input in build/fuzz/tests/fuzz/findings.
  stage fuzz
  grep -h -e "^menu fuzzer:" -e "^menu/ lines run" "$root/build/fuzz/Testing/Temporary/LastTest.log" 2> /dev/null || true

  stage windows

  # The DLL under a real Windows loader (Wine), compared with the native records.
  if was_built windows && was_built native; then
    wine_started=$(date +%s)
    run_ctest wine
    echo "wine stage: $(($(date +%s) - wine_started)) s"
  else
    result wine "skipped (needs the native and windows builds)"
  fi

  # The release archive from the DLL Wine just ran, and a second build of the
  # plug-in in another folder that must give the same bytes.
  if was_built windows; then
    run_ctest release
  else
    result release "skipped (needs the windows build)"
  fi
fi

echo "== results"
printf '%s\n' "${results[@]}"
echo "total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
