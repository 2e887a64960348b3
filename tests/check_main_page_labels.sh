#!/usr/bin/env bash
# Tests that read the shipped main page's rows say "Shipped" in their name and
# carry the label "shipped", and no other test does either, so that
# `ctest -L shipped` lists exactly the tests a change to that page may break.
# The tests GUIDE names as failing on a new main-page row must be among them.
#   check_main_page_labels.sh CTEST BUILD_DIR [GUIDE]
set -uo pipefail
ctest=$1
build=$2
guide=${3:-}
# Test names from `ctest -N`, one a line, sorted.
names() {
  "$ctest" --test-dir "$build" -N "$@" | sed -n 's/^ *Test *#[0-9]*: //p' | sort
}
labelled=$(names -L '^shipped$')
named=$(names -R '[Ss]hipped')
[ -n "$named" ] || { echo "FAIL: no test is named for the shipped page" >&2; exit 1; }
status=0
unlabelled=$(comm -13 <(echo "$labelled") <(echo "$named"))
misnamed=$(comm -23 <(echo "$labelled") <(echo "$named"))
if [ -n "$unlabelled" ]; then
  echo "FAIL: named Shipped without the label shipped:" $unlabelled >&2
  status=1
fi
if [ -n "$misnamed" ]; then
  echo "FAIL: labelled shipped without Shipped in the name:" $misnamed >&2
  status=1
fi
if [ -n "$guide" ]; then
  told=$(grep -o '`\(Shipped[A-Za-z]*\.[A-Za-z]*\|session_shipped-[a-z0-9-]*\)`' "$guide" | tr -d '`' | sort -u)
  [ -n "$told" ] || { echo "FAIL: $guide names none of the shipped page's tests" >&2; status=1; }
  unknown=$(comm -23 <(echo "$told") <(echo "$labelled"))
  if [ -n "$unknown" ]; then
    echo "FAIL: $guide names tests that are not labelled shipped:" $unknown >&2
    status=1
  fi
fi
[ $status -ne 0 ] || echo "$(echo "$named" | wc -l) tests named and labelled shipped"
exit $status
