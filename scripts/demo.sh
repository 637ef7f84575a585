#!/usr/bin/env bash
# The main job: installs what is missing, builds, lays out the sample
# package (installer, NelWnd.dll, install-info file) the way an author
# ships it, starts the installer under Wine on a private display inside a
# Wine virtual desktop, and reports what it showed and how it ended.
# Screenshots (main dialog, about dialog, help balloon, completion
# question) are saved as PNG files in build/demo/.
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

demo="$build/demo"
pkg="$demo/DemoSet"
rm -rf "$demo"
mkdir -p "$pkg"
cp "$build/bin/TaviCurMiniInst.exe" "$pkg/DemoSet.exe"
cp "$build/bin/NelWnd.dll" "$pkg/"
cp -r "$root/samples/DemoSet/." "$pkg/"

echo "demo: package $pkg"
status=0
LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 wine explorer /desktop=TaviDemo,800x600 \
  "$build/bin/DemoDriver.exe" "$(winepath -w "$pkg/DemoSet.exe")" "$(winepath -w "$demo")" \
  > "$demo/report.txt" 2>/dev/null || status=$?
wineserver -w
cat "$demo/report.txt"
for bmp in "$demo"/*.bmp; do
  [ -f "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "demo: screenshots in $demo"
if [ $status -ne 0 ]; then
  echo "demo: FAILED (see the report above)" >&2
fi
exit $status
