#!/usr/bin/env bash
# The process-wide state is listed in one place: of the plug-in's objects only
# host/ProcessState.cpp holds writable data, and each of its globals is in the
# list there (QDT_PROCESS_STATE) that the definitions and RebuildProcessState
# are made from. A global defined anywhere else would survive between the runs
# of a linked plug-in.
#   check_process_state.sh OBJDUMP PROCESS_STATE_CPP OBJECT...
set -euo pipefail
objdump=$1
list=$2
shift 2
faults=0 listed=0
for object in "$@"; do
  # Writable data: .bss and .data, but not what is read-only once relocated.
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
  done < <("$objdump" -t -C "$object" |
    awk -F'\t' '/ O \.(bss|data|tbss|tdata)/ && !/\.data\.rel\.ro/ && !/DW\.ref\./ {
      name = $2; sub(/^[0-9a-f]+ +/, "", name); sub(/^\.hidden +/, "", name); print name }')
done
echo "$listed globals in the list, $faults faults"
[[ $listed -gt 0 && $faults -eq 0 ]]
