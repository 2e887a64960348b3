#!/usr/bin/env bash
# The C++ snippets under README.md's "### Adding a page" are copies of the
# example: each of their lines must stand, as written, in one of the files.
#   check_readme_snippets.sh README.md FILE...
set -euo pipefail
readme=$1
shift
sources=$(sed 's/^[[:space:]]*//' "$@")
section=0 code=0 checked=0 missing=0
while IFS= read -r line; do
  stripped=${line#"${line%%[![:space:]]*}"}
  if [[ $code == 0 && $line == "### "* ]]; then
    if [[ $line == "### Adding a page" ]]; then section=1; else section=0; fi
    continue
  fi
  [[ $section == 1 ]] || continue
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
done <"$readme"
echo "$checked snippet lines checked, $missing not found"
[[ $checked -gt 0 && $missing == 0 ]]
