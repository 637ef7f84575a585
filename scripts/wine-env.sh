# Sourced by the project's scripts: a Wine prefix of the project's own under
# the build folder, and an Xvfb display that the calling script starts and
# stops itself.
#   nel_arch                 export NEL_ARCH: win32, or win64 where this
#                            machine cannot start 32-bit programs
#   nel_wine_env BUILD_DIR   export WINEPREFIX, WINEARCH, WINEDEBUG
#   nel_prefix               create the prefix once (wineboot)
#   nel_xvfb_start           start Xvfb on a free display, export DISPLAY
#   nel_xvfb_stop            stop that Xvfb and this prefix's wineserver
#   nel_build_dir ROOT       the default build folder: ROOT/build, or
#                            ROOT/build-win64 for the 64-bit build; with
#                            NEL_CHECKED=1 the checked build's folder,
#                            ROOT/build-checked or ROOT/build-checked-win64
#   nel_prepare ROOT [quiet] [TARGET...]
#                            install what is missing and build (every
#                            target, or those named) into $BUILD_DIR
#                            (default: nel_build_dir; exported)
#   nel_demo_package ROOT BUILD_DIR FOLDER
#                            lay out the demo set in FOLDER as an author
#                            ships it: DemoSet.exe, NelWnd.dll, the
#                            install-info file and the cursors
#   nel_session BUILD_DIR    all of it: environment, a display stopped when
#                            the script exits, and the prefix

# The shipped modules are 32-bit and run under 32-bit Wine. A kernel built
# without IA-32 emulation (or started with ia32_emulation=off) refuses every
# 32-bit program, Wine's 32-bit loader included ("Exec format error"), and
# no 32-bit code can run at all, so neither 32-bit Wine nor its WoW64 mode
# works. On such a machine the scripts build the same sources for 64-bit
# Windows (cmake/mingw-x86_64.cmake) and run them under 64-bit Wine, and say
# so. NEL_ARCH=win32 or win64 set by the caller chooses without the probe.
nel_arch() {
  if [ -z "${NEL_ARCH:-}" ]; then
    if wine --version >/dev/null 2>&1; then
      NEL_ARCH=win32
    else
      NEL_ARCH=win64
      echo "note: this machine cannot start 32-bit programs (its kernel has no IA-32" \
        "emulation), so 32-bit Wine cannot run here. Building and testing the 64-bit" \
        "build of the same sources under 64-bit Wine instead." >&2
    fi
  fi
  export NEL_ARCH
}

nel_build_dir() {
  local name=build
  [ "${NEL_CHECKED:-0}" = 1 ] && name=build-checked
  if [ "$NEL_ARCH" = win64 ]; then echo "$1/$name-win64"; else echo "$1/$name"; fi
}

nel_toolchain() {
  if [ "$NEL_ARCH" = win64 ]; then echo mingw-x86_64.cmake; else echo mingw-i686.cmake; fi
}

# For the 64-bit build, "wine" must start the 64-bit loader: the system's
# wine script prefers the 32-bit one whenever it is installed.
nel_wine64_shim() {
  local loader shim="$1/wine64-bin"
  loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
  [ -x "$loader" ] || loader=/usr/lib/wine/wine64
  mkdir -p "$shim"
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexport WINELOADER=%s\nexec %s "$@"\n' "$loader" "$loader" >"$shim/$name"
    chmod +x "$shim/$name"
  done
  case ":$PATH:" in *":$shim:"*) ;; *) export PATH="$shim:$PATH" ;; esac
}

nel_wine_env() {
  nel_arch
  export WINEARCH=$NEL_ARCH
  [ "$NEL_ARCH" = win64 ] && nel_wine64_shim "$1"
  export WINEPREFIX="$1/wineprefix"
  export WINEDEBUG=-all
  # The checked build's runs also hear Wine's heap warnings (a second free,
  # a damaged block); scripts/wine-run.sh fails a run that has any.
  [ "${NEL_CHECKED:-0}" = 1 ] && export WINEDEBUG=-all,warn+heap,err+heap
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
  # Wine's own fonts (fonts-wine: Marlett draws the caption buttons) lie in
  # its data folder, which Debian's loader in /usr/lib/wine names as
  # /usr/lib/wine/../../share/wine; Wine's font code cannot open a folder
  # named with "..", finds none of them, and the close box shows an "r".
  # Wine always reads the prefix's own Fonts folder, so they are linked
  # into it.
  local fonts=/usr/share/wine/fonts winfonts="$WINEPREFIX/drive_c/windows/Fonts" f
  if [ -d "$fonts" ] && [ -d "$winfonts" ]; then
    for f in "$fonts"/*; do
      if [ -f "$f" ] && [ ! -e "$winfonts/${f##*/}" ]; then
        ln -s "$f" "$winfonts/"
      fi
    done
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
  local root=$1 quiet=""
  shift
  if [ "${1:-}" = quiet ]; then
    quiet=1
    shift
  fi
  "$root/scripts/setup.sh"
  nel_arch
  export BUILD_DIR="${BUILD_DIR:-$(nel_build_dir "$root")}"
  if [ -n "$quiet" ]; then
    "$root/scripts/build.sh" "$@" >/dev/null
  else
    "$root/scripts/build.sh" "$@"
  fi
}

nel_demo_package() {
  rm -rf "$3"
  mkdir -p "$3"
  cp "$2/bin/TaviCurMiniInst.exe" "$3/DemoSet.exe"
  cp "$2/bin/NelWnd.dll" "$3/"
  cp -r "$1/samples/DemoSet/." "$3/"
}
