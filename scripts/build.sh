#!/usr/bin/env bash
# Configures and builds everything into BUILD_DIR (default: build/, or
# build-win64/ where only the 64-bit build can run; with NEL_CHECKED=1 the
# checked build in build-checked/ or build-checked-win64/; see
# wine-env.sh).
#   scripts/build.sh [TARGET...]   only the named targets (and what they
#                                  need), for example TaviCurMiniInst NelWnd
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
nel_arch
build=${BUILD_DIR:-$(nel_build_dir "$root")}
checked=OFF
[ "${NEL_CHECKED:-0}" = 1 ] && checked=ON
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$(nel_toolchain)" \
      -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Release} -DNEL_CHECKED=$checked >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build" -j"$(nproc)" ${targets[@]+"${targets[@]}"}
