#!/usr/bin/env bash
# Runs one test program under Wine as a user whom file permissions bind,
# as they bind a program without administrator permission on Windows.
# As root (CI runs as root, and root passes every permission check) it
# drops to the unprivileged user 65534 with setpriv, in a Wine prefix of
# that user's own beside the caller's ($WINEPREFIX-unprivileged); as any
# other user it runs the program in the caller's prefix.
#   run-unprivileged.sh PROGRAM.exe [ARGS...]
set -euo pipefail
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
export NEL_UNPRIVILEGED=1
if [ "$(id -u)" -ne 0 ]; then
  exec "$scripts/wine-run.sh" "$@"
fi
: "${WINEPREFIX:?must be set}"
home="$WINEPREFIX-unprivileged"
as_user() {
  setpriv --reuid=65534 --regid=65534 --clear-groups \
    env -u XDG_RUNTIME_DIR HOME="$home" WINEPREFIX="$home/prefix" "$@"
}
if [ ! -f "$home/prefix/.nel-unmanaged" ]; then
  rm -rf "$home"
  mkdir -p "$home"
  chown 65534:65534 "$home"
  as_user bash -c ". '$scripts/wine-env.sh' && nel_prefix" >/dev/null
fi
status=0
as_user "$scripts/wine-run.sh" "$@" || status=$?
as_user wineserver -k >/dev/null 2>&1 || true
exit $status
