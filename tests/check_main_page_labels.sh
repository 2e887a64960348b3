#!/usr/bin/env bash
# Tests that read the shipped main page's rows say "Shipped" in their name and
# carry the label "shipped", and no other test does either, so that
# `ctest -L shipped` lists exactly the tests a change to that page may break.
# The tests GUIDE names as failing on a new main-page row must be among them.
# With --fork, a test that reads the shipped page (its rows, its mouse, its
# look) without the label is caught: on a fork made as the guide says (FORK,
# a module with a main-page link, the mouse on and a look of its own), every
# session of SESSIONS not named shipped, and every allocation test
# (ALLOCATION_FORK, those tests linked with the fork) not named Shipped, must
# still pass.
#   check_main_page_labels.sh CTEST BUILD_DIR [GUIDE [--fork FORK SCENARIOS SESSIONS ALLOCATION_FORK]]
set -uo pipefail
ctest=$1
build=$2
guide=${3:-}
fork=""
if [ "${4:-}" = --fork ]; then
  fork=$5 scenarios=$6 sessions=$7 allocation_fork=$8
fi
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
if [ -n "$fork" ]; then
  for session in "$sessions"/*.session; do
    stem=$(basename "$session" .session)
    [[ $stem != *shipped* ]] || continue
    if ! out=$("$scenarios" --check --plugin "$fork" --session "$session" 2>&1 >/dev/null); then
      echo "FAIL: session_$stem reads the shipped main page (on a fork: $(head -n 1 <<<"$out")) but is not labelled shipped" >&2
      status=1
    fi
  done
  if ! out=$("$allocation_fork" --gtest_filter='-Shipped*' --gtest_brief=1 2>&1); then
    failed=$(sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_/.]*\).*/\1/p' <<<"$out" | sort -u | tr '\n' ' ')
    echo "FAIL: on a fork these read the shipped main page but are not labelled shipped: ${failed:-$out}" >&2
    status=1
  fi
fi
[ $status -ne 0 ] || echo "$(echo "$named" | wc -l) tests named and labelled shipped"
exit $status
