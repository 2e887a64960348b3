#!/usr/bin/env bash
# Fails unless a second build of the same sources, copied to another folder and
# built in other folders, gives the same DLL and the same release archive,
# players' notes included (read from a second native build of the plug-in).
# Only what the release needs is built the second time; the DLL goes into an
# output folder of its own (the linker would derive the image base from that
# path). The DLL's export directory names it as release/product.conf does, and
# so does a fork's: the copied sources renamed, the second build made again.
#   check_reproducible.sh SOURCE_DIR BUILD_DIR NATIVE_BUILD WORK_DIR OBJDUMP
set -euo pipefail
source=$1
first=$2
first_native=$3
work=$4
objdump=$5
# shellcheck source=../release/product.conf
source "$source/release/product.conf"
name="$QDT_FILE_NAME-$QDT_VERSION-win64"
# The build's own file name (the CMake target's); the archive names it for players.
built=QuorvaneDevTools.asi

rm -rf "$work"
mkdir -p "$work/sources-elsewhere"
tar -C "$source" --exclude=./build --exclude=./dist --exclude=./out --exclude=./.git -cf - . |
  tar -C "$work/sources-elsewhere" -xf -
cmake -S "$work/sources-elsewhere" -B "$work/second-native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$work/second-native" --target QuorvaneDevTools qdt_players_notes > "$work/second-native.log"
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$first/CMakeCache.txt")
cmake -S "$work/sources-elsewhere" -B "$work/second-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$work/sources-elsewhere/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE="$build_type" -DQDT_DIST_DIR="$work/second-dist" \
  -DQDT_NATIVE_BUILD_DIR="$work/second-native" \
  -DCMAKE_LIBRARY_OUTPUT_DIRECTORY="$work/second-build/output" > /dev/null
cmake --build "$work/second-build" --target release > "$work/second-build.log"
bash "$source/scripts/package.sh" "$first/$built" "$first_native" "$work/first-dist" > /dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
cmp "$first/$built" "$work/second-build/output/$built" ||
  fail "the DLLs of the two builds differ"
cmp "$work/first-dist/$name.zip" "$work/second-dist/$name.zip" || fail "the two archives differ"
cmp "$work/first-dist/$name.sha256" "$work/second-dist/$name.sha256" || fail "the two checksum files differ"
# Neither folder may be named inside the DLL, in case a later change breaks
# the equality only where the two paths happen to have the same length.
for folder in "$source" "$first" "$work"; do
  if strings -a "$first/$built" | grep -qF "$folder"; then
    fail "the DLL names the build folder $folder"
  fi
done

exported() { "$objdump" -p "$1" | sed -n 's/^Name[[:space:]]*[0-9a-f]* //p'; }
[ "$(exported "$first/$built")" = "$QDT_FILE_NAME.asi" ] ||
  fail "the DLL's export directory names it $(exported "$first/$built"), not $QDT_FILE_NAME.asi"
sed -i 's/^QDT_FILE_NAME=.*/QDT_FILE_NAME="RenamedFork"/' "$work/sources-elsewhere/release/product.conf"
cmake --build "$work/second-build" --target QuorvaneDevTools > "$work/renamed-build.log"
[ "$(exported "$work/second-build/output/$built")" = RenamedFork.asi ] ||
  fail "renamed RenamedFork, the DLL's export directory still names it $(exported "$work/second-build/output/$built")"

echo "OK: two builds in two folders, same bytes:"
cat "$work/first-dist/$name.sha256"
