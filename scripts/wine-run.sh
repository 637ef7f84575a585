#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's own prefix.
# Used by CTest as the cross-compiling emulator; the caller (scripts/test.sh)
# exports WINEPREFIX, WINEARCH and DISPLAY.
set -u
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec wine "$@"
