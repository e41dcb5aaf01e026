#!/usr/bin/env bash
# Builds the timing programs in release mode and prints every figure in one
# table: the renderer on the sample effects (and ffmpeg's xfade beside it),
# final renders at 1920 x 1080 on one thread and on all (ffmpeg beside them),
# the effect list, the Effects page, the preview engine and, under Wine on
# the x86_64 modules, the selection sheet and the envelope graph, and the
# whole `vtafx render EFFECT --size 1920x1080 --frames 50` command. Each
# figure is the median of several runs, with the lowest and highest. The
# table goes to build/bench/ as Markdown and JSON.
#
#   scripts/bench.sh [--runs N] [--compare OLD.json]   run, compare with OLD
#   scripts/bench.sh --compare OLD.json NEW.json        compare two runs only
#   scripts/bench.sh --modules DIR ...   time the renderer and warp of
#       another build's sample installation (an older tree's, say) with
#       this tree's timing programs and vtafx
set -u
source "$(dirname "$0")/lib/common.sh"

runs=5
old="" new="" modules=""
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=${2:?--runs needs a count}; shift 2 ;;
    --modules) modules=$(realpath "${2:?--modules needs a folder}") || exit 2; shift 2 ;;
    --compare)
      old=${2:?--compare needs a JSON file}; shift 2
      if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then new=$1; shift; fi
      ;;
    *) echo "usage: $0 [--runs N] [--modules DIR] [--compare OLD.json [NEW.json]]" >&2; exit 2 ;;
  esac
done
report="$VTA_ROOT/scripts/lib/bench_report.py"
if [ -n "$new" ]; then
  exec python3 "$report" compare "$old" "$new"
fi

VTA_PACKAGES="$VTA_PACKAGES ffmpeg python3"
ensure_packages || exit 1

native=$VTA_BUILD/bench-native
win64=$VTA_BUILD/bench-win64
out=$VTA_BUILD/bench
mkdir -p "$out"
stamp=$(date -u +%Y%m%d-%H%M%S)
raw=$out/raw-$stamp.txt
: >"$raw"

configure() {
  local dir=$1; shift
  cmake -S "$VTA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

step "Building the timing programs (release)"
configure "$native" || exit 1
cmake --build "$native" --target renderer_bench final_render_bench preview_latency_bench \
  effects_page_bench effect_list_bench sample_install vtafx || exit 1
install=${modules:-$native/install}
renderer=$install/LIBS/Rnd_Software.so
[ -f "$renderer" ] || { echo "no $renderer" >&2; exit 1; }
# The Windows modules go into a copy of the tree of their own: in the native
# tree the Windows warp would replace the native one (same file name).
cmake -DFROM="$native/install" -DTO="$win64/install" \
  -P "$VTA_ROOT/cmake/copy_sample_install.cmake" || exit 1
configure "$win64" -DCMAKE_TOOLCHAIN_FILE="$VTA_ROOT/cmake/mingw-x86_64.cmake" \
  -DVTA_SAMPLE_INSTALL_DIR="$win64/install" || exit 1
cmake --build "$win64" --target envelope_graph_bench sheet_bench || exit 1

# Runs one program N times, keeping its figure lines; its whole output goes
# to the log beside the figures.
collect() {
  local name=$1 i log=$raw.out; shift
  step "$name ($runs runs)"
  for i in $(seq "$runs"); do
    if ! "$@" --figures >"$log" 2>&1; then
      cat "$log" >&2
      echo "$name failed" >&2
      return 1
    fi
    cat "$log" >>"$raw.log"
    grep "^figure" "$log" >>"$raw"
    printf '.'
  done
  echo
}

# The whole command, start-up and PNG files included, of three effects:
# wall seconds as figure lines, as the timing programs print them.
whole_command() {
  local effect start frames=$VTA_BUILD/bench-frames
  for effect in "Falling Leaf" "Cube Turn Left" "Water Ripple"; do
    rm -rf "$frames"
    start=$(date +%s.%N)
    "$native/bin/vtafx" render "$effect" --install "$install" --size 1920x1080 --frames 50 \
      --out "$frames" >/dev/null || return 1
    printf 'figure\t1080p whole command/%s\t%s\ts\n' "$effect" \
      "$(awk "BEGIN { print $(date +%s.%N) - $start }")"
  done
}

failed=0
collect renderer_bench "$native/bin/renderer_bench" "$install" "$renderer" || failed=1
collect final_render_bench "$native/bin/final_render_bench" "$install" "$renderer" || failed=1
collect "vtafx render" whole_command || failed=1
collect effect_list_bench "$native/bin/effect_list_bench" 3 || failed=1
collect effects_page_bench "$native/bin/effects_page_bench" 21 || failed=1
collect preview_latency_bench "$native/bin/preview_latency_bench" 7 || failed=1

trap 'stop_wine; stop_display' EXIT
start_display || exit 1
prepare_wine x86_64 || exit 1
# The sheet reads the release build's sample installation (sheet_bench
# sets the preview settings it needs and puts them back).
wine_reg x86_64 'HKLM\Software\Corvane\Vantaro\3.0' Path REG_SZ "Z:${win64//\//\\}\\install"
wine="$VTA_ROOT/scripts/wine-run"
collect envelope_graph_bench "$wine" "$win64/bin/envelope_graph_bench.exe" || failed=1
collect sheet_bench "$wine" "$win64/bin/sheet_bench.exe" || failed=1

compiler=$(c++ --version | head -1)
wcompiler=$(x86_64-w64-mingw32-g++-posix --version | head -1)
python3 "$report" write "$raw" "$out/bench-$stamp" \
  --machine "$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), $(nproc) cores" \
  --compiler "$compiler; Windows: $wcompiler" --build-type Release --runs "$runs" || exit 1
cp "$out/bench-$stamp.json" "$out/latest.json"
cp "$out/bench-$stamp.md" "$out/latest.md"
echo "Written: $out/bench-$stamp.md and .json (also latest.md, latest.json)"
[ -n "$old" ] && python3 "$report" compare "$old" "$out/bench-$stamp.json"
exit $failed
