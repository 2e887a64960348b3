#!/usr/bin/env bash
# The framework's process-wide state is listed in one place: of the objects
# of host/ and menu/ only host/ProcessState.cpp holds writable data, and each
# of its globals is in the list there (QDT_PROCESS_STATE) that the definitions
# and RebuildProcessState are made from. A global defined anywhere else in the
# framework would survive between the runs of a linked plug-in. A page's own
# state (a toggle's flag, a number's target) belongs with the page, at file
# scope in its own file: the objects after --pages may hold it (counted, not
# listed).
#   check_process_state.sh OBJDUMP PROCESS_STATE_CPP OBJECT... [--pages OBJECT...]
set -euo pipefail
objdump=$1
list=$2
shift 2
framework=() pages=()
while [ $# -gt 0 ] && [ "$1" != --pages ]; do
  framework+=("$1")
  shift
done
[ $# -eq 0 ] || { shift; pages=("$@"); }

# Writable data: .bss and .data, but not what is read-only once relocated.
writable() {
  "$objdump" -t -C "$1" |
    awk -F'\t' '/ O \.(bss|data|tbss|tdata)/ && !/\.data\.rel\.ro/ && !/DW\.ref\./ {
      name = $2; sub(/^[0-9a-f]+ +/, "", name); sub(/^\.hidden +/, "", name); print name }'
}

faults=0 listed=0 kept=0
for object in "${framework[@]}"; do
  while read -r name; do
    name=${name%%\[abi:*}
    if [[ $(basename "$object") == ProcessState.cpp.o ]]; then
      if grep -Fq "STATE($name" "$list"; then
        listed=$((listed + 1))
        continue
      fi
      echo "$name is defined in host/ProcessState.cpp outside its list (QDT_PROCESS_STATE)"
    else
      echo "$object holds $name: process-wide state belongs in host/ProcessState.cpp's list"
    fi
    faults=$((faults + 1))
  done < <(writable "$object")
done
for object in "${pages[@]}"; do
  kept=$((kept + $(writable "$object" | wc -l)))
done
echo "$listed globals in the list, $faults faults; ${#pages[@]} page objects keep $kept of their own"
[[ $listed -gt 0 && $faults -eq 0 ]]
