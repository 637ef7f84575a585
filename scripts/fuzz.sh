#!/usr/bin/env bash
# The long fuzz run: generated and mutated inputs fed in one process into
# every reader of outside data (install-info pipeline, author tool, string
# class, message box and help popup layout), on the checked build (see
# scripts/checked.sh). Prints the targets, a progress line every 10
# seconds, every finding with the seed and number that reproduce it, and
# the inputs per second at the end. The suite runs 3000 inputs of it
# (FuzzRun).
#   scripts/fuzz.sh [COUNT [SEED [--only N]]]   (default 100000 inputs,
#                                                seed 20261208)
# --only N runs input N alone and keeps its files beside FuzzRun.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export NEL_CHECKED=1
. "$root/scripts/wine-env.sh"
nel_prepare "$root" quiet FuzzRun
nel_session "$BUILD_DIR"

count=${1:-100000}
seed=${2:-20261208}
shift $(( $# < 2 ? $# : 2 ))
cd "$BUILD_DIR/bin"
LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 NEL_SOURCE_DIR="Z:$root" \
  "$root/scripts/wine-run.sh" FuzzRun.exe --count "$count" --seed "$seed" "$@"
