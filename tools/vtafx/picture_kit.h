#pragma once
// Whole-number drawing for the pictures vtafx paints (the preview's source
// pictures). A picture is a function from a point to a colour; points are in
// units of 1/4096 of the picture's side, x from the left and y from the top,
// so one function paints every size. Only whole numbers are used, so every
// build writes the same bytes whatever its floating point does.

#include <cstdint>

namespace vtafx::kit {

constexpr int kUnit = 4096;

struct Colour {
  int r, g, b;
};

// a at t = 0 to b at t = kUnit (t is clamped).
Colour mix(Colour a, Colour b, int t);
// a where at <= from to b where at >= to, evenly between.
Colour ramp(int at, int from, int to, Colour a, Colour b);
// Colour times k / kUnit.
Colour scale(Colour c, int k);

// A sine-like wave of period kUnit: 0 at phase 0, kUnit at a quarter
// period, -kUnit at three quarters.
int wave(int phase);
// 0 to kUnit - 1, scattered by n.
int scatter(uint32_t n);
// Smooth noise from 0 to kUnit: values scattered on a grid of cells `cell`
// units wide, blended between neighbours; seed picks another field.
int noise(int x, int y, int cell, uint32_t seed);
// Grid cell of a coordinate, and the coordinate's place within the cell.
int cellOf(int at, int cell);
int withinCell(int at, int cell);

bool inDisc(int x, int y, int cx, int cy, int radius);
// Inside the ellipse with centre cx, cy and half-axes rx, ry.
bool inEllipse(int x, int y, int cx, int cy, int rx, int ry);
// Inside the triangle standing on the base from left to right at baseY with
// its apex at apexX, apexY (apexY < baseY).
bool inSpike(int x, int y, int left, int right, int baseY, int apexX, int apexY);

}  // namespace vtafx::kit
