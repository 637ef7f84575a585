#!/usr/bin/env bash
# The main job: installs what is missing, builds, lays out the sample
# package (installer, NelWnd.dll, install-info file) the way an author
# ships it, starts the installer under Wine on a private display inside a
# Wine virtual desktop, and reports what it showed and how it ended.
# Screenshots (main dialog, about dialog, help balloon, completion
# question) are saved as PNG files in build/demo/.
#
#   scripts/demo.sh          headless, driven as described above
#   scripts/demo.sh --show   the installer on your own display ($DISPLAY),
#                            for a person to use; afterwards the script
#                            prints the registered schemes and pointers
set -euo pipefail
show=0
case "${1:-}" in
  --show) show=1 ;;
  "") ;;
  *) echo "usage: scripts/demo.sh [--show]" >&2; exit 2 ;;
esac
if [ $show -eq 1 ] && [ -z "${DISPLAY:-}" ]; then
  echo "demo: --show needs a display (DISPLAY is not set)" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
# Only what the demo runs: the installer, its library and the driver. The
# test programs are built by scripts/test.sh.
nel_prepare "$root" quiet TaviCurMiniInst NelWnd DemoDriver
build=$BUILD_DIR
if [ $show -eq 1 ]; then
  nel_wine_env "$build"
  nel_prefix
else
  nel_session "$build"
fi

demo="$build/demo"
pkg="$demo/DemoSet"
rm -rf "$demo"
nel_demo_package "$root" "$build" "$pkg"

echo "demo: package $pkg"
status=0
if [ $show -eq 1 ]; then
  LC_ALL=${LC_ALL:-ja_JP.UTF-8} wine "$pkg/DemoSet.exe" || status=$?
  wineserver -w
  echo "demo: the installer ended with exit code $status"
  wine reg query 'HKCU\Control Panel\Cursors\Schemes' 2>/dev/null | tr -d '\r' || true
  wine reg query 'HKCU\Control Panel\Cursors' 2>/dev/null | tr -d '\r' | grep -v '^ *$' || true
  exit $status
fi
LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 wine explorer /desktop=TaviDemo,800x600 \
  "$build/bin/DemoDriver.exe" "$(winepath -w "$pkg/DemoSet.exe")" "$(winepath -w "$demo")" \
  > "$demo/report.txt" 2>/dev/null || status=$?
wineserver -w
cat "$demo/report.txt"
# The virtual desktop does not pass the driver's exit code on; its last
# line does.
if [ "$(tail -n 1 "$demo/report.txt" | tr -d '\r')" != "result: success" ]; then
  [ $status -ne 0 ] || status=1
fi
for bmp in "$demo"/*.bmp; do
  [ -f "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "demo: screenshots in $demo"
if [ $status -ne 0 ]; then
  echo "demo: FAILED (see the report above)" >&2
fi
exit $status
