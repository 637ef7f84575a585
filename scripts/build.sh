#!/usr/bin/env bash
# Configures and builds everything into BUILD_DIR (default: build/, or
# build-win64/ where only the 64-bit build can run; see wine-env.sh).
#   scripts/build.sh [TARGET...]   only the named targets (and what they
#                                  need), for example TaviCurMiniInst NelWnd
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
nel_arch
if [ "$NEL_ARCH" = win64 ]; then build=${BUILD_DIR:-$root/build-win64}; else build=${BUILD_DIR:-$root/build}; fi
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$(nel_toolchain)" \
      -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Release} >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build" -j"$(nproc)" ${targets[@]+"${targets[@]}"}
