#!/usr/bin/env bash
# Configures and builds one flavour into build/<name> through its preset in
# CMakePresets.json (an IDE sees the same builds); more arguments build only
# those targets.
#   build.sh windows      the product, QuorvaneDevTools.asi (mingw-w64)
#   build.sh native       plug-in and stand-in for Linux
#   build.sh sanitize     native, with AddressSanitizer and UndefinedBehaviorSanitizer
#   build.sh tsan         native, with ThreadSanitizer
#   build.sh fuzz         the menu fuzzer (clang, libFuzzer with ASan and UBSan)
#   build.sh bench        Release, the benchmarks bench/report runs
# With CI set in the environment, warnings are errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  cat <<'TEXT'
usage: scripts/build.sh windows|native|sanitize|tsan|fuzz|bench [TARGET...]
  Configures and builds one flavour into build/FLAVOUR (only the TARGETs, if given), through the
  preset of the same name in CMakePresets.json:
    windows    the product, QuorvaneDevTools.asi (mingw-w64)
    native     plug-in and stand-in for Linux
    sanitize   native, with AddressSanitizer and UndefinedBehaviorSanitizer
    tsan       native, with ThreadSanitizer
    fuzz       the menu fuzzer (clang, libFuzzer with ASan and UBSan)
    bench      Release, the benchmarks bench/report runs
  With CI set in the environment, warnings are errors (QDT_WERROR).
TEXT
}

case "${1:-}" in
  -h | --help) usage; exit 0 ;;
  windows | native | sanitize | tsan | fuzz | bench) ;;
  "") echo "build.sh: no flavour given" >&2; usage >&2; exit 2 ;;
  *) echo "build.sh: unknown flavour $1" >&2; usage >&2; exit 2 ;;
esac
flavour=$1
shift
cd "$root"
cmake --preset "$flavour" > /dev/null
if [ $# -gt 0 ]; then
  cmake --build --preset "$flavour" --target "$@"
else
  cmake --build --preset "$flavour"
fi
