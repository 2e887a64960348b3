#!/usr/bin/env bash
# The template mod (examples/standalone-mod/) as a mod developer builds it:
# from a package installed into a folder of its own, natively and for Windows.
# Its session passes on the module and on the DLL under Wine, and records the
# same native calls as the same pages built inside this tree (CampHelperInTree).
# The installed tools work with the prefix moved, on what the package holds.
# Then what a mod gets wrong: a session that fails, no InitializeMenu, a bad
# FILE_NAME or VERSION; and the tree taken in by add_subdirectory and
# FetchContent (a folder, or a git clone), which must define the two calls
# and none of our tests.
#   check_standalone_mod.sh SOURCE_DIR NATIVE_BUILD WINDOWS_BUILD WORK_DIR OBJDUMP WINDRES
set -euo pipefail
source_dir=$1
native=$2
windows=$3
rm -rf "$4"
mkdir -p "$4"
work=$(cd "$4" && pwd)
objdump=$5
windres=$6
prefix=$work/prefix
template=$source_dir/examples/standalone-mod

fail() { echo "FAIL: $*" >&2; exit 1; }
# Runs a step quietly into its log; a failure shows the log's end.
quietly() {
  local log=$1
  shift
  "$@" > "$log" 2>&1 || { tail -n 30 "$log" >&2; fail "$* (log: $log)"; }
}
# Runs a step that must fail; its output must say why (CMake wraps its
# messages, so lines are joined first).
refused() {
  local log=$1 reason=$2
  shift 2
  ! "$@" > "$log" 2>&1 || fail "$* succeeded"
  tr '\n' ' ' < "$log" | tr -s ' ' | grep -qF -- "$reason" ||
    { tail -n 20 "$log" >&2; fail "$* failed without saying \"$reason\""; }
}

quietly "$work/install.log" cmake --install "$native" --prefix "$prefix"
for file in bin/qdt_preview bin/qdt_workbench bin/qdt_natives bin/qdt_scenarios include/quorvane/menu/Menu.h \
  include/quorvane/QuorvaneMenuVersion.h lib/cmake/QuorvaneMenu/QuorvaneMenuConfig.cmake \
  lib/cmake/QuorvaneMenu/mingw-w64.cmake lib/cmake/QuorvaneMenu/ScriptHookRDR2.def \
  lib/QuorvaneMenu/windows/qdt_scenarios.exe lib/QuorvaneMenu/windows/ScriptHookRDR2.dll; do
  [ -e "$prefix/$file" ] || fail "the package lacks $file"
done
# The Wine runner the package holds is this Windows build's (build/native's
# QDT_WINDOWS_BUILD_DIR names where install takes it from).
cmp -s "$prefix/lib/QuorvaneMenu/windows/qdt_scenarios.exe" "$windows/qdt_scenarios.exe" ||
  fail "the package's Wine runner is not $windows/qdt_scenarios.exe (QDT_WINDOWS_BUILD_DIR in $native)"
# shellcheck source=../release/product.conf
source "$source_dir/release/product.conf"
grep -qF "#define QUORVANE_MENU_VERSION \"$QDT_VERSION\"" "$prefix/include/quorvane/QuorvaneMenuVersion.h" ||
  fail "menu/Version.h does not give the version $QDT_VERSION"

# The mod in a folder of its own, with two more things a mod gets wrong: a
# session whose expectation fails on its line 4, and a plug-in without InitializeMenu.
mod=$work/mod
cp -r "$template" "$mod"
printf 'wait 2\ntap F8\nexpect menu open\nexpect row "Campfire lit" on\n' > "$mod/broken.session"
printf 'int CampfireCount() {\n    return 1;\n}\n' > "$mod/NoMenu.cpp"
cat >> "$mod/CMakeLists.txt" <<'TEXT'
quorvane_add_sessions(CampHelper broken.session)
quorvane_add_plugin(NoMenu SOURCES NoMenu.cpp)
TEXT

# Builds the mod one way, then its tests: the template's session passes, the
# broken one fails by its line. NoMenu's link must fail as the linker says it.
build_and_test() {
  local build=$1 no_menu=$2
  shift 2
  quietly "$build.configure.log" cmake -S "$mod" -B "$build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" "$@"
  quietly "$build.build.log" cmake --build "$build" --target CampHelper
  refused "$build.no-menu.log" "$no_menu" cmake --build "$build" --target NoMenu
  quietly "$build.session.log" ctest --test-dir "$build" -R 'CampHelper_camp-helper$' --output-on-failure
  refused "$build.broken.log" "broken.session:4: expected" \
    ctest --test-dir "$build" -R 'CampHelper_broken$' --output-on-failure
}

