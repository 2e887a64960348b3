#!/usr/bin/env bash
# Makes the release: builds QuorvaneDevTools.asi and packs it with the player's
# notes into dist/QuorvaneDevTools-<version>-win64.zip, its SHA-256 beside it.
# The same commit gives the same bytes in any folder; scripts/test.sh checks
# that, and the archive's contents, on the DLL the Wine scenarios ran.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" windows release
