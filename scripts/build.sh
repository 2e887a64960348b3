#!/usr/bin/env bash
# Configures and builds one flavour into build/<name>; a second argument
# builds only that target.
#   build.sh windows      the product, QuorvaneDevTools.asi (mingw-w64)
#   build.sh native       plug-in and stand-in for Linux
#   build.sh sanitize     native, with AddressSanitizer and UndefinedBehaviorSanitizer
#   build.sh tsan         native, with ThreadSanitizer
#   build.sh fuzz         the menu fuzzer (clang, libFuzzer with ASan and UBSan)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  cat <<'TEXT'
usage: scripts/build.sh windows|native|sanitize|tsan|fuzz [TARGET]
  Configures and builds one flavour into build/FLAVOUR (only TARGET, if given):
    windows    the product, QuorvaneDevTools.asi (mingw-w64)
    native     plug-in and stand-in for Linux
    sanitize   native, with AddressSanitizer and UndefinedBehaviorSanitizer
    tsan       native, with ThreadSanitizer
    fuzz       the menu fuzzer (clang, libFuzzer with ASan and UBSan)
TEXT
}

case "${1:-}" in
  -h | --help) usage; exit 0 ;;
esac
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  usage >&2
  exit 2
fi
flavour=$1
dir="$root/build/$flavour"
case "$flavour" in
  windows)  args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel) ;;
  native)   args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) args=(-DCMAKE_BUILD_TYPE=Debug -DQDT_SANITIZE=address,undefined) ;;
  tsan)     args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQDT_SANITIZE=thread) ;;
  fuzz)     args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DQDT_FUZZ=ON) ;;
  *) echo "build.sh: unknown flavour $flavour" >&2; usage >&2; exit 2 ;;
esac
cmake -S "$root" -B "$dir" -G Ninja "${args[@]}" > /dev/null
cmake --build "$dir" ${2:+--target "$2"}
