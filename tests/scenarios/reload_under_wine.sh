#!/usr/bin/env bash
# Loads, opens and frees the plug-in again and again under Wine; the program
# prints the committed private memory and fails while it still grows.
#   reload_under_wine.sh WINDOWS_PROGRAM WORK_DIR
set -euo pipefail
program=$1
mkdir -p "$2"
work=$(cd "$2" && pwd)

source "$(dirname "$0")/wine.sh"
prepare_wine "$work"
run_under_wine "$work/reload.txt" "$program"
cat "$work/reload.txt"
exit "$run_status"
