# Shared by scripts/test.sh and scripts/demo.sh: packages, builds, the virtual
# display and the private Wine prefix. Source it; it sets VTA_ROOT and VTA_BUILD.

VTA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
VTA_BUILD=$VTA_ROOT/build
VTA_PACKAGES="cmake ninja-build g++ googletest g++-mingw-w64-x86-64-posix
  g++-mingw-w64-i686-posix wine64 xvfb imagemagick libpng-dev"

step() { printf '\n== %s\n' "$*"; }

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages that are missing; quiet when all are present.
ensure_packages() {
  local missing="" pkg
  for pkg in $VTA_PACKAGES; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing="$missing $pkg"
  done
  [ -z "$missing" ] && return 0
  step "Installing:$missing"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
}

# Configures (once) and builds the three configurations: native, Windows
# x86_64 and Windows i686.
build_all() {
  local name toolchain
  for name in native win64 win32; do
    case $name in
      native) toolchain="" ;;
      win64) toolchain="-DCMAKE_TOOLCHAIN_FILE=$VTA_ROOT/cmake/mingw-x86_64.cmake" ;;
      win32) toolchain="-DCMAKE_TOOLCHAIN_FILE=$VTA_ROOT/cmake/mingw-i686.cmake" ;;
    esac
    step "Building $name"
    if [ ! -f "$VTA_BUILD/$name/build.ninja" ]; then
      cmake -S "$VTA_ROOT" -B "$VTA_BUILD/$name" -G Ninja $toolchain >/dev/null || return 1
    fi
    cmake --build "$VTA_BUILD/$name" || return 1
  done
}

# Starts Xvfb on a free display number when there is no display; stop_display
# stops exactly that server again.
VTA_XVFB_PID=""
start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  VTA_XVFB_PID=$!
  local tries=0
  while [ ! -e "/tmp/.X11-unix/X$n" ]; do
    sleep 0.1
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$VTA_XVFB_PID" 2>/dev/null; then
      echo "Xvfb did not start on :$n" >&2
      return 1
    fi
  done
  export DISPLAY=":$n"
  echo "Virtual display $DISPLAY (Xvfb pid $VTA_XVFB_PID)"
}

stop_display() {
  [ -n "$VTA_XVFB_PID" ] && kill "$VTA_XVFB_PID" 2>/dev/null && wait "$VTA_XVFB_PID" 2>/dev/null
  VTA_XVFB_PID=""
}

wine_tool() { "$VTA_ROOT/scripts/wine-run" "$@"; }

# Creates the private Wine prefix once: no Mono or Gecko, no crash dialog (a
# crashing test fails instead of hanging).
prepare_wine() {
  export WINEPREFIX=$VTA_BUILD/wineprefix
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/.vantaro-ready" ]; then
    step "Creating the Wine prefix (once)"
    mkdir -p "$WINEPREFIX"
    wine_tool wineboot -i >/dev/null 2>&1
    wine_reg 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0
    touch "$WINEPREFIX/.vantaro-ready"
  fi
  configure_wine_windows
}

wine_reg() { wine_tool reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }

# The sample installation the native build makes with `vtafx install`: the
# CMake variable VTA_SAMPLE_INSTALL_DIR of build/native (the one place its
# path is kept).
sample_install_dir() {
  sed -n 's/^VTA_SAMPLE_INSTALL_DIR:PATH=//p' "$VTA_BUILD/native/CMakeCache.txt"
}

# Points the library in the Wine prefix at the sample installation
# (registry value "Path", as a Windows path on Wine's Z: drive) and makes
# Rnd_Software (in its LIBS) the renderer of the preview and of renders.
register_sample_install() {
  local dir
  dir=$(sample_install_dir)
  [ -d "$dir" ] || { echo "No sample installation at '$dir'" >&2; return 1; }
  wine_reg 'HKLM\Software\Corvane\Vantaro\3.0' Path REG_SZ "Z:${dir//\//\\}"
  wine_reg 'HKLM\Software\Corvane\Vantaro\3.0' Prev_Engine REG_SZ Rnd_Software
  wine_reg 'HKLM\Software\Corvane\Vantaro\3.0' Engine REG_SZ Rnd_Software
  echo "Sample installation: $dir"
}

# The demo starts with the preview playing on its own: automatic preview
# render, 20 frames at medium quality, 10 frames per second. Set once, so
# choices the user makes later stay.
set_demo_preferences() {
  local key='HKLM\Software\Corvane\Vantaro\3.0'
  wine_tool reg query "$key" /v Prev_Render >/dev/null 2>&1 && return 0
  wine_reg "$key" Prev_Render REG_DWORD 1
  wine_reg "$key" Prev_Frames REG_DWORD 20
  wine_reg "$key" Prev_Quality REG_DWORD 1
  wine_reg "$key" Prev_Speed REG_DWORD 10
}

# On our own virtual display there is no window manager: Wine then draws the
# frames itself (captures show the captions) and does not wait for a manager
# to confirm each window's removal. On a real desktop the manager does both.
configure_wine_windows() {
  local mode=desktop value=Y
  [ -n "$VTA_XVFB_PID" ] && mode=virtual value=N
  [ "$(cat "$WINEPREFIX/.vantaro-windows" 2>/dev/null)" = "$mode" ] && return 0
  wine_reg 'HKCU\Software\Wine\X11 Driver' Decorated REG_SZ "$value"
  wine_reg 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ "$value"
  wineserver -w
  echo "$mode" >"$WINEPREFIX/.vantaro-windows"
}

stop_wine() { [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null; true; }
