#pragma once
// The Ripple warp: circular waves spreading from a centre push each point
// of the picture in or out along its radius.

#include "vantaro/warp.h"

namespace ripple {

struct Settings {
  float amount;   // 0 none to 1 full strength
  float waves;    // wave crests across the picture's width
  float centreX;  // 0 to 1 across
  float centreY;  // 0 to 1 down
};

// Largest displacement, as a share of the picture, at amount 1.
constexpr float kMaxShift = 0.04f;

// Values: waves (default 6), centre x and y (default 0.5).
Settings settingsFrom(float amount, unsigned valueCount, const float* values);

// The point of the original picture that point x, y of the warped one shows.
void mapPoint(const Settings& s, float& x, float& y);

// Every pixel of target from source, bilinearly; sizes must match.
void warpPicture(const Settings& s, const VtaWarpImage& source, VtaWarpImage& target);

}  // namespace ripple
