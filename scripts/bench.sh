#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine and prints their figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export BUILD_DIR="$build"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" >/dev/null

. "$root/scripts/wine-env.sh"
nel_wine_env "$build"
nel_xvfb_start
trap nel_xvfb_stop EXIT
nel_prefix

echo "== string class (CNelStrW against std::wstring, same work, same run)"
LC_ALL=ja_JP.UTF-8 wine "$build/bin/StrBench.exe"
