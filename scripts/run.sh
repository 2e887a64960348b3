#!/usr/bin/env bash
# Builds QuorvaneDevTools.asi, prints a scripted session's native calls frame by
# frame, then plays the default preview session on the
# plug-in in the stand-in host: pictures of the menu and the record of every
# native call go to out/preview/. Arguments go to the preview, for example
#   run.sh --screen 2560x1440 --window-width 1920 --session my.session --out out/mine
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" windows
"$root/scripts/build.sh" native

"$root/build/native/qdt_session" "$root/build/native/QuorvaneDevTools.so"
echo
"$root/build/native/tools/preview/qdt_preview" --out "$root/out/preview" "$@"
echo
echo "The plug-in for the game: $root/build/windows/QuorvaneDevTools.asi"
