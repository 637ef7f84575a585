#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine and prints their figures. Each
# one measures both sides in the same run and prints medians and the ratio
# (below 1: ours is faster). The installer benchmarks use the demo set,
# laid out here the way an author ships it (installer as DemoSet.exe beside
# NelWnd.dll and the install-info file).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
nel_prepare "$root" quiet
build=$BUILD_DIR
nel_session "$build"

# Sizes are those of the 32-bit release modules, what authors ship. Where
# the test build is the 64-bit one, the 32-bit modules are built (only
# those two targets) into BUILD32_DIR, default build-i686/.
if [ "$NEL_ARCH" = win32 ]; then
  build32=$build
else
  build32=${BUILD32_DIR:-$root/build-i686}
  if [ ! -f "$build32/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
          -DCMAKE_BUILD_TYPE=Release -DNEL_BUILD_TESTS=OFF >/dev/null
  fi
  cmake --build "$build32" -j"$(nproc)" --target TaviCurMiniInst NelWnd >/dev/null
fi
echo "== module sizes (32-bit release build in $build32; goal 150 KB each)"
for module in TaviCurMiniInst.exe NelWnd.dll; do
  bytes=$(stat -c %s "$build32/bin/$module")
  awk -v m="$module" -v b="$bytes" \
    'BEGIN { printf "%-34s %10d bytes %7.1f KB %6.2fx of the goal\n", m, b, b / 1024, b / 153600 }'
done
echo

echo "== string class (CNelStrW against std::wstring, same work, same run)"
LC_ALL=ja_JP.UTF-8 wine "$build/bin/StrBench.exe"

pkg="$build/bench-package/DemoSet"
nel_demo_package "$root" "$build" "$pkg"
winpkg=$(winepath -w "$pkg")

# The installer's texts and folder name are Japanese: run as the demo does.
# The programs print FAILED and end with a non-zero code when a step fails.
status=0
bench() {
  local out
  out=$(LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 wine "$@" 2>/dev/null) || status=1
  echo "$out"
  case "$out" in *FAILED*|"") status=1 ;; esac
}

echo
echo "== full installation of the demo set (installer from OK to its end, against setupapi and an equivalent install.inf)"
bench "$build/bin/InstallBench.exe" "$winpkg"
echo
echo "== install-info reading (NelIniGetStr against GetPrivateProfileStringW, same keys of DemoSet.nelcmi)"
bench "$build/bin/IniBench.exe" "$winpkg\\DemoSet.nelcmi"
echo
echo "== installer start (CreateProcess of DemoSet.exe until its main dialog is visible, against"
echo "   StartupFloor.exe: the same system libraries, manifest and window class, an empty dialog)"
bench "$build/bin/StartupBench.exe" "$winpkg\\DemoSet.exe" "$(winepath -w "$build/bin/StartupFloor.exe")"
echo
echo "== the installer's own start-up work by stage (its steps run in-process against DemoSet.nelcmi)"
bench "$build/bin/StartupStages.exe" "$winpkg\\DemoSet.nelcmi"
echo
echo "== the installation by stage (OK to the question, the box, Yes to the end; the installer's"
echo "   code run in-process as DemoSet.exe, against setupapi in the full installation above)"
bench "$build/bin/InstallStages.exe" "$winpkg"
echo
echo "== message box (NelMsgBoxW against MessageBoxW, call until the box is visible)"
bench "$build/bin/MsgBoxBench.exe"
[ $status -eq 0 ] || echo "bench: FAILED (see above)" >&2
exit $status
