#!/usr/bin/env bash
# Fuzzes the file readers and writers with libFuzzer:
#   scripts/fuzz.sh [-j N] TARGET[,TARGET...]|all SECONDS
# Builds the targets of tests/fuzz in build/fuzz (clang, address and
# undefined-behaviour checkers), runs each for SECONDS (N at a time, default
# 1) with its corpus build/fuzz/corpus/<target> (seeded from the sample
# installation, the files the native tests craft and tests/crashers/<target>)
# and the dictionary of every magic, tag and document member, then prints a
# table. Inputs that fail are kept in build/fuzz/findings/<target>/ and
# listed; libFuzzer's output is in build/fuzz/logs/<target>.log.
set -u
source "$(dirname "$0")/lib/common.sh"

FUZZ_BUILD=$VTA_BUILD/fuzz
# A run stops early after this many findings, as one fault is usually found
# again and again.
MAX_FINDINGS=5
jobs=1
if [ "${1:-}" = -j ]; then jobs=$2; shift 2; fi
if [ $# -ne 2 ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh [-j N] TARGET[,TARGET...]|all SECONDS" >&2
  exit 2
fi
seconds=$2

build_targets() {
  VTA_PACKAGES="cmake ninja-build clang libfuzzer-14-dev libpng-dev googletest"
  ensure_packages || return 1
  if [ ! -f "$FUZZ_BUILD/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$VTA_ROOT" -B "$FUZZ_BUILD" -G Ninja -DVTA_FUZZ=ON \
      >/dev/null || return 1
  fi
  cmake --build "$FUZZ_BUILD" || return 1
}

# The sample installation of the native build, built when missing.
native_install() {
  local dir
  dir=$(sample_install_dir native 2>/dev/null)
  if [ -z "$dir" ] || [ ! -d "$dir/EFFECTS" ]; then
    if [ ! -f "$VTA_BUILD/native/build.ninja" ]; then
      cmake -S "$VTA_ROOT" -B "$VTA_BUILD/native" -G Ninja >/dev/null || return 1
    fi
    cmake --build "$VTA_BUILD/native" --target sample_install >/dev/null || return 1
    dir=$(sample_install_dir native)
  fi
  echo "$dir"
}

# Every magic and tag the sources name, and every member name and kind of
# the vtafx documents.
write_dictionary() {
  {
    grep -rohE 'fourCC\("[A-Z0-9]{4}"\)' "$VTA_ROOT/src" "$VTA_ROOT/tools/vtafx" |
      sed -E 's/fourCC\((".*")\)/\1/'
    grep -rohE '(required|optional)\([a-zA-Z]+, "[^"]+"|\.add\("[^"]+"' "$VTA_ROOT/tools/vtafx" |
      grep -oE '"[^"]+"' | sed -E 's/"(.*)"/"\\"\1\\""/'
    grep -ohE 'vta::fourCC\("[A-Z0-9]{4}"\), "[a-zA-Z]+"' "$VTA_ROOT/tools/vtafx/file_kind.cpp" |
      grep -oE '"[a-zA-Z]+"$' | sed -E 's/"(.*)"/"\\"\1\\""/'
    printf '%s\n' '"{"' '"}"' '"["' '"]"' '":"' '","' '"true"' '"false"' '"null"' \
      '"\\u00"' '"0x7fc00000"' '"1e-45"' '"-0"'
  } | sort -u >"$FUZZ_BUILD/fuzz.dict"
}

# Files whose chunks are those of a file with another magic: magic, then the
# chunks of FILE whose tags match the pattern (all: '.').
rewrap() {
  perl -e 'my ($magic, $pattern, $file) = @ARGV; local $/; open my $in, "<:raw", $file or die;
    my $bytes = <$in>; my $out = $magic; my $at = 4;
    while ($at + 8 <= length $bytes) {
      my ($tag, $length) = unpack "a4 V", substr($bytes, $at, 8);
      last if $at + 8 + $length > length $bytes;
      $out .= substr($bytes, $at, 8 + $length) if $tag =~ /$pattern/;
      $at += 8 + $length; }
    binmode STDOUT; print $out;' "$@"
}

# A memory block of the chunk file FILE: its length word, then the file.
as_block() { perl -e 'binmode STDOUT; print pack("V", 4 + -s $ARGV[0])' "$1"; cat "$1"; }

# A defaults file made of effect FILE: a record fixed part naming the effect,
# then the effect's chunks but its icon.
defaults_of() {
  perl -e 'binmode STDOUT; my $name = substr($ARGV[0], 0, 40);
    print "VTAR", "RIN0", pack("V", 961), pack("a44", $name), pack("f<", 50) x 229' \
    "$(basename "$1" .VTA)"
  rewrap '' '^(?!IMG0)' "$1"
}

# Seed files by kind in build/fuzz/seeds/<kind>, made once from the sample
# installation INSTALL and the sample sources.
make_seeds() {
  local install=$1 seeds=$FUZZ_BUILD/seeds file name
  [ -f "$seeds/.done" ] && return 0
  rm -rf "$seeds"
  mkdir -p "$seeds"/{effect,texture,group_list,defaults,envelope,path,block,json}
  for file in "$install"/EFFECTS/*.VTA; do
    name=$(basename "$file" .VTA)
    cp "$file" "$seeds/effect/$name"
    defaults_of "$file" >"$seeds/defaults/$name"
    rewrap VENV '^ENV0$' "$file" >"$seeds/envelope/$name"
    rewrap VPTH '^PTH0$' "$file" >"$seeds/path/$name"
  done
  find "$install/Textures" -name '*.VTT' -size -8k -exec cp {} "$seeds/texture/" \;
  find "$install" -iname '*.lst' -o -iname '*.org' | while read -r file; do
    cp "$file" "$seeds/group_list/"
  done
  find "$seeds"/{envelope,path} -size -5c -delete
  for file in "$seeds"/{effect,texture,group_list}/*; do
    as_block "$file" >"$seeds/block/$(basename "$(dirname "$file")")-$(basename "$file")"
  done
  cp "$VTA_ROOT"/samples/*.json "$seeds/json/"
  cp "$VTA_ROOT"/samples/effects/*.json "$seeds/json/"
  for file in "$seeds"/{texture,group_list,defaults,envelope,path}/*; do
    "$VTA_BUILD/fuzz/bin/vtafx" dump "$file" \
      >"$seeds/json/$(basename "$(dirname "$file")")-$(basename "$file").json" 2>/dev/null
  done
  "$VTA_BUILD/fuzz/bin/vtafx" dump --raw "$(ls "$seeds"/effect/* | head -1)" >"$seeds/json/raw.json"
  crafted_seeds "$seeds"
  touch "$seeds/.done"
}

# The files the native unit and vtafx tests craft (VTA_CRAFTED_FILES, see
# tests/support/temp_folder.h), sorted into the seed folders by magic.
crafted_seeds() {
  local seeds=$1 crafted=$FUZZ_BUILD/crafted file kind
  local tests="platform_tests curve_tests file_tests vtafx_tests"
  rm -rf "$crafted" && mkdir -p "$crafted" "$seeds/other"
  cmake --build "$VTA_BUILD/native" --target $tests >/dev/null || return 1
  (cd "$VTA_BUILD/native" &&
    VTA_CRAFTED_FILES=$crafted ctest -R "^($(echo $tests | tr ' ' '|'))\$" >/dev/null)
  for file in "$crafted"/*; do
    case $(head -c 4 "$file") in
      VTAE) kind=effect ;; VTAI) kind=texture ;; VTAG) kind=group_list ;;
      VTAR) kind=defaults ;; VENV) kind=envelope ;; VPTH) kind=path ;;
      *'{'* | *'['*) kind=json ;; *) kind=other ;;
    esac
    cp "$file" "$seeds/$kind/crafted-$(basename "$file")"
  done
}

seed_kinds() {
  case $1 in
    chunk_file) echo effect texture group_list defaults envelope path other ;;
    chunk_block | chunk_roundtrip) echo block ;;
    effect_*) echo effect ;;
    texture*) echo texture ;;
    group_list*) echo group_list ;;
    defaults*) echo defaults ;;
    envelope*) echo envelope ;;
    path*) echo path ;;
    json*) echo json ;;
  esac
}

# The corpus of a target, with its seeds and its crashers added on every run
# (libFuzzer keeps only what adds coverage when it loads them).
prepare_corpus() {
  local target=$1 corpus=$FUZZ_BUILD/corpus/$1 kind file
  mkdir -p "$corpus"
  for kind in $(seed_kinds "$target"); do
    for file in "$FUZZ_BUILD/seeds/$kind"/*; do cp -n "$file" "$corpus/$kind-$(basename "$file")"; done
  done
  if [ -d "$VTA_ROOT/tests/crashers/$target" ]; then
    cp -n "$VTA_ROOT/tests/crashers/$target"/* "$corpus/" 2>/dev/null
  fi
  true
}

# Runs one target for the given seconds, starting libFuzzer again after a
# finding until the time is used up, and writes its row of the table to
# build/fuzz/results/<target>: executions, seconds, corpus files, features,
# findings.
run_target() {
  local target=$1 budget=$2 corpus=$FUZZ_BUILD/corpus/$1 findings=$FUZZ_BUILD/findings/$1
  local log=$FUZZ_BUILD/logs/$1.log start=$SECONDS left executions=0 features=0 found=0 n ft
  mkdir -p "$findings" "$FUZZ_BUILD/logs" "$FUZZ_BUILD/results"
  : >"$log"
  touch "$findings/.start"
  left=$budget
  while [ "$left" -gt 0 ] && [ "$found" -lt $MAX_FINDINGS ]; do
    "$FUZZ_BUILD/bin/fuzz_$target" -max_total_time="$left" -print_final_stats=1 \
      -dict="$FUZZ_BUILD/fuzz.dict" -artifact_prefix="$findings/" -max_len=65536 \
      -timeout=10 -rss_limit_mb=2048 "$corpus" >"$log.run" 2>&1
    cat "$log.run" >>"$log"
    n=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log.run")
    executions=$((executions + ${n:-0}))
    ft=$(grep -oE ' ft: [0-9]+' "$log.run" | tail -1 | grep -oE '[0-9]+')
    features=${ft:-$features}
    found=$(find "$findings" -type f -newer "$findings/.start" | wc -l)
    left=$((budget - (SECONDS - start)))
    [ -z "$n" ] && break  # libFuzzer did not run at all
  done
  rm -f "$log.run"
  echo "$target $executions $((SECONDS - start)) $(ls "$corpus" | wc -l) $features $found" \
    >"$FUZZ_BUILD/results/$target"
}

print_table() {
  local target executions secs corpus features found
  printf '\n%-22s %12s %8s %8s %9s %9s\n' target executions exec/s corpus features findings
  for target in "$@"; do
    read -r target executions secs corpus features found <"$FUZZ_BUILD/results/$target"
    printf '%-22s %12s %8s %8s %9s %9s\n' "$target" "$executions" \
      "$((executions / (secs > 0 ? secs : 1)))" "$corpus" "$features" "$found"
  done
  for target in "$@"; do
    find "$FUZZ_BUILD/findings/$target" -type f -newer "$FUZZ_BUILD/findings/$target/.start"
  done | sed 's/^/finding: /'
}

all_targets() { ls "$FUZZ_BUILD/bin" | sed -n 's/^fuzz_//p'; }

step "Building the fuzz targets in $FUZZ_BUILD"
build_targets || exit 1
install=$(native_install) || { echo "No sample installation for the seeds" >&2; exit 1; }
make_seeds "$install"
write_dictionary
if [ "$1" = all ]; then targets=$(all_targets); else targets=${1//,/ }; fi
for target in $targets; do
  [ -x "$FUZZ_BUILD/bin/fuzz_$target" ] || { echo "No fuzz target '$target'" >&2; exit 2; }
done

step "Fuzzing for $seconds s each, $jobs at a time: $(echo $targets)"
for target in $targets; do
  prepare_corpus "$target"
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  run_target "$target" "$seconds" &
done
wait
print_table $targets
