#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (also under the
# address and undefined-behaviour sanitizers), the same tests and
# the UI tests under Wine on the x86_64 modules and, where this machine runs
# 32-bit programs, on the i686 modules, and the static checks of the Windows
# modules. The soak test of the sheet runs last on each Windows build, with
# its figures shown even when it passes. Captures of the dialogs go to
# build/screenshots (x86_64) and build/screenshots/i686.
set -u
source "$(dirname "$0")/lib/common.sh"

ensure_packages || exit 1
# 32-bit Wine comes from the package manager too; when it cannot be had, the
# reason is kept and reported at the end.
install_wine32
build_all native asan win64 win32 || exit 1

failed=0
run_ctest() {
  local dir=$1; shift
  step "Testing $(basename "$dir") $*"
  (cd "$dir" && ctest --output-on-failure "$@") || failed=1
}

run_ctest "$VTA_BUILD/native" -j2
# The same native tests under AddressSanitizer and UndefinedBehaviorSanitizer
# (leak checks included); the first finding ends its program with a failure.
UBSAN_OPTIONS=print_stacktrace=1 run_ctest "$VTA_BUILD/asan" -j2

trap 'stop_wine; stop_display' EXIT
start_display || exit 1
prepare_wine x86_64 || exit 1
register_sample_install x86_64 || exit 1
mkdir -p "$VTA_BUILD/screenshots/i686"
# Wine on a virtual X display now and then delivers a focus or pointer event
# late, which can cost a UI test its drag or a program its start; a test that
# fails is run once more, and the log keeps the failed attempt.
wine_retry="--repeat until-pass:2"
VTA_SCREENSHOT_DIR="Z:$VTA_BUILD/screenshots" run_ctest "$VTA_BUILD/win64" -j2 -LE soak $wine_retry
VTA_SCREENSHOT_DIR="Z:$VTA_BUILD/screenshots" run_ctest "$VTA_BUILD/win64" -L soak -V

step "Probing 32-bit execution"
if probe_32bit; then
  echo "32-bit Windows programs run here: testing the i686 modules under 32-bit Wine"
  register_sample_install i686 || exit 1
  VTA_SCREENSHOT_DIR="Z:$VTA_BUILD/screenshots/i686" run_ctest "$VTA_BUILD/win32" -j2 -LE soak \
    $wine_retry
  VTA_SCREENSHOT_DIR="Z:$VTA_BUILD/screenshots/i686" run_ctest "$VTA_BUILD/win32" -L soak -V
else
  echo "No 32-bit execution: $VTA_32BIT_REASON"
  # The i686 build was compiled (its layout assertions hold); its static
  # checks need no Wine.
  run_ctest "$VTA_BUILD/win32" -L static
fi

status=0
if [ $failed -ne 0 ]; then
  echo "Some tests failed." >&2
  status=1
elif [ -n "$VTA_32BIT_REASON" ]; then
  echo "All tests that ran passed. Captures: $VTA_BUILD/screenshots"
else
  echo "All tests passed, on the x86_64 and the i686 modules. Captures: $VTA_BUILD/screenshots"
fi
[ -n "$VTA_32BIT_REASON" ] && echo "32-bit tests not run: $VTA_32BIT_REASON"
exit $status
