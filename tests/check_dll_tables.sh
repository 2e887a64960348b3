#!/usr/bin/env bash
# Fails unless the DLL is PE32+ x86-64, exports nothing, and imports exactly
# the script hook's nine decorated names plus Windows system libraries only.
set -euo pipefail
objdump=$1
dll=$2
dump=$(mktemp)
trap 'rm -f "$dump"' EXIT
"$objdump" -p "$dll" > "$dump"

fail() { echo "FAIL: $*" >&2; exit 1; }

grep -q 'file format pei-x86-64' "$dump" || fail "not a PE32+ x86-64 image"
grep -q '^Magic[[:space:]]*020b' "$dump" || fail "not PE32+ (magic 020b)"
# The linker always writes an export directory for a DLL; it must list nothing.
exports=$(awk '/^\[Ordinal\/Name Pointer\] Table/ { inside = 1; next } inside && /^$/ { inside = 0 } inside' "$dump")
[ -z "$exports" ] || fail "the DLL exports symbols: $exports"
grep -Eq 'Export Address Table[[:space:]]+0+$' "$dump" || ! grep -q 'There is an export table' "$dump" ||
  fail "the export address table is not empty"

dlls=$(grep -E '^[[:space:]]*DLL Name:' "$dump" | awk '{print $3}' | sort -u)
for name in $dlls; do
  case "$name" in
    ScriptHookRDR2.dll|KERNEL32.dll|USER32.dll|msvcrt.dll|api-ms-win-crt-*.dll) ;;
    *) fail "imports from $name, which a game folder does not have" ;;
  esac
done
echo "$dlls" | grep -qx 'ScriptHookRDR2.dll' || fail "does not import ScriptHookRDR2.dll"

expected=$(printf '%s\n' \
  '?getGlobalPtr@@YAPEA_KH@Z' \
  '?keyboardHandlerRegister@@YAXP6AXKGEHHHH@Z@Z' \
  '?keyboardHandlerUnregister@@YAXP6AXKGEHHHH@Z@Z' \
  '?nativeCall@@YAPEA_KXZ' \
  '?nativeInit@@YAX_K@Z' \
  '?nativePush64@@YAX_K@Z' \
  '?scriptRegister@@YAXPEAUHINSTANCE__@@P6AXXZ@Z' \
  '?scriptUnregister@@YAXPEAUHINSTANCE__@@@Z' \
  '?scriptWait@@YAXK@Z' | LC_ALL=C sort)
actual=$(awk '
  /^[[:space:]]*DLL Name:/ { inhook = ($3 == "ScriptHookRDR2.dll"); next }
  inhook && /^[[:space:]]*[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[^[:space:]]+$/ { print $3 }
  inhook && /^$/ { inhook = 0 }
' "$dump" | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  echo "expected imports from ScriptHookRDR2.dll:" >&2; echo "$expected" >&2
  echo "actual:" >&2; echo "$actual" >&2
  fail "the hook imports differ"
fi
echo "OK: $(stat -c %s "$dll") bytes; imports from: $(echo $dlls)"
