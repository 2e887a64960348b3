#!/usr/bin/env bash
# Builds the plug-in every way and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

run_ctest() {
  echo "== tests: $1"
  ctest --test-dir "$root/build/$1" --output-on-failure -j "$(nproc)" "${@:2}"
}

"$root/scripts/build.sh" native
run_ctest native

"$root/scripts/build.sh" sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest sanitize

"$root/scripts/build.sh" windows
run_ctest windows -LE wine

# The DLL under a real Windows loader (Wine), compared with the native records.
wine_started=$(date +%s)
run_ctest windows -L wine
echo "wine stage: $(($(date +%s) - wine_started)) s"
