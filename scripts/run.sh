#!/usr/bin/env bash
# Builds QuorvaneDevTools.asi, the module and the preview, and shows the menu without the game: plays a
# preview session on the plug-in in the stand-in host and prints what happened,
# the pictures and the record it wrote, then the DLL's path. Build output goes
# to out/build.log, shown only when a build fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  cat <<'TEXT'
usage: scripts/run.sh [--session FILE] [--out DIR] [--screen WIDTHxHEIGHT] [--window-width N] [--module FILE]
                     [--textures DIR] [--backdrop PNG] [--answers FILE]
  Installs what the builds need (Debian), builds the DLL (build/windows), the plug-in module, the
  preview, the natives tool qdt_natives and what `cmake --install build/native` packs for mods (the
  tools, the session runners), no tests, with their output in out/build.log, then plays a
  session on the plug-in in the stand-in host. Prints what happened, each snapshot's picture and
  a contact sheet of them all, the record of every native call, then the DLL. The options go to
  qdt_preview:
    --session FILE      the session to play (tools/preview/sessions/default.session)
    --out DIR           where pictures and the record go (out/preview)
    --screen WxH        the screen the plug-in finds (1920x1080)
    --window-width N    the game window's width, when narrower than the screen
    --module FILE       another plug-in module (build/native/QuorvaneDevTools.so)
    --textures DIR      draw DIR/DICT/NAME.png in place of the stand-ins (qdt_preview --list-textures)
    --backdrop PNG      a picture behind the menu, scaled to the game window
    --answers FILE      answer lines the session starts with: what a mod's natives answer
TEXT
}

arguments=("$@")
out=("--out" "$root/out/preview") # unless the user gives one
while [ $# -gt 0 ]; do
  case "$1" in
    -h | --help) usage; exit 0 ;;
    --session | --out | --screen | --window-width | --module | --textures | --backdrop | --answers)
      if [ $# -lt 2 ]; then
        echo "run.sh: $1 needs a value" >&2; usage >&2; exit 2
      fi
      [ "$1" != --out ] || out=()
      shift 2 ;;
    *) echo "run.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
  esac
done

# QDT_PREVIEW names a preview already built, and nothing is built: for
# tests/check_script_options.sh, which runs this with every option.
preview=${QDT_PREVIEW:-}
if [ -z "$preview" ]; then
  mkdir -p "$root/out"
  log="$root/out/build.log"
  : > "$log"
  # One build step, its output in the log; a failure shows the log's end.
  quietly() {
    if ! "$@" >> "$log" 2>&1; then
      echo
      echo "failed: ${*#"$root/"} (the end of $log):" >&2
      tail -n 25 "$log" >&2
      exit 1
    fi
  }
  started=$(date +%s)
  printf 'building the plug-in and the preview (log: %s) ...' "$log"
  quietly "$root/scripts/setup.sh"
  # What this shows (the DLL, the module, the preview) and what
  # `cmake --install build/native` puts into the menu's package: the tools and
  # the session runners (docs/using-as-a-library.md). scripts/test.sh builds
  # the tests and benchmarks.
  quietly "$root/scripts/build.sh" windows QuorvaneDevTools qdt_scenarios
  quietly "$root/scripts/build.sh" native QuorvaneDevTools qdt_preview qdt_scenarios qdt_workbench qdt_natives
  echo " done in $(($(date +%s) - started)) s"
  preview="$root/build/native/tools/preview/qdt_preview"
fi

"$preview" "${out[@]}" "${arguments[@]}"
echo "the plug-in for the game:"
echo "  $root/build/windows/QuorvaneDevTools.asi"
