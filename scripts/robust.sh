#!/usr/bin/env bash
# The long robustness run: mutated install-info files through the real
# installer under Wine (the test suite runs 24 of them). Prints every input
# and what it found.
#   scripts/robust.sh [COUNT [SEED]]     (default 300 inputs, seed 20261208)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
nel_prepare "$root" quiet
build=$BUILD_DIR
nel_session "$build"

cd "$build/bin"
LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 wine RobustRun.exe --count "${1:-300}" --seed "${2:-20261208}" --verbose
