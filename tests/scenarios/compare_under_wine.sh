#!/usr/bin/env bash
# Runs every scenario and session twice: natively (the module in the stand-in
# host) and under Wine (the DLL loaded by the real Windows loader next to the
# stand-in ScriptHookRDR2.dll), then compares the two records one by one.
# Nothing but addresses may differ, and Describe prints none. The sessions of
# SESSIONS_DIR play on the plug-in, those of EXAMPLES_DIR on the example
# module; both runs check the sessions' expectations too. PART is "main" (the
# scenarios and the sessions without "shipped" in their name) or "shipped"
# (the sessions that read the shipped main page's rows), so a fork's new main
# page fails only the test named for it.
#   compare_under_wine.sh main|shipped NATIVE_PROGRAM WINDOWS_PROGRAM WORK_DIR \
#       SESSIONS_DIR EXAMPLES_DIR NATIVE_EXAMPLE_MODULE WINDOWS_EXAMPLE_MODULE
set -euo pipefail
part=$1
shift
case $part in main | shipped) ;; *) echo "compare_under_wine.sh: PART is main or shipped, not $part" >&2; exit 2 ;; esac
native=$1
windows=$2
mkdir -p "$3"
work=$(cd "$3" && pwd)
sessions_dir=$4
examples_dir=$5
native_example=$6
windows_example=$7

for built in "$native" "$native_example"; do
  [ -e "$built" ] || { echo "missing $built: build the native flavour first (scripts/build.sh native)" >&2; exit 1; }
done
source "$(dirname "$0")/wine.sh"
prepare_wine "$work"

# The DLL this run loads; kept as a record only if every scenario passes, so
# that the release check knows which DLL Wine ran.
[ "$part" = main ] && rm -f "$work/passed-dll.sha256"
loaded=$(sha256sum < "$(dirname "$windows")/QuorvaneDevTools.asi")

# --session FILE for each session of a folder that belongs to this part.
session_options() {
  local file
  for file in "$1"/*.session; do
    [ -e "$file" ] || continue
    case $(basename "$file") in *shipped*) [ "$part" = shipped ] ;; *) [ "$part" = main ] ;; esac &&
      printf -- '--session\n%s\n' "$file"
  done
  return 0
}
plugin_run=()
[ "$part" = main ] && mapfile -t plugin_run < <("$native" --list)
mapfile -t -O "${#plugin_run[@]}" plugin_run < <(session_options "$sessions_dir")
mapfile -t example_run < <(session_options "$examples_dir")

# One Wine process a module: Wine's start-up costs seconds. A module with
# nothing to play is not started: without names the program plays every scenario.
native_status=0
status=0
: > "$work/native-$part.txt"
: > "$work/wine-$part.txt"
if [ ${#plugin_run[@]} -gt 0 ]; then
  "$native" "${plugin_run[@]}" >> "$work/native-$part.txt" || native_status=$?
  run_under_wine "$work/wine-run.txt" "$windows" "${plugin_run[@]}"
  [ "$run_status" -eq 0 ] || status=$run_status
  cat "$work/wine-run.txt" >> "$work/wine-$part.txt"
fi
if [ ${#example_run[@]} -gt 0 ]; then
  "$native" --plugin "$native_example" "${example_run[@]}" >> "$work/native-$part.txt" || native_status=$?
  run_under_wine "$work/wine-run.txt" "$windows" --plugin "$windows_example" "${example_run[@]}"
  [ "$run_status" -eq 0 ] || status=$run_status
  cat "$work/wine-run.txt" >> "$work/wine-$part.txt"
fi

# The lines of one record: from its header to the next.
extract() { awk -v header="$1" '/^== (scenario|session) / { inside = ($0 == header) } inside' "$2"; }

# One verdict per record, so a difference names where it lies: the first
# differing line, with the frame it is in.
differing=0
while IFS= read -r header; do
  name=${header#== }
  file=${name/ /-}
  extract "$header" "$work/native-$part.txt" > "$work/native-$file.txt"
  extract "$header" "$work/wine-$part.txt" > "$work/wine-$file.txt"
  if [ ! -s "$work/wine-$file.txt" ]; then
    echo "MISSING under Wine: $name"
    differing=$((differing + 1))
  elif cmp -s "$work/native-$file.txt" "$work/wine-$file.txt"; then
    frames=$(grep -c '^-- frame' "$work/native-$file.txt" || true)
    calls=$(grep -c '^  ' "$work/native-$file.txt" || true)
    echo "same: $name ($frames frames, $calls lines)"
  else
    verdict=$(cmp "$work/native-$file.txt" "$work/wine-$file.txt" 2>&1 || true)
    line=$(sed -n 's/.* line \([0-9]*\).*/\1/p' <<< "$verdict")
    # "EOF on FILE after ..., line N": the shorter record ended after line N.
    case $verdict in *EOF*) line=$((line + 1)) ;; esac
    frame=$(head -n "$line" "$work/native-$file.txt" | grep '^-- frame' | tail -n 1 || true)
    echo "DIFFERS: $name, ${frame:-before the first frame}:"
    echo "  native: $(sed -n "${line}p" "$work/native-$file.txt")"
    echo "  wine:   $(sed -n "${line}p" "$work/wine-$file.txt")"
    echo "  (diff -u $work/native-$file.txt $work/wine-$file.txt)"
    differing=$((differing + 1))
  fi
done < <(grep -E '^== (scenario|session) ' "$work/native-$part.txt" || true)

[ "$native_status" -eq 0 ] || { echo "the native program failed (status $native_status)" >&2; exit 1; }
[ "$status" -eq 0 ] || { echo "the Windows program failed (status $status)" >&2; exit 1; }
[ "$differing" -eq 0 ] || { echo "$differing record(s) differ" >&2; exit 1; }
[ "$part" = main ] && echo "$loaded" > "$work/passed-dll.sha256"
exit 0
