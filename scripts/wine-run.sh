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
set -u
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine "$@"
status=$?
case $status in
  135 | 139)
    echo "wine-run: wine itself ended on signal $((status - 128)) (status $status)" \
      "running $1; running it once more" >&2
    wine "$@"
    status=$?
    ;;
esac
exit $status
