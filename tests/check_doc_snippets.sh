#!/usr/bin/env bash
# The C++ snippets of a docs page are copies of the example: each of their
# lines must stand, as written, in one of the files.
#   check_doc_snippets.sh PAGE FILE...
set -euo pipefail
page=$1
shift
sources=$(sed 's/^[[:space:]]*//' "$@")
code=0 checked=0 missing=0
while IFS= read -r line; do
  stripped=${line#"${line%%[![:space:]]*}"}
  case "$stripped" in
    '```cpp') code=1; continue ;;
    '```'*) code=0; continue ;;
  esac
  [[ $code == 1 && -n $stripped ]] || continue
  checked=$((checked + 1))
  if ! grep -Fxq -- "$stripped" <<<"$sources"; then
    echo "not in the example's sources: $stripped"
    missing=$((missing + 1))
  fi
done <"$page"
echo "$checked snippet lines checked, $missing not found"
[[ $checked -gt 0 && $missing == 0 ]]
