#!/usr/bin/env bash
# The shipped plug-in keeps nothing: every session of SESSIONS played on it in
# one empty game folder leaves that folder empty.
#   check_no_files_kept.sh RUNNER PLUGIN SESSIONS WORK_DIR
set -euo pipefail
runner=$1
plugin=$2
sessions=$3
folder=$4/game
rm -rf "$folder"
mkdir -p "$folder"

args=()
for session in "$sessions"/*.session; do
  args+=(--session "$session")
done
[ ${#args[@]} -gt 0 ] || { echo "FAIL: no session in $sessions" >&2; exit 1; }
"$runner" --check --plugin "$plugin" --game-folder "$folder" "${args[@]}"

left=$(find "$folder" -mindepth 1)
if [ -n "$left" ]; then
  echo "FAIL: the shipped plug-in left files in its game folder:" >&2
  echo "$left" >&2
  exit 1
fi
echo "$(( ${#args[@]} / 2 )) sessions, the game folder empty after"
