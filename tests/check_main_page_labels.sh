#!/usr/bin/env bash
# Tests that read the shipped main page's rows say "Shipped" in their name and
# carry the label "shipped", and no other test does either, so that
# `ctest -L shipped` lists exactly the tests a change to that page may break.
#   check_main_page_labels.sh CTEST BUILD_DIR
set -uo pipefail
ctest=$1
build=$2
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
[ $status -ne 0 ] || echo "$(echo "$named" | wc -l) tests named and labelled shipped"
exit $status
