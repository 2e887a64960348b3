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

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
for tool in "$wine" "$wineserver" "$(command -v xvfb-run || true)"; do
  [ -n "$tool" ] && [ -x "$tool" ] || { echo "missing: wine64 or xvfb-run (scripts/setup.sh installs them)" >&2; exit 1; }
done
[ -x "$native" ] || { echo "missing $native: build the native flavour first (scripts/build.sh native)" >&2; exit 1; }

# A prefix of our own under the build tree; ~/.wine stays untouched.
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# A wineserver left from an earlier run would serve this one with stale state.
# It belongs to this prefix, so to an earlier run of this very test.
timeout 60 "$wineserver" -w || "$wineserver" -k

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating the Wine prefix $WINEPREFIX (once)"
  started=$(date +%s)
  "$wine" wineboot -i > "$work/wineboot.log" 2>&1
  # A crash must end the run instead of waiting on a dialog nobody can click.
  "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >> "$work/wineboot.log" 2>&1
  "$wineserver" -w
  echo "prefix ready in $(( $(date +%s) - started )) s"
fi

# The DLL this run loads; kept as a record only if every scenario passes, so
# that the release check knows which DLL Wine ran.
rm -f "$work/passed-dll.sha256"
loaded=$(sha256sum < "$(dirname "$windows")/QuorvaneDevTools.asi")

"$native" > "$work/native.txt"

started=$(date +%s)
status=0
# Displays are searched from a random number on, so that runs in other
# worktrees at the same time rarely race for the same one.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1920x1080x24" \
  timeout 600 "$wine" "$windows" > "$work/wine.txt" || status=$?
"$wineserver" -w
echo "wine run: $(( $(date +%s) - started )) s, exit status $status"

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
