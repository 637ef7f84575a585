# Sourced by the project's scripts: a Wine prefix of the project's own under
# the build folder, and an Xvfb display that the calling script starts and
# stops itself.
#   nel_wine_env BUILD_DIR   export WINEPREFIX, WINEARCH, WINEDEBUG
#   nel_prefix               create the prefix once (wineboot)
#   nel_xvfb_start           start Xvfb on a free display, export DISPLAY
#   nel_xvfb_stop            stop that Xvfb and this prefix's wineserver
#   nel_prepare ROOT [quiet] install what is missing and build into
#                            $BUILD_DIR (default ROOT/build, exported)
#   nel_demo_package ROOT BUILD_DIR FOLDER
#                            lay out the demo set in FOLDER as an author
#                            ships it: DemoSet.exe, NelWnd.dll, the
#                            install-info file and the cursors
#   nel_session BUILD_DIR    all of it: environment, a display stopped when
#                            the script exits, and the prefix

nel_wine_env() {
  export WINEARCH=win32
  export WINEPREFIX="$1/wineprefix"
  export WINEDEBUG=-all
  # No Mono or Gecko download prompts in a prefix made for tests.
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

nel_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
  # A crashing test program must end at once and fail its test, not wait
  # for a person at Wine's crash dialog: no just-in-time debugger.
  if [ ! -f "$WINEPREFIX/.nel-nodebugger" ]; then
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
      /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1 &&
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1 &&
    touch "$WINEPREFIX/.nel-nodebugger"
  fi
  # There is no window manager on the private display. Windows that Wine
  # hands to a window manager wait about 2 s for it on every close; windows
  # Wine manages itself close at once.
  if [ ! -f "$WINEPREFIX/.nel-unmanaged" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 &&
    touch "$WINEPREFIX/.nel-unmanaged"
  fi
}

NEL_XVFB_PID=""
nel_xvfb_start() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      NEL_XVFB_PID=$!
      export DISPLAY=":$n"
      local i
      for i in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        kill -0 "$NEL_XVFB_PID" 2>/dev/null || break
        sleep 0.1
      done
    fi
  done
  echo "xvfb: could not start a display" >&2
  return 1
}

nel_xvfb_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$NEL_XVFB_PID" ]; then
    kill "$NEL_XVFB_PID" 2>/dev/null || true
    wait "$NEL_XVFB_PID" 2>/dev/null || true
    NEL_XVFB_PID=""
  fi
}

nel_session() {
  nel_wine_env "$1"
  nel_xvfb_start
  trap nel_xvfb_stop EXIT
  nel_prefix
}

nel_prepare() {
  export BUILD_DIR="${BUILD_DIR:-$1/build}"
  "$1/scripts/setup.sh"
  if [ "${2:-}" = quiet ]; then
    "$1/scripts/build.sh" >/dev/null
  else
    "$1/scripts/build.sh"
  fi
}

nel_demo_package() {
  rm -rf "$3"
  mkdir -p "$3"
  cp "$2/bin/TaviCurMiniInst.exe" "$3/DemoSet.exe"
  cp "$2/bin/NelWnd.dll" "$3/"
  cp -r "$1/samples/DemoSet/." "$3/"
}
