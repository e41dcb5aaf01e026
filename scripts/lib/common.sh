# Shared by scripts/test.sh and scripts/demo.sh: packages, builds, the virtual
# display and the private Wine prefix. Source it; it sets VTA_ROOT and VTA_BUILD.

VTA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
VTA_BUILD=$VTA_ROOT/build
# wine brings wineserver, which wine64 only recommends. frei0r-plugins-dev
# (frei0r.h) and melt build and drive the native frei0r transition plug-in.
VTA_PACKAGES="cmake ninja-build g++ googletest g++-mingw-w64-x86-64-posix
  g++-mingw-w64-i686-posix wine wine64 xvfb libpng-dev libstb-dev pkgconf
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev frei0r-plugins-dev melt"

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
  if ! as_root apt-get update -qq; then
    echo "apt-get update failed: the packages$missing cannot be installed" >&2
    return 1
  fi
  if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null; then
    echo "apt-get install failed for:$missing" >&2
    return 1
  fi
}

# Configures (once) and builds the named configurations, by default the
# three that ship: native, Windows x86_64 and Windows i686. "asan" is the
# native build under AddressSanitizer and UndefinedBehaviorSanitizer.
build_all() {
  local name options
  [ $# -eq 0 ] && set -- native win64 win32
  for name in "$@"; do
    case $name in
      native) options="" ;;
      asan) options="-DVTA_SANITIZE=ON" ;;
      win64) options="-DCMAKE_TOOLCHAIN_FILE=$VTA_ROOT/cmake/mingw-x86_64.cmake" ;;
      win32) options="-DCMAKE_TOOLCHAIN_FILE=$VTA_ROOT/cmake/mingw-i686.cmake" ;;
    esac
    step "Building $name"
    if [ ! -f "$VTA_BUILD/$name/build.ninja" ]; then
      cmake -S "$VTA_ROOT" -B "$VTA_BUILD/$name" -G Ninja $options >/dev/null || return 1
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

# Wine, per architecture of the Windows builds: x86_64 (build/win64) runs
# under 64-bit Wine in the prefix build/wineprefix, i686 (build/win32) under
# 32-bit Wine in build/wineprefix32. Separate prefixes give each architecture
# its own registry, so one run never sees the other's installation "Path" or
# settings. scripts/wine-run picks Wine and the prefix from the architecture.
wine_prefix() {
  case $1 in
    x86_64) echo "$VTA_BUILD/wineprefix" ;;
    i686) echo "$VTA_BUILD/wineprefix32" ;;
  esac
}
wine_build() {
  case $1 in
    x86_64) echo "$VTA_BUILD/win64" ;;
    i686) echo "$VTA_BUILD/win32" ;;
  esac
}
wine_tool() { local arch=$1; shift; "$VTA_ROOT/scripts/wine-run" --arch "$arch" "$@"; }
wine_reg() { wine_tool "$1" reg add "$2" /v "$3" /t "$4" /d "$5" /f >/dev/null 2>&1; }
# wineserver of one prefix, never without a deadline.
wine_server() {
  local arch=$1; shift
  WINEPREFIX=$(wine_prefix "$arch") timeout 60 wineserver "$@"
}

# Creates the private prefix of one architecture once: no Mono or Gecko, no
# crash dialog and no crash debugger (a crashing test fails instead of
# hanging, or passing: the debugger ended a crashed program with status 0).
# The prefix counts as ready only when wineboot succeeded; a half-made one is
# made again.
VTA_WINE_ARCHS=""
prepare_wine() {
  local arch=$1 prefix log
  prefix=$(wine_prefix "$arch")
  [ -n "$prefix" ] || { echo "prepare_wine: unknown architecture '$arch'" >&2; return 1; }
  log=$VTA_BUILD/wineboot-$arch.log
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  case " $VTA_WINE_ARCHS " in *" $arch "*) ;; *) VTA_WINE_ARCHS="$VTA_WINE_ARCHS $arch" ;; esac
  if [ ! -f "$prefix/.vantaro-ready" ]; then
    step "Creating the $arch Wine prefix (once)"
    wine_server "$arch" -k 2>/dev/null
    rm -rf "$prefix"
    mkdir -p "$prefix"
    if ! timeout 300 "$VTA_ROOT/scripts/wine-run" --arch "$arch" wineboot -i >"$log" 2>&1 ||
       ! wine_server "$arch" -w; then
      echo "wineboot failed in $prefix (output in $log)" >&2
      return 1
    fi
    wine_reg "$arch" 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0 || return 1
    touch "$prefix/.vantaro-ready"
  fi
  configure_wine_windows "$arch"
}

