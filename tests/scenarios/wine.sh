# Sourced by the Wine tests. They run one at a time (CTest RUN_SERIAL): a
# wineserver is shared by every program of a prefix, and FindWindowA sees
# the windows of them all.
#   prepare_wine WORK_DIR          the prefix WORK_DIR/prefix, made once
#   run_under_wine OUTPUT PROGRAM  on a virtual 1920 x 1080 screen; sets run_status

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

prepare_wine() {
  local work=$1
  for tool in "$wine" "$wineserver" "$(command -v xvfb-run || true)"; do
    [ -n "$tool" ] && [ -x "$tool" ] || { echo "missing: wine64 or xvfb-run (scripts/setup.sh installs them)" >&2; exit 1; }
  done

  # A prefix of our own under the build tree; ~/.wine stays untouched.
  export WINEPREFIX="$work/prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

  # A wineserver left from an earlier run would serve this one with stale state.
  # It belongs to this prefix, so to an earlier run of these very tests.
  timeout 60 "$wineserver" -w || "$wineserver" -k

  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating the Wine prefix $WINEPREFIX (once)"
    local started
    started=$(date +%s)
    "$wine" wineboot -i > "$work/wineboot.log" 2>&1
    # A crash must end the run instead of waiting on a dialog nobody can click.
    "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >> "$work/wineboot.log" 2>&1
    "$wineserver" -w
    echo "prefix ready in $(( $(date +%s) - started )) s"
  fi
}

run_under_wine() {
  local output=$1 started
  shift
  started=$(date +%s)
  run_status=0
  # Displays are searched from a random number on, so that runs in other
  # worktrees at the same time rarely race for the same one.
  xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1920x1080x24" \
    timeout 600 "$wine" "$@" > "$output" || run_status=$?
  "$wineserver" -w
  echo "wine run: $(( $(date +%s) - started )) s, exit status $run_status"
}
