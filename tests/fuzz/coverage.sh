#!/usr/bin/env bash
# Replays the committed corpus once through the instrumented fuzzer and prints
# how many lines of the menu's sources (menu/) it ran, file by file; fails
# below the floor (percent).
#   coverage.sh FUZZER CORPUS WORK LLVM-PROFDATA LLVM-COV FLOOR
set -euo pipefail
[ $# -eq 6 ] || { echo "usage: coverage.sh FUZZER CORPUS WORK LLVM-PROFDATA LLVM-COV FLOOR" >&2; exit 2; }
fuzzer=$1 corpus=$2 work=$3 profdata=$4 cov=$5 floor=$6
rm -rf "$work"
mkdir -p "$work"
LLVM_PROFILE_FILE="$work/replay.profraw" "$fuzzer" -runs=0 "$corpus" > "$work/replay.log" 2>&1 ||
  { cat "$work/replay.log" >&2; exit 1; }
"$profdata" merge -sparse "$work/replay.profraw" -o "$work/replay.profdata"
"$cov" export -summary-only "$fuzzer" -instr-profile="$work/replay.profdata" > "$work/summary.json"
python3 - "$work/summary.json" "$floor" "$(ls "$corpus" | wc -l)" <<'PY'
import json, sys
# Paths are as the compiler saw them (relative under ccache): the menu's by their folder.
files = [f for f in json.load(open(sys.argv[1]))["data"][0]["files"] if "/menu/" in "/" + f["filename"]]
floor = float(sys.argv[2])
covered = count = 0
for f in sorted(files, key=lambda f: f["filename"]):
    lines = f["summary"]["lines"]
    covered += lines["covered"]
    count += lines["count"]
    print(f"  {f['filename'].split('menu/')[-1]:<24} {lines['covered']:>4} of {lines['count']:>4} lines")
percent = 100.0 * covered / count if count else 0.0
print(f"menu/ lines run by the committed corpus ({sys.argv[3]} inputs): "
      f"{covered} of {count}, {percent:.1f} % (floor {floor:g} %)")
sys.exit(0 if percent >= floor else 1)
PY
