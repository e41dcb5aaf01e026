#!/usr/bin/env bash
# Builds everything and opens the demo host. Without a display it runs on a
# virtual one, walks through every dialog by itself and saves captures to
# build/screenshots/demo.
set -u
source "$(dirname "$0")/lib/common.sh"

ensure_packages || exit 1
build_all || exit 1

unattended=""
[ -z "${DISPLAY:-}" ] && unattended=1
trap 'stop_wine; stop_display' EXIT
start_display || exit 1
prepare_wine
register_sample_install || exit 1
set_demo_preferences

host=$VTA_BUILD/win64/bin/vtahost.exe
if [ -n "$unattended" ]; then
  captures=$VTA_BUILD/screenshots/demo
  mkdir -p "$captures"
  step "Running the demo host unattended"
  wine_tool "$host" --capture "Z:$captures" || exit 1
  echo "Captures of the demo: $captures"
else
  step "Opening the demo host"
  wine_tool "$host"
fi
