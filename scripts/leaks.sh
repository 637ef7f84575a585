#!/usr/bin/env bash
# The leak cycles at full length: the installer's main and about dialogs,
# a message box of every button set and the help popup opened and closed
# CYCLES times each in one process (plain build), with the GDI, USER and
# kernel objects and the private bytes the process holds printed after a
# warm-up and at checkpoints. The suite runs 40 cycles (LeakCycles).
#   scripts/leaks.sh [CYCLES]     (default 1000)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
nel_prepare "$root" quiet LeakCycles
nel_session "$BUILD_DIR"
cd "$BUILD_DIR/bin"
LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 NEL_SOURCE_DIR="Z:$root" \
  "$root/scripts/wine-run.sh" LeakCycles.exe --cycles "${1:-1000}"
