#!/bin/sh
# The AVX2 filler's object must define its entry and no other code: any other
# function it defines (an inline one emitted there) could be the copy the
# linker keeps for every caller, and run AVX2 code on a processor without it.
# $1: the renderer core's objects, separated by semicolons; $2: nm.
object=$(printf '%s\n' "$1" | tr ';' '\n' | grep 'raster_avx2')
[ -n "$object" ] || { echo "no raster_avx2 object in $1"; exit 1; }
defined=$("$2" -g --defined-only -C "$object" | awk '$2 ~ /^[TWi]$/' | cut -d' ' -f3-)
echo "$defined"
[ "$defined" = "rnd::fillTriangleEightLanes(rnd::Canvas&, rnd::RasterVertex const*, rnd::SurfaceLook const&, bool, rnd::Shadows const&, rnd::AbortPoll&)" ]
