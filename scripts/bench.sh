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
echo "== installer start (CreateProcess of DemoSet.exe until its main dialog is visible)"
bench "$build/bin/StartupBench.exe" "$winpkg\\DemoSet.exe"
echo
echo "== message box (NelMsgBoxW against MessageBoxW, call until the box is visible)"
bench "$build/bin/MsgBoxBench.exe"
[ $status -eq 0 ] || echo "bench: FAILED (see above)" >&2
exit $status
