#!/usr/bin/env bash
# Fails unless a second build of the same sources, copied to another folder and
# built in another folder, gives the same DLL and the same release archive.
# Only the plug-in is built the second time, into an output folder of its own
# (the linker would derive the image base from that path).
#   check_reproducible.sh VERSION SOURCE_DIR BUILD_DIR WORK_DIR
set -euo pipefail
version=$1
source=$2
first=$3
work=$4
name="QuorvaneDevTools-$version-win64"

rm -rf "$work"
mkdir -p "$work/sources-elsewhere"
tar -C "$source" --exclude=./build --exclude=./dist --exclude=./out --exclude=./.git -cf - . |
  tar -C "$work/sources-elsewhere" -xf -
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$first/CMakeCache.txt")
cmake -S "$work/sources-elsewhere" -B "$work/second-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$work/sources-elsewhere/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE="$build_type" -DQDT_DIST_DIR="$work/second-dist" \
  -DCMAKE_LIBRARY_OUTPUT_DIRECTORY="$work/second-build/output" > /dev/null
cmake --build "$work/second-build" --target release > "$work/second-build.log"
bash "$source/scripts/package.sh" "$version" "$first/QuorvaneDevTools.asi" "$work/first-dist" > /dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
cmp "$first/QuorvaneDevTools.asi" "$work/second-build/output/QuorvaneDevTools.asi" ||
  fail "the DLLs of the two builds differ"
cmp "$work/first-dist/$name.zip" "$work/second-dist/$name.zip" || fail "the two archives differ"
cmp "$work/first-dist/$name.sha256" "$work/second-dist/$name.sha256" || fail "the two checksum files differ"
# Neither folder may be named inside the DLL, in case a later change breaks
# the equality only where the two paths happen to have the same length.
for folder in "$source" "$first" "$work"; do
  if strings -a "$first/QuorvaneDevTools.asi" | grep -qF "$folder"; then
    fail "the DLL names the build folder $folder"
  fi
done
echo "OK: two builds in two folders, same bytes:"
cat "$work/first-dist/$name.sha256"
