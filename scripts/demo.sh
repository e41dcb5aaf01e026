#!/usr/bin/env bash
# Builds everything and opens the demo host. Without a display it runs on a
# virtual one, walks through every dialog by itself and saves captures to
# build/screenshots/demo (build/screenshots/demo-i686 for the 32-bit host).
#
#   ./scripts/demo.sh [--arch x86_64|i686]
#
# x86_64 (the default) runs the 64-bit host and modules under 64-bit Wine;
# i686 runs the 32-bit host, Vantaro30.dll and plug-ins under 32-bit Wine
# (installed with the i386 package architecture when missing).
set -u
source "$(dirname "$0")/lib/common.sh"

arch=x86_64
while [ $# -gt 0 ]; do
  case $1 in
    --arch) arch=${2:-}; shift 2 || break ;;
    --arch=*) arch=${1#--arch=}; shift ;;
    *) echo "usage: $0 [--arch x86_64|i686]" >&2; exit 2 ;;
  esac
done
case $arch in
  x86_64 | i686) ;;
  *) echo "usage: $0 [--arch x86_64|i686]" >&2; exit 2 ;;
esac

ensure_packages || exit 1
if [ "$arch" = i686 ] && ! install_wine32; then
  echo "The 32-bit demo cannot run here: $VTA_32BIT_REASON" >&2
  exit 1
fi
build_all || exit 1

unattended=""
[ -z "${DISPLAY:-}" ] && unattended=1
trap 'stop_wine; stop_display' EXIT
start_display || exit 1
if [ "$arch" = i686 ]; then
  if ! probe_32bit; then
    echo "The 32-bit demo cannot run here: $VTA_32BIT_REASON" >&2
    exit 1
  fi
else
  prepare_wine x86_64 || exit 1
fi
register_sample_install "$arch" || exit 1
set_demo_preferences "$arch"

host=$(wine_build "$arch")/bin/vtahost.exe
if [ -n "$unattended" ]; then
  captures=$VTA_BUILD/screenshots/demo
  [ "$arch" = i686 ] && captures=$VTA_BUILD/screenshots/demo-i686
  mkdir -p "$captures"
  step "Running the $arch demo host unattended"
  # Nobody watches an unattended run: it may not hang.
  if ! timeout 600 "$VTA_ROOT/scripts/wine-run" --arch "$arch" "$host" --capture "Z:$captures"; then
    echo "The unattended demo failed or did not finish within 10 minutes." >&2
    exit 1
  fi
  echo "Captures of the demo: $captures"
else
  step "Opening the $arch demo host"
  wine_tool "$arch" "$host"
fi
