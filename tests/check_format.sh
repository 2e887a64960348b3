#!/usr/bin/env bash
# Fails unless every C++ file of the tree is as clang-format (the root
# .clang-format) would write it; lists the files that drifted.
#   check_format.sh CLANG_FORMAT SOURCE_DIR
set -uo pipefail
clang_format=$1
cd "$2" || exit 1
if [ -d .git ] || [ -f .git ]; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path ./build -prune -o -path ./out -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print)
fi
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
