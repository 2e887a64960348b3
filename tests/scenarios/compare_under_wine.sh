#!/usr/bin/env bash
# Runs every scenario twice: natively (the module in the stand-in host) and
# under Wine (QuorvaneDevTools.asi loaded by the real Windows loader next to
# the stand-in ScriptHookRDR2.dll), then compares the two records scenario by
# scenario. Nothing but addresses may differ, and Describe prints none.
#   compare_under_wine.sh NATIVE_PROGRAM WINDOWS_PROGRAM WORK_DIR
set -euo pipefail
native=$1
windows=$2
mkdir -p "$3"
work=$(cd "$3" && pwd)

[ -x "$native" ] || { echo "missing $native: build the native flavour first (scripts/build.sh native)" >&2; exit 1; }
source "$(dirname "$0")/wine.sh"
prepare_wine "$work"

# The DLL this run loads; kept as a record only if every scenario passes, so
# that the release check knows which DLL Wine ran.
rm -f "$work/passed-dll.sha256"
loaded=$(sha256sum < "$(dirname "$windows")/QuorvaneDevTools.asi")

"$native" > "$work/native.txt"
run_under_wine "$work/wine.txt" "$windows"
status=$run_status

# The lines of one scenario: from its header to the next.
extract() { awk -v header="== scenario $1" '/^== scenario / { inside = ($0 == header) } inside' "$2"; }

# One verdict per scenario, so a difference names where it lies.
differing=0
for name in $("$native" --list); do
  extract "$name" "$work/native.txt" > "$work/native-$name.txt"
  extract "$name" "$work/wine.txt" > "$work/wine-$name.txt"
  if [ ! -s "$work/wine-$name.txt" ]; then
    echo "MISSING under Wine: $name"
    differing=$((differing + 1))
  elif diff -u --label "native/$name" --label "wine/$name" "$work/native-$name.txt" "$work/wine-$name.txt"; then
    frames=$(grep -c '^-- frame' "$work/native-$name.txt" || true)
    calls=$(grep -c '^  ' "$work/native-$name.txt" || true)
    echo "same: $name ($frames frames, $calls lines)"
  else
    echo "DIFFERS: $name"
    differing=$((differing + 1))
  fi
done

[ "$status" -eq 0 ] || { echo "the Windows program failed (status $status)" >&2; exit 1; }
[ "$differing" -eq 0 ] || { echo "$differing scenario(s) differ" >&2; exit 1; }
echo "$loaded" > "$work/passed-dll.sha256"
