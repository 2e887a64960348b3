#!/usr/bin/env bash
# Fails on a function outside the tests that is longer than 60 lines, as
# clang-tidy's readability-function-size counts them (the body, blank lines
# and comments included), or a file there longer than 400, and names each one.
#   check_function_size.sh CLANG_TIDY BUILD_DIR SOURCE_DIR
set -uo pipefail
clang_tidy=$1
build=$2
source=$(cd "$3" && pwd)
limit=60
file_limit=400

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# gcc's flags that clang does not know would be reported as errors.
sed 's/ -fno-gnu-unique//g' "$build/compile_commands.json" > "$work/compile_commands.json"
mapfile -t files < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$work/compile_commands.json" |
  grep "^$source/" | grep -v -e '/tests/' -e "^$source/build/" | sort -u)
[ ${#files[@]} -gt 0 ] || { echo "FAIL: no sources outside the tests in $build/compile_commands.json" >&2; exit 1; }

# Headers count where the sources do: every top folder but the tests and the builds.
folders=$(cd "$source" && ls -d -- */ | tr -d / | grep -v -x -e tests -e 'build.*' -e out | paste -sd '|')
long_files=$(cd "$source" && find $(tr '|' ' ' <<< "$folders") -name tests -prune -o \
  -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort | xargs wc -l |
  awk -v limit="$file_limit" '$2 != "total" && $1 > limit { print $2 " is " $1 " lines long" }')
if [ -n "$long_files" ]; then
  echo "FAIL: files longer than $file_limit lines (one concept a file):" >&2
  echo "$long_files" >&2
  exit 1
fi

printf '%s\n' "${files[@]}" |
  xargs -P "$(nproc)" -n 4 "$clang_tidy" -p "$work" --quiet --checks='-*,readability-function-size' \
    --header-filter="^$source/($folders)/" \
    --config="{CheckOptions: [{key: readability-function-size.LineThreshold, value: $limit}]}" \
    > "$work/out.txt" 2> "$work/err.txt"
status=$?

if grep -q 'error:' "$work/out.txt"; then
  echo "FAIL: clang-tidy could not read every source:" >&2
  grep 'error:' "$work/out.txt" | sort -u >&2
  exit 1
fi
if [ "$status" -ne 0 ]; then
  echo "FAIL: clang-tidy exited with $status" >&2
  cat "$work/err.txt" >&2
  exit 1
fi
# "FILE:LINE:COL: function 'NAME' is N lines long"
long=$(sed "s#^$source/##" "$work/out.txt" | awk '
  / warning: function .* exceeds/ { split($0, quoted, "\047"); name[$1] = quoted[2] }
  / note: [0-9]+ lines including/ { print $1 " function \047" name[$1] "\047 is " $3 " lines long" }' | sort -u)
if [ -n "$long" ]; then
  echo "FAIL: functions longer than $limit lines (split them):" >&2
  echo "$long" >&2
  exit 1
fi
echo "${#files[@]} sources: no function longer than $limit lines, no file longer than $file_limit"
