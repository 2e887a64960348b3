#!/usr/bin/env bash
# The C++ snippets of a docs page are copies of the example: each of their
# lines must stand, as written, in one of the files (a trailing "// ..." is
# the page's own note and is left out). A snippet that shows a file's head
# (#include or #pragma once lines) must show enough includes: the first file
# holding all its lines, with its own includes taken out and the snippet's
# put in, must compile. With --natives, each `qdt_natives ... add NAME` the
# page shows is run on the natives file (against a copy of the list without
# NAME) and must print a line one of the page's snippets shows. A session
# snippet (a text block) is a stretch of one of the .session FILEs, played
# as the page shows it: the steps the same and in order, the file free to
# check and snapshot more in between.
#   check_doc_snippets.sh [--natives QDT_NATIVES NATIVES_FILE NATIVE_LIST] CXX ROOT PAGE FILE...
set -euo pipefail
tool=""
if [[ $1 == --natives ]]; then
  tool=$2 natives=$3 list=$4
  shift 4
fi
cxx=$1
root=$2
page=$3
shift 3
files=("$@")
sources=$(sed 's/^[[:space:]]*//' "${files[@]}")
checked=0 missing=0 compiled=0 failed=0
snippets=() additions=()

# The first file holding every line of the block, as written.
holder() {
  local file line
  for file in "${files[@]}"; do
    local all=1
    while IFS= read -r line; do
      grep -Fxq -- "$line" <(sed 's/^[[:space:]]*//' "$file") || { all=0; break; }
    done <<<"$1"
    if [[ $all == 1 ]]; then echo "$file"; return 0; fi
  done
  return 1
}

# Compiles the file a block with a file's head is copied from, with the block's includes.
check_block() {
  local lines=$1 includes file
  grep -q -e '^#include' -e '^#pragma once' <<<"$lines" || return 0
  includes=$(grep '^#include' <<<"$lines" || true)
  if ! file=$(holder "$lines"); then
    echo "no file holds all the lines of the snippet that begins: $(head -n 1 <<<"$lines")"
    failed=$((failed + 1))
    return 0
  fi
  if { echo "$includes"; grep -v -e '^#include' -e '^#pragma once' "$file"; } |
    "$cxx" -std=c++20 -fsyntax-only -I "$root" -x c++ -; then
    compiled=$((compiled + 1))
  else
    echo "${file#"$root"/} does not compile with the snippet's includes: $(tr '\n' ' ' <<<"${includes:-none}")"
    failed=$((failed + 1))
  fi
}

# A session's steps, one a line, without comments and blanks.
steps_of() { sed -e 's/[[:space:]]*#.*$//' -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' -e '/^$/d'; }

# Whether the steps of block stand in a session file as a stretch of it.
session_holds() {
  local file=$1 block=$2
  local -a want have
  mapfile -t want < <(steps_of <<<"$block")
  mapfile -t have < <(steps_of <"$file")
  local start at i
  for ((start = 0; start < ${#have[@]}; start++)); do
    [[ ${have[start]} == "${want[0]}" ]] || continue
    i=0
    for ((at = start; at < ${#have[@]} && i < ${#want[@]}; at++)); do
      if [[ ${have[at]} == "${want[i]}" ]]; then
        i=$((i + 1))
      elif [[ ! ${have[at]} =~ ^(expect|snapshot)[[:space:]] ]]; then
        break
      fi
    done
    [[ $i -lt ${#want[@]} ]] || return 0
  done
  return 1
}

check_session_block() {
  local file
  checked=$((checked + 1))
  for file in "${files[@]}"; do
    [[ $file == *.session ]] || continue
    session_holds "$file" "$1" && return 0
  done
  echo "no session plays the steps of the snippet that begins: $(steps_of <<<"$1" | head -n 1)"
  missing=$((missing + 1))
}

code=0 block=""
while IFS= read -r line; do
  stripped=${line#"${line%%[![:space:]]*}"}
  case "$stripped" in
    '```cpp') code=1; block=""; continue ;;
    '```sh') code=sh; continue ;;
    '```text') code=text; block=""; continue ;;
    '```'*)
      if [[ $code == 1 ]]; then check_block "${block%$'\n'}"; fi
      if [[ $code == text ]]; then check_session_block "$block"; fi
      code=0
      continue
      ;;
  esac
  if [[ $code == text ]]; then
    block+=$stripped$'\n'
    continue
  fi
  if [[ $code == sh && $stripped =~ qdt_natives\ .*\ add\ ([A-Z_0-9]+::[A-Z_0-9]+) ]]; then
    additions+=("${BASH_REMATCH[1]}")
  fi
  [[ $code == 1 ]] || continue
  stripped=${stripped%%[[:space:]]//*}
  stripped=${stripped%"${stripped##*[![:space:]]}"}
  [[ -n $stripped && $stripped != //* ]] || continue
  block+=$stripped$'\n'
  snippets+=("$stripped")
  checked=$((checked + 1))
  if ! grep -Fxq -- "$stripped" <<<"$sources"; then
    echo "not in the example's sources: $stripped"
    missing=$((missing + 1))
  fi
done <"$page"
if [[ -n $tool ]]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  [[ ${#additions[@]} -gt 0 ]] || { echo "no qdt_natives add shown"; missing=$((missing + 1)); }
  for name in "${additions[@]}"; do
    grep -v "\"$name\"" "$list" >"$work/NativeList.h"
    printed=$("$tool" --db "$natives" --list "$work/NativeList.h" add "$name" 2>&1) || true
    checked=$((checked + 1))
    if ! printf '%s\n' "${snippets[@]}" | grep -Fxq -- "$printed"; then
      echo "qdt_natives add $name prints what no snippet shows: $printed"
      missing=$((missing + 1))
    fi
  done
fi
echo "$checked snippet lines checked, $missing not found; $compiled snippets compiled with their includes, $failed not"
[[ $checked -gt 0 && $missing == 0 && $compiled -gt 0 && $failed == 0 ]]
