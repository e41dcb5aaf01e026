#pragma once
// The twenty scenes of the preview's source pictures, one per video source,
// painted by code (picture_kit.h): each has its own palette and layout, so a
// preview shows at a glance which clip is which.

#include "picture_kit.h"

namespace vtafx {

using Scene = kit::Colour (*)(int x, int y);

constexpr int kSceneCount = 20;

// The scene of video source n (1 to kSceneCount).
Scene sourceScene(int source);

namespace scenes {

// scenes_water.cpp
kit::Colour sunsetOverWater(int x, int y);
kit::Colour beach(int x, int y);
kit::Colour underwater(int x, int y);
kit::Colour tropicalIsland(int x, int y);
kit::Colour lighthouse(int x, int y);
// scenes_land.cpp
kit::Colour mountainValley(int x, int y);
kit::Colour forest(int x, int y);
kit::Colour desert(int x, int y);
kit::Colour flowerField(int x, int y);
kit::Colour lavenderRows(int x, int y);
kit::Colour autumnWood(int x, int y);
kit::Colour snowyHills(int x, int y);
kit::Colour farmHills(int x, int y);
// scenes_sky.cpp
kit::Colour cityAtNight(int x, int y);
kit::Colour aurora(int x, int y);
kit::Colour ringedPlanet(int x, int y);
kit::Colour volcano(int x, int y);
kit::Colour balloons(int x, int y);
// scenes_abstract.cpp
kit::Colour gradientRings(int x, int y);
kit::Colour colourStripes(int x, int y);

}  // namespace scenes

}  // namespace vtafx
