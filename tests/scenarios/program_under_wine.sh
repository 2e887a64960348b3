#!/usr/bin/env bash
# Runs one Windows test program under Wine; its status is the test's.
#   program_under_wine.sh WINDOWS_PROGRAM WORK_DIR
set -euo pipefail
program=$1
mkdir -p "$2"
work=$(cd "$2" && pwd)

source "$(dirname "$0")/wine.sh"
prepare_wine "$work"
run_under_wine "$work/$(basename "$program" .exe).txt" "$program"
cat "$work/$(basename "$program" .exe).txt"
exit "$run_status"
