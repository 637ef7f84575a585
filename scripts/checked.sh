#!/usr/bin/env bash
# The checked build and its tests: the whole tree built with -DNEL_CHECKED=ON
# into build-checked/ (build-checked-win64/ where only the 64-bit build can
# run), so that undefined behaviour and memory misuse stop a program (see
# checked/Checked.cmake), and the tests run under Wine as scripts/test.sh
# runs them, with Wine's heap warnings on (a run that has any fails).
#   scripts/checked.sh [ctest arguments]     every test, or e.g. -R Ini
#   scripts/checked.sh --fast                builds and runs only the test
#                                            programs CI runs checked
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export NEL_CHECKED=1

# The programs that test the readers of outside data and the string class
# without driving many windows, and the fuzz slice: minutes, not the
# suite's quarter hour.
fast_targets=(CheckedProbeTests CheckedProbe StrCoreTests StrInstallerBuildTests StrSearchTests
              StrSearchInstallerTests IniTests NelWndExportTests AuthorGuideTests RobustHarnessTests
              FuzzRun)
fast_tests='^(CheckedProbeTests|StrCoreTests|StrInstallerBuildTests|StrSearchTests|StrSearchInstallerTests|IniTests|NelWndExportTests|AuthorGuideTests|RobustHarnessTests|FuzzRun)(\.|$)'

if [ "${1:-}" = --fast ]; then
  shift
  . "$root/scripts/wine-env.sh"
  nel_prepare "$root" quiet "${fast_targets[@]}"
  nel_session "$BUILD_DIR"
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 -R "$fast_tests" "$@"
  exit
fi
exec "$root/scripts/test.sh" "$@"
