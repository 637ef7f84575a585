#!/usr/bin/env bash
# Planted faults: each patch in tests/mutants/ is one small, realistic fault
# (an off-by-one bound, a swapped pair, a wrong flag, a skipped check, a
# missing free, a wrong code-page branch). One at a time it is applied to
# the tree, only the targets of its area are rebuilt (plain build), that
# area's tests are run, and the patch is taken out again. A fault is
# "caught" when a test fails, "SURVIVED" when all pass. Prints one line per
# fault and the score per area.
#   scripts/mutants.sh [PATTERN...]   only the patches whose name holds one
#                                     of the PATTERNs
#
# A patch is named AREA-NN-what.patch. Its first lines say the fault
# ("Fault:"), optionally why it cannot be observed ("Equivalent:", not
# applied and not counted) and which tests to run instead of the area's
# ("Tests:", a ctest regular expression). A patch that no longer applies
# (the code moved on) is reported as "stale" and not counted. The tree is
# never left with a fault in it: the patch in place is taken out on every
# way out of the script, and the area targets are rebuilt at the end.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export NEL_CHECKED=0
. "$root/scripts/wine-env.sh"

# Per area: the targets that hold its code and tests, and (after "|") its
# tests as a ctest regular expression. Kept tight: every planted fault
# runs them once.
declare -A areas=(
  [str]='NelWnd StrCoreTests StrSearchTests StrTextTests|^(StrCoreTests|StrSearchTests|StrTextTests)\.cp932$'
  [ini]='IniTests|^IniTests'
  [info]='AuthorGuideTests|^AuthorGuideTests$'
  [msgbox]='NelWnd MsgBoxTests|^MsgBoxTests\.cp932$'
  [helppopup]='NelWnd HelpPopupTests|^HelpPopupTests\.cp932$'
  [wndutil]='NelWnd WndUtilTests|^WndUtilTests\.cp932$'
  [tool]='NelCmiTool CmiToolTests|^CmiToolTests'
  [support]='SupportTests|^SupportTests$'
)
targets_of() { local a=${areas[$1]:-}; echo "${a%%|*}"; }
tests_of() { local a=${areas[$1]:-}; echo "${a#*|}"; }

patches=()
for p in "$root"/tests/mutants/*.patch; do
  keep=$(( $# == 0 ))
  for pattern in "$@"; do
    case $(basename "$p") in *"$pattern"*) keep=1 ;; esac
  done
  [ $keep = 1 ] && patches+=("$p")
done
[ ${#patches[@]} -gt 0 ] || { echo "mutants: no patch matches $*" >&2; exit 2; }

all_targets=$(for p in "${patches[@]}"; do a=$(basename "$p"); targets_of "${a%%-*}"; done |
              tr ' ' '\n' | sort -u | tr '\n' ' ')
echo "mutants: building $all_targets"
nel_prepare "$root" quiet $all_targets || exit 2
logs="$BUILD_DIR/mutants"
mkdir -p "$logs"
nel_session "$BUILD_DIR"

applied=""
take_out() {
  if [ -n "$applied" ]; then
    git -C "$root" apply -R "$applied" || echo "mutants: could not take out $applied" >&2
    applied=""
  fi
}
trap 'take_out; nel_xvfb_stop' EXIT
trap 'exit 130' INT TERM

declare -A planted caught survived
stale=0 equivalent=0 unbuilt=0
start=$SECONDS
for p in "${patches[@]}"; do
  name=$(basename "$p" .patch)
  area=${name%%-*}
  fault=$(sed -n 's/^Fault: //p' "$p")
  if [ -z "${areas[$area]:-}" ]; then
    printf '%-40s %s\n' "$name" "no such area: $area"
    continue
  fi
  if reason=$(sed -n 's/^Equivalent: //p' "$p") && [ -n "$reason" ]; then
    printf '%-40s %-10s %s\n' "$name" equivalent "$reason"
    equivalent=$((equivalent + 1))
    continue
  fi
  if ! git -C "$root" apply --check "$p" 2>/dev/null; then
    printf '%-40s %-10s %s\n' "$name" stale "the code it patches has changed"
    stale=$((stale + 1))
    continue
  fi
  git -C "$root" apply "$p" && applied=$p
  t0=$SECONDS
  regex=$(sed -n 's/^Tests: //p' "$p")
  regex=${regex:-$(tests_of "$area")}
  if ! cmake --build "$BUILD_DIR" -j2 --target $(targets_of "$area") >"$logs/$name.log" 2>&1; then
    result="no build"
    unbuilt=$((unbuilt + 1))
  else
    planted[$area]=$((${planted[$area]:-0} + 1))
    if ctest --test-dir "$BUILD_DIR" -R "$regex" --timeout 600 >>"$logs/$name.log" 2>&1; then
      result=SURVIVED
      survived[$area]=$((${survived[$area]:-0} + 1))
    else
      result=caught
      caught[$area]=$((${caught[$area]:-0} + 1))
    fi
  fi
  take_out
  failed=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' "$logs/$name.log" | tr '\n' ' ')
  printf '%-40s %-10s %4ds  %s%s\n' "$name" "$result" $((SECONDS - t0)) "$fault" \
    "${failed:+ [failed: ${failed% }]}"
done

echo "score per area (caught / planted):"
total_planted=0 total_caught=0
for area in $(printf '%s\n' "${!planted[@]}" | sort); do
  printf '  %-10s %2d / %2d\n' "$area" "${caught[$area]:-0}" "${planted[$area]}"
  total_planted=$((total_planted + planted[$area]))
  total_caught=$((total_caught + ${caught[$area]:-0}))
done
printf '  %-10s %2d / %2d   (%d equivalent, %d stale, %d not building; not counted)\n' all \
  "$total_caught" "$total_planted" "$equivalent" "$stale" "$unbuilt"
echo "mutants: $((SECONDS - start)) s; logs in $logs; rebuilding the area targets without faults"
"$root/scripts/build.sh" $all_targets >/dev/null || echo "mutants: the rebuild without faults failed" >&2
