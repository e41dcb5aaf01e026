#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, the same tests and
# the UI tests under Wine, and the static checks of the Windows modules.
# Captures of the dialogs go to build/screenshots.
set -u
source "$(dirname "$0")/lib/common.sh"

ensure_packages || exit 1
build_all || exit 1

failed=0
run_ctest() {
  local dir=$1; shift
  step "Testing $(basename "$dir") $*"
  (cd "$dir" && ctest --output-on-failure "$@") || failed=1
}

run_ctest "$VTA_BUILD/native" -j2
run_ctest "$VTA_BUILD/win32" -L static

trap 'stop_wine; stop_display' EXIT
start_display || exit 1
prepare_wine
register_sample_install || exit 1
export VTA_SCREENSHOT_DIR="Z:$VTA_BUILD/screenshots"
mkdir -p "$VTA_BUILD/screenshots"
run_ctest "$VTA_BUILD/win64" -j2

if [ $failed -ne 0 ]; then
  echo "Some tests failed." >&2
  exit 1
fi
echo "All tests passed. Captures: $VTA_BUILD/screenshots"
