#!/usr/bin/env bash
# Plays one session on a plug-in DLL under Wine with its expectations: the
# runner (qdt_scenarios.exe, beside the stand-in ScriptHookRDR2.dll) loads the
# DLL as the hook would. A failed expectation prints FILE:LINE and fails.
# quorvane_add_sessions makes each Windows session test of it.
#   session_under_wine.sh RUNNER PLUGIN SESSION WORK_DIR
set -euo pipefail
runner=$1
plugin=$2
session=$3
mkdir -p "$4"
work=$(cd "$4" && pwd)

source "$(dirname "$0")/wine.sh"
prepare_wine "$work"
output="$work/$(basename "$session" .session).txt"
run_under_wine "$output" "$runner" --check --plugin "$plugin" --session "$session"
cat "$output"
exit "$run_status"