build_and_test "$work/native" "required symbol \`_Z14InitializeMenuv' not defined"
# The same pages, the same native calls, whichever way they were built.
"$prefix/bin/qdt_scenarios" --plugin "$work/native/CampHelper.so" --session "$mod/camp-helper.session" \
  > "$work/package-record.txt"
"$native/tests/qdt_scenarios" --plugin "$native/examples/CampHelperInTree.so" \
  --session "$template/camp-helper.session" > "$work/tree-record.txt"
[ "$(grep -c '^-- frame' "$work/tree-record.txt")" -gt 0 ] || fail "the record in the tree holds no frame"
cmp -s "$work/package-record.txt" "$work/tree-record.txt" ||
  fail "the mod built from the package calls otherwise than inside the tree" \
    "(diff -u $work/tree-record.txt $work/package-record.txt)"

# The installed tools need no tree: moved elsewhere, the package's preview
# plays its own copy of the default session on the mod or on its own plug-in,
# and its qdt_natives
# reads its own copy of the native list and will not append a mod's native to it.
moved=$work/moved-prefix
mv "$prefix" "$moved"
session=$moved/share/QuorvaneMenu/sessions/default.session
cmp -s "$session" "$source_dir/tools/preview/sessions/default.session" || fail "the package lacks the default session"
quietly "$work/preview.log" "$moved/bin/qdt_preview" --module "$work/native/CampHelper.so" --out "$work/preview"
grep -qF "session $session on " "$work/preview.log" || fail "the installed qdt_preview plays another session: $(head -n 1 "$work/preview.log")"
for picture in $(sed -n 's/^snapshot \([^ ]*\).*/\1/p' "$session") contact-sheet; do
  [ -s "$work/preview/$picture.png" ] || fail "the installed qdt_preview did not write $picture.png"
done
# With no module given, it plays the package's own plug-in, the voice menu.
quietly "$work/preview-own.log" "$moved/bin/qdt_preview" --out "$work/preview-own"
grep -qF "session $session on $moved/lib/QuorvaneMenu/QuorvaneDevTools.so," "$work/preview-own.log" ||
  fail "the installed qdt_preview loads another module: $(head -n 1 "$work/preview-own.log")"
list=$moved/include/quorvane/host/NativeList.h
small=$source_dir/tools/natives/tests/natives-small.json
! "$moved/bin/qdt_natives" --db "$small" check > "$work/natives-check.log" 2>&1 || fail "qdt_natives check agrees with the small file"
grep -q "^$list:[0-9]*: " "$work/natives-check.log" || fail "the installed qdt_natives checks another list: $(head -n 1 "$work/natives-check.log")"
refused "$work/natives-write.log" "$list is the package's copy of the framework's list" \
  "$moved/bin/qdt_natives" --db "$small" add ENTITY::GET_ENTITY_HEALTH --write
cmp -s "$list" "$source_dir/host/NativeList.h" || fail "qdt_natives add --write changed the package's list"
mv "$moved" "$prefix"

build_and_test "$work/windows" "undefined reference to \`InitializeMenu()'" -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/QuorvaneMenu/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel
dll=$work/windows/CampHelper.asi
bash "$source_dir/tests/check_dll_tables.sh" "$objdump" "$dll" > /dev/null
exported=$("$objdump" -p "$dll" | sed -n 's/^Name[[:space:]]*[0-9a-f]* //p')
[ "$exported" = CampHelper.asi ] || fail "the DLL's export directory names it $exported, not CampHelper.asi"
# The version resource carries the mod's own name and version.
"$windres" -i "$dll" -O rc -o "$work/version.rc"
for line in ' FILEVERSION 0, 1, 0, 0' '      VALUE "FileVersion", "0.1.0"' '      VALUE "ProductName", "CampHelper"' \
  '      VALUE "OriginalFilename", "CampHelper.asi"'; do
  grep -qxF -- "$line" "$work/version.rc" || fail "the DLL's version resource lacks: $line"
