#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test
# program under Wine on a private Xvfb display. Extra arguments go to ctest
# (for example -R Ini).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
nel_prepare "$root"
build=$BUILD_DIR
nel_session "$build"

ctest --test-dir "$build" --output-on-failure -j2 "$@"
