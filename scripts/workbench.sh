#!/usr/bin/env bash
# Opens the workbench: the plug-in module running in the stand-in host in a
# live window, reloaded whenever the file is replaced. Rebuild the plug-in
# from another terminal (scripts/build.sh native) and the window shows it.
#   workbench.sh [MODULE] [--screen WIDTHxHEIGHT] [--out DIR] ...   (qdt_workbench --help)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "workbench.sh: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset)" >&2
  exit 1
fi
"$root/scripts/setup.sh"
"$root/scripts/build.sh" native qdt_workbench
exec "$root/build/native/tools/workbench/qdt_workbench" --out "$root/out/workbench" "$@"