done
quietly "$work/windows.release.log" cmake --build "$work/windows" --target CampHelper_release
unzip -Z1 "$work/windows/CampHelper-0.1.0-win64.zip" | grep -qx CampHelper.asi ||
  fail "CampHelper-0.1.0-win64.zip does not hold CampHelper.asi"

# A name or version the DLL cannot carry is refused when the mod is configured.
case_number=0
while IFS='|' read -r arguments reason; do
  bad=$work/bad-$((++case_number))
  mkdir -p "$bad"
  cp "$template/CampHelper.cpp" "$bad/"
  printf 'cmake_minimum_required(VERSION 3.25)\nproject(Bad LANGUAGES CXX)\nfind_package(QuorvaneMenu 1 CONFIG REQUIRED)\nquorvane_add_plugin(Bad SOURCES CampHelper.cpp %s)\n' \
    "$arguments" > "$bad/CMakeLists.txt"
  refused "$bad.log" "$reason" cmake -S "$bad" -B "$bad/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix"
done <<'CASES'
VERSION 1.2.0 FILE_NAME Bad.dll|not a file name ending in .asi
VERSION 1.2.0 FILE_NAME mods/Bad.asi|not a file name ending in .asi
VERSION 1.2.0 FILE_NAME CON.asi|a name Windows refuses
VERSION 1.2|is not MAJOR.MINOR.PATCH
VERSION 1.2.0-beta|is not MAJOR.MINOR.PATCH
VERSION 1.70000.0|does not fit the DLL's version resource
|no version: give VERSION x.y.z
CASES

# A mod that asks for another major version is told the package does not fit.
mkdir -p "$work/major-2"
sed 's/QuorvaneMenu 1/QuorvaneMenu 2/' "$template/CMakeLists.txt" > "$work/major-2/CMakeLists.txt"
cp "$template/CampHelper.cpp" "$template/camp-helper.session" "$work/major-2/"
refused "$work/major-2.log" "compatible with requested version \"2\"" \
  cmake -S "$work/major-2" -B "$work/major-2/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix"

# The tree itself, taken in by a mod's build: the two calls, none of our tests.
# By git, FetchContent clones the tree's HEAD commit (what is committed) from a
# clone of it, over file://: no network.
for way in add_subdirectory FetchContent-dir FetchContent-git; do
  taken=$work/$way
  case $way in
    add_subdirectory) bring="add_subdirectory($source_dir quorvane)" ;;
    FetchContent-dir) bring="SOURCE_DIR $source_dir" ;;
    FetchContent-git)
      # An exported tree has no history to clone.
      if ! in_repository=$(git -C "$source_dir" rev-parse --show-prefix 2> /dev/null) || [ -n "$in_repository" ]; then
        echo "SKIP: FetchContent by GIT_REPOSITORY: $source_dir is not a git repository of its own"
        continue
      fi
      git init --quiet --bare "$work/quorvane.git"
      quietly "$work/quorvane.git.log" git -C "$work/quorvane.git" fetch --depth 1 "file://$source_dir" HEAD:refs/heads/main
      bring="GIT_REPOSITORY file://$work/quorvane.git GIT_TAG $(git -C "$work/quorvane.git" rev-parse main)"
      ;;
  esac
  [ "$way" = add_subdirectory ] ||
    bring=$(printf 'include(FetchContent)\nFetchContent_Declare(quorvane %s)\nFetchContent_MakeAvailable(quorvane)' "$bring")
  mkdir -p "$taken"
  cp "$template/CampHelper.cpp" "$template/camp-helper.session" "$taken/"
  {
    sed -n '1,/^project/p' "$template/CMakeLists.txt"
    printf '%s\n' "$bring"
    sed -e '1,/^project/d' -e '/find_package/d' "$template/CMakeLists.txt"
  } > "$taken/CMakeLists.txt"
  quietly "$taken.configure.log" cmake -S "$taken" -B "$taken/build" -G Ninja
  tests=$(ctest --test-dir "$taken/build" -N | sed -n 's/^ *Test *#[0-9]*: //p')
  [ "$tests" = "CampHelper_camp-helper" ] || fail "$way: the mod's build holds the tests: $tests"
  if cmake --build "$taken/build" --target help | grep -qE '^(unit_tests|qdt_frame_bench|qdt_preview):'; then
    fail "$way: the mod's build makes our tests, benchmarks or tools"
  fi
done
echo "OK: the template mod from the package, natively and on its DLL under Wine; the same calls as in the tree"
