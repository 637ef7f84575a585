#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test
# program under Wine on a private Xvfb display. Extra arguments go to ctest
# (for example -R Ini).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export BUILD_DIR="$build"

"$root/scripts/setup.sh"
"$root/scripts/build.sh"

. "$root/scripts/wine-env.sh"
nel_wine_env "$build"
nel_xvfb_start
trap nel_xvfb_stop EXIT
nel_prefix

ctest --test-dir "$build" --output-on-failure -j2 "$@"
