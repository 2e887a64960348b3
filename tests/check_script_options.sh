#!/usr/bin/env bash
# scripts/run.sh and scripts/workbench.sh take every option their usage line
# offers and hand it to their program, the user's --out in place of their
# own. The programs already built stand in for the scripts' build
# (QDT_PREVIEW, QDT_WORKBENCH); a stub that writes its arguments shows
# exactly what reaches the program. Needs a display (CTest runs it under xvfb-run).
#   check_script_options.sh RUN_SH WORKBENCH_SH QDT_PREVIEW QDT_WORKBENCH MODULE
set -uo pipefail
run_sh=$1
workbench_sh=$2
preview=$3
workbench=$4
module=$5
root=$(cd "$(dirname "$run_sh")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

# What a usage line offers: "[--out DIR]" is --out, "[MODULE]" MODULE.
offered() { bash "$1" --help | sed -n '/^usage:/,/^  [A-Z]/p' | grep -oE '\[(--[a-z-]+|[A-Z]+)' | tr -d '['; }
# Runs a script; its status, stdout and stderr land in $status, $work/out and $work/err.
run() { "$@" > "$work/out" 2> "$work/err"; status=$?; }
said() { grep -qF -- "$1" "$work/out" || fail "$2: its output lacks \"$1\": $(cat "$work/out" "$work/err")"; }

printf 'wait 1\nsnapshot one\n' > "$work/one.session"
printf 'answer CLOCK::GET_CLOCK_HOURS() -> 3\n' > "$work/night.answers"
mkdir "$work/textures"
run env QDT_PREVIEW="$preview" bash "$run_sh" --session "$work/one.session" --out "$work/first"
cp "$work/first/one.png" "$work/backdrop.png" || fail "run.sh wrote no picture: $(cat "$work/err")"

# Each option with a value to give it ("" for a flag) and what the output then says.
# Every run gives --out, a folder of its own, and the script's must not be added.
declare -A value=(
  [--session]="$work/one.session" [--screen]=1280x720 [--window-width]=1000 [--module]="$module"
  [--textures]="$work/textures" [--backdrop]="$work/backdrop.png" [--out]="(each run's own)"
  [--answers]="$work/night.answers")
declare -A shows=(
  [--session]="session $work/one.session on" [--screen]="game window 1280x720"
  [--window-width]="game window 1000x" [--module]=" on $module, ")
for option in $(offered "$run_sh"); do
  [ -n "${value[$option]+given}" ] || { fail "run.sh offers $option, and this test gives it no value"; continue; }
  out="$work/run$option"
  given=(--out "$out")
  [ "$option" = --out ] || given+=("$option" ${value[$option]:+"${value[$option]}"})
  run env QDT_PREVIEW="$preview" bash "$run_sh" "${given[@]}"
  [ "$status" -eq 0 ] || { fail "run.sh $option: status $status: $(cat "$work/err")"; continue; }
  [ -f "$out/calls.txt" ] || fail "run.sh $option: nothing written into the --out given, $out"
  [ -z "${shows[$option]:-}" ] || said "${shows[$option]}" "run.sh $option"
done

value=(
  [MODULE]="$module" [--screen]=1280x720 [--window]=800x600 [--out]="(each run's own)" [--frames]=2
  [--redraw]="" [--no-keep-place]="" [--record]="$work/recorded.session" [--textures]="$work/textures"
  [--backdrop]="$work/backdrop.png" [--answers]="$work/night.answers")
shows=([MODULE]="opened $module" [--frames]="stats: 2 frames" [--record]="session $work/recorded.session")
for option in $(offered "$workbench_sh"); do
  [ -n "${value[$option]+given}" ] || { fail "workbench.sh offers $option, and this test gives it no value"; continue; }
  given=(--out "$work/workbench$option")
  case "$option" in
    --out) ;;
    MODULE) given+=("$module") ;;
    *) given+=("$option" ${value[$option]:+"${value[$option]}"}) ;;
  esac
  [ "$option" = --frames ] || given+=(--frames 3)
  run env QDT_WORKBENCH="$workbench" bash "$workbench_sh" "${given[@]}"
  [ "$status" -eq 0 ] || { fail "workbench.sh $option: status $status: $(cat "$work/err")"; continue; }
  said "closed" "workbench.sh $option"
  [ -z "${shows[$option]:-}" ] || said "${shows[$option]}" "workbench.sh $option"
done
[ -f "$work/recorded.session" ] || fail "workbench.sh --record wrote no session"

# Exactly what reaches the program: the script's own --out only when the user gives none.
printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s"\n' "$work/arguments" > "$work/stub"
chmod +x "$work/stub"
arguments() { tr '\n' ' ' < "$work/arguments"; }
for script in "$run_sh preview" "$workbench_sh workbench"; do
  read -r path folder <<< "$script"
  run env QDT_PREVIEW="$work/stub" QDT_WORKBENCH="$work/stub" bash "$path" --screen 1280x720
  [ "$(arguments)" = "--out $root/out/$folder --screen 1280x720 " ] ||
    fail "${path##*/} with no --out hands on: $(arguments)"
  run env QDT_PREVIEW="$work/stub" QDT_WORKBENCH="$work/stub" bash "$path" --screen 1280x720 --out mine
  [ "$(arguments)" = "--screen 1280x720 --out mine " ] || fail "${path##*/} --out mine hands on: $(arguments)"
done

# What run.sh builds, in a copy of the tree whose build steps only say what
# they were asked: the guide's tools among it (the natives tool a new
# native's line comes from).
mkdir -p "$work/tree/scripts" "$work/tree/build/native/tools/preview"
cp "$run_sh" "$work/tree/scripts/run.sh"
printf '#!/bin/sh\necho "$@" >> "%s"\n' "$work/built" > "$work/tree/scripts/build.sh"
printf '#!/bin/sh\n' > "$work/tree/scripts/setup.sh"
cp "$work/stub" "$work/tree/build/native/tools/preview/qdt_preview"
chmod +x "$work/tree/scripts/build.sh" "$work/tree/scripts/setup.sh"
run bash "$work/tree/scripts/run.sh"
[ "$status" -eq 0 ] || fail "run.sh with stand-in build steps: status $status: $(cat "$work/err")"
for target in QuorvaneDevTools qdt_preview qdt_natives; do
  grep -qw "$target" "$work/built" || fail "run.sh does not build $target: it built $(tr '\n' ';' < "$work/built")"
done
exit "$failed"
