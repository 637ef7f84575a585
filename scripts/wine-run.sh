#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's own prefix.
# Used by CTest as the cross-compiling emulator; the caller (scripts/test.sh)
# exports WINEPREFIX, WINEARCH and DISPLAY.
#
# A Windows program that faults ends with its exception code (0xC0000005
# leaves status 5), never with a signal. Status 139 or 135 means Wine's own
# loader died of SIGSEGV or SIGBUS. That happened once in CI, after a test
# program had printed all its results, and never in hundreds of runs here.
# Such a run is reported on stderr and the program is run once more; its
# second result is the one that counts, so a program that really fails still
# fails.
#
# In the checked build's runs (NEL_CHECKED=1, see scripts/checked.sh) Wine
# also reports its heap warnings and errors (a block freed twice, a damaged
# block); a run that prints any fails, whatever the program's own status.
set -u
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
heap_log=""
if [ "${NEL_CHECKED:-0}" = 1 ]; then
  heap_log=$(mktemp)
  trap 'rm -f "$heap_log"' EXIT
fi

run() {
  if [ -n "$heap_log" ]; then
    # Standard error comes after the run's standard output, in one piece.
    local result
    wine "$@" 2>"$heap_log.run"
    result=$?
    cat "$heap_log.run" | tee -a "$heap_log" >&2
    rm -f "$heap_log.run"
    return $result
  fi
  wine "$@"
}

run "$@"
status=$?
case $status in
  135 | 139)
    echo "wine-run: wine itself ended on signal $((status - 128)) (status $status)" \
      "running $1; running it once more" >&2
    run "$@"
    status=$?
    ;;
esac
if [ -n "$heap_log" ]; then
  problems=$(grep -ac ':heap:' "$heap_log")
  if [ "$problems" -gt 0 ]; then
    echo "wine-run: Wine's heap check reported $problems problem(s) running $1" >&2
    [ $status -eq 0 ] && status=1
  fi
fi
exit $status
