#!/usr/bin/env bash
# Opens the workbench: the plug-in module running in the stand-in host in a
# live window, reloaded whenever the file is replaced. Rebuild the plug-in
# from another terminal (scripts/build.sh native) and the window shows it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  cat <<'TEXT'
usage: scripts/workbench.sh [MODULE] [--screen WIDTHxHEIGHT] [--window WIDTHxHEIGHT] [--out DIR] [--frames N]
                             [--redraw] [--no-keep-place] [--record FILE] [--textures DIR] [--backdrop PNG]
                             [--answers FILE]
  Installs what the build needs (Debian), builds qdt_workbench and the plug-in (build/native), then
  opens a window on MODULE (build/native/QuorvaneDevTools.so) running in the stand-in host. F8 opens
  the menu; rebuilding the module reloads it, back on the page and row it showed (--no-keep-place:
  closed on the main page). Screenshots (F12) and sessions (F9) go to out/workbench unless --out.
  The options go to qdt_workbench; `qdt_workbench --help` tells the keys.
TEXT
}

arguments=("$@")
out=("--out" "$root/out/workbench") # unless the user gives one
while [ $# -gt 0 ]; do
  case "$1" in
    -h | --help) usage; exit 0 ;;
    --screen | --window | --out | --frames | --record | --textures | --backdrop | --answers)
      if [ $# -lt 2 ]; then
        echo "workbench.sh: $1 needs a value" >&2; usage >&2; exit 2
      fi
      [ "$1" != --out ] || out=()
      shift 2 ;;
    --redraw | --no-keep-place | --virtual-controller) shift ;;
    -*) echo "workbench.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
    *) shift ;;
  esac
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "workbench.sh: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset)" >&2
  exit 1
fi
# QDT_WORKBENCH names a workbench already built, and nothing is built: for
# tests/check_script_options.sh, which runs this with every option.
workbench=${QDT_WORKBENCH:-}
if [ -z "$workbench" ]; then
  "$root/scripts/setup.sh"
  "$root/scripts/build.sh" native qdt_workbench
  workbench="$root/build/native/tools/workbench/qdt_workbench"
fi
exec "$workbench" "${out[@]}" "${arguments[@]}"
