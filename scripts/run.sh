#!/usr/bin/env bash
# Builds QuorvaneDevTools.asi and runs the plug-in in the stand-in host for a
# short scripted session, printing the native calls of every frame.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" windows
"$root/scripts/build.sh" native

"$root/build/native/qdt_session" "$root/build/native/QuorvaneDevTools.so"
echo
echo "The plug-in for the game: $root/build/windows/QuorvaneDevTools.asi"