# Installs 32-bit Wine (wine32:i386, with the i386 architecture added) when it
# is missing. On failure VTA_32BIT_REASON says why. When apt-get update fails
# after this function added the architecture, the architecture is removed
# again so that the machine's package manager keeps working.
VTA_32BIT_REASON=""
install_wine32() {
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed" && return 0
  step "Installing 32-bit Wine (wine32:i386)"
  local added=""
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    if ! as_root dpkg --add-architecture i386; then
      VTA_32BIT_REASON="the i386 package architecture could not be added"
      return 1
    fi
    added=1
  fi
  if ! as_root apt-get update -qq; then
    VTA_32BIT_REASON="apt-get update failed with the i386 architecture"
    if [ -n "$added" ]; then
      as_root dpkg --remove-architecture i386 &&
        VTA_32BIT_REASON="$VTA_32BIT_REASON (the architecture was removed again)"
    fi
    return 1
  fi
  if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq wine32:i386 >/dev/null; then
    VTA_32BIT_REASON="the package wine32:i386 could not be installed"
    return 1
  fi
}

# Finds out whether this machine runs 32-bit Windows programs: 32-bit Wine
# installed, the 32-bit prefix booted, and the i686 build's tiny program
# reporting 32-bit pointers. Needs the builds and the display. On failure
# VTA_32BIT_REASON says why.
probe_32bit() {
  [ -n "$VTA_32BIT_REASON" ] && return 1
  install_wine32 || return 1
  if ! prepare_wine i686; then
    VTA_32BIT_REASON="the 32-bit Wine prefix did not boot (see $VTA_BUILD/wineboot-i686.log)"
    return 1
  fi
  # Into a file, not a pipe: Wine's own background processes may hold a pipe
  # open after the program has ended.
  local out=$VTA_BUILD/pointer_width-i686.txt width
  timeout 120 "$VTA_ROOT/scripts/wine-run" --arch i686 \
    "$VTA_BUILD/win32/bin/pointer_width.exe" >"$out" 2>&1
  width=$(tr -d '\r' <"$out")
  if [ "$width" != 32 ]; then
    VTA_32BIT_REASON="a 32-bit program did not run under Wine (it printed '$width')"
    return 1
  fi
}

# The sample installation of one configuration (native, x86_64 or i686): the
# CMake variable VTA_SAMPLE_INSTALL_DIR of its build (the one place its path
# is kept). x86_64 shares the native tree; i686 has its own copy.
sample_install_dir() {
  local build=$VTA_BUILD/native
  [ "$1" != native ] && build=$(wine_build "$1")
  sed -n 's/^VTA_SAMPLE_INSTALL_DIR:PATH=//p' "$build/CMakeCache.txt"
}

# Points the library in one architecture's Wine prefix at that build's sample
# installation (registry value "Path", as a Windows path on Wine's Z: drive)
# and makes Rnd_Software (in its LIBS) the renderer of the preview and of
# renders.
register_sample_install() {
  local arch=$1 dir key='HKLM\Software\Corvane\Vantaro\3.0'
  dir=$(sample_install_dir "$arch")
  [ -d "$dir" ] || { echo "No sample installation at '$dir'" >&2; return 1; }
  wine_reg "$arch" "$key" Path REG_SZ "Z:${dir//\//\\}"
  wine_reg "$arch" "$key" Prev_Engine REG_SZ Rnd_Software
  wine_reg "$arch" "$key" Engine REG_SZ Rnd_Software
  echo "Sample installation ($arch): $dir"
}

# The demo starts with the preview playing on its own: automatic preview
# render, 20 frames at medium quality, 10 frames per second. Set once, so
# choices the user makes later stay.
set_demo_preferences() {
  local arch=$1 key='HKLM\Software\Corvane\Vantaro\3.0'
  wine_tool "$arch" reg query "$key" /v Prev_Render >/dev/null 2>&1 && return 0
  wine_reg "$arch" "$key" Prev_Render REG_DWORD 1
  wine_reg "$arch" "$key" Prev_Frames REG_DWORD 20
  wine_reg "$arch" "$key" Prev_Quality REG_DWORD 1
  wine_reg "$arch" "$key" Prev_Speed REG_DWORD 10
}

# On our own virtual display there is no window manager: Wine then draws the
# frames itself (captures show the captions) and does not wait for a manager
# to confirm each window's removal. On a real desktop the manager does both.
configure_wine_windows() {
  local arch=$1 prefix mode=desktop value=Y
  prefix=$(wine_prefix "$arch")
  [ -n "$VTA_XVFB_PID" ] && mode=virtual value=N
  [ "$(cat "$prefix/.vantaro-windows" 2>/dev/null)" = "$mode" ] && return 0
  wine_reg "$arch" 'HKCU\Software\Wine\X11 Driver' Decorated REG_SZ "$value"
  wine_reg "$arch" 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ "$value"
  wine_server "$arch" -w || return 1
  echo "$mode" >"$prefix/.vantaro-windows"
}

# Stops the Wine servers of the prefixes this run used.
stop_wine() {
  local arch
  for arch in $VTA_WINE_ARCHS; do wine_server "$arch" -k 2>/dev/null; done
  VTA_WINE_ARCHS=""
  true
}
