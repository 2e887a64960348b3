#!/usr/bin/env bash
# Fails unless every C++ file of the working tree is as clang-format (the
# root .clang-format) would write it; lists the files that drifted.
#   check_format.sh CLANG_FORMAT SOURCE_DIR
set -uo pipefail
clang_format=$1
cd "$2" || exit 1
# The working tree's files, committed or not (a new file is checked before
# its first commit), but none of a build folder: ignored by git, or a folder
# CMake configured (one holding CMakeCache.txt), wherever it lies.
if [ -d .git ] || [ -f .git ]; then
  mapfile -t candidates < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | sort -u)
else
  mapfile -t candidates < <(find . -path ./build -prune -o -path ./out -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print)
fi
mapfile -t builds < <(find . -name CMakeCache.txt -printf '%h/\n' | sed 's|^\./||')
files=()
for file in "${candidates[@]}"; do
  file=${file#./}
  [ -f "$file" ] || continue # deleted, not yet committed
  for build in "${builds[@]}"; do
    [[ $file == "$build"* ]] && continue 2
  done
  files+=("$file")
done
[ ${#files[@]} -gt 0 ] || { echo "FAIL: no C++ files found in $2" >&2; exit 1; }
drifted=()
for file in "${files[@]}"; do
  "$clang_format" --dry-run -Werror "$file" > /dev/null 2>&1 || drifted+=("$file")
done
if [ ${#drifted[@]} -gt 0 ]; then
  echo "FAIL: not formatted (clang-format -i FILE): ${drifted[*]}" >&2
  exit 1
fi
echo "${#files[@]} files formatted"
