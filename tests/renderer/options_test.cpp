// Each option of the record changes the picture the way docs/scene.md says.

#include "render_fixture.h"

namespace rndtest {
namespace {

// Options of Objects-page entry 0.
enum {
  kShine = VTA_OBJECT_PARAM_INDEX(0, VTA_SHINE),
  kTransparency = VTA_OBJECT_PARAM_INDEX(0, VTA_TRANSPARENCY),
  kLuminosity = VTA_OBJECT_PARAM_INDEX(0, VTA_LUMINOSITY),
  kTrailCount = VTA_OBJECT_PARAM_INDEX(0, VTA_TRAIL_COUNT),
  kPathRotation = VTA_OBJECT_PARAM_INDEX(0, VTA_PATH_ROTATION),
  kTrailSpacing = VTA_OBJECT_PARAM_INDEX(0, VTA_TRAIL_SPACING)
};

using OptionsTest = RenderTest;

// Slide Left starts on the outgoing clip and ends on the incoming one;
// Fly-On plays it backwards with the clips exchanged.
TEST_F(OptionsTest, SlideRunsFromTheOutgoingToTheIncomingClipAndFlyOnBackwards) {
  EXPECT_LT(meanDifference(render("Slide Left", 0, 10), source(1)), 1.0);
  EXPECT_LT(meanDifference(render("Slide Left", 10, 10), source(2)), 1.0);
  EXPECT_GT(meanDifference(render("Slide Left", 5, 10), source(1)), 10.0);
  vtafx::Picture middleOff = render("Slide Left", 3, 10);
  vtafx::Picture middleOn = render("Slide Left", 7, 10, {{VTA_FLY_MODE, 1}});
  EXPECT_LT(meanDifference(render("Slide Left", 0, 10, {{VTA_FLY_MODE, 1}}), source(1)), 1.0);
  EXPECT_LT(meanDifference(render("Slide Left", 10, 10, {{VTA_FLY_MODE, 1}}), source(2)), 1.0);
  // At 70% Fly-On shows the scene of 30%, with the other clip moving.
  EXPECT_GT(meanDifference(middleOn, middleOff), 10.0);
}

TEST_F(OptionsTest, TransitionPeriodHoldsTheEndsOutsideItAndFullTransparencyShowsTheBackground) {
  Options half{{VTA_TRANSITION_PERIOD, 50}};
  vtafx::Picture start = render("Spin Away", 0, 100, half);
  EXPECT_LT(meanDifference(render("Spin Away", 20, 100, half), start), 0.5);
  EXPECT_LT(meanDifference(render("Spin Away", 50, 100, half), render("Spin Away", 50, 100)), 0.5);
  EXPECT_GT(meanDifference(render("Spin Away", 30, 100, half), start), 5.0);

  vtafx::Picture clear = render("Spin Away", 3, 10, {{kTransparency, 100}});
  EXPECT_LT(meanDifference(clear, source(2)), 1.0);
  vtafx::Picture halfClear = render("Spin Away", 0, 10, {{kTransparency, 50}});
  EXPECT_GT(meanDifference(halfClear, source(1)), 5.0);
  EXPECT_GT(meanDifference(halfClear, source(2)), 5.0);
}

TEST_F(OptionsTest, WireFrameDrawsNoFilledFacesAndFlatShadingChangesTheLight) {
  vtafx::Picture solid = render("Cube Turn Right", 5, 10, {}, 64);
  vtafx::Picture wire = render("Cube Turn Right", 5, 10, {{VTA_RENDER_STYLE, 2}}, 64);
  EXPECT_GT(shareUnlike(solid, 0, 0, 0), 0.45);
  EXPECT_LT(shareUnlike(wire, 0, 0, 0), 0.2);
  EXPECT_GT(shareUnlike(wire, 0, 0, 0), 0.02);
  // Flat shading lights each triangle evenly.
  Options smooth{{kShine, 100}}, flat{{kShine, 100}, {VTA_RENDER_STYLE, 1}};
  vtafx::Picture a = render("Page Turn Right", 4, 10, smooth, 64);
  vtafx::Picture b = render("Page Turn Right", 4, 10, flat, 64);
  EXPECT_GT(meanDifference(a, b), 0.2);
}

TEST_F(OptionsTest, LightingLuminosityLightDirectionAndShineChangeTheBrightness) {
  vtafx::Picture lit = render("Cube Turn Right", 5, 10);
  vtafx::Picture unlit = render("Cube Turn Right", 5, 10, {{VTA_LIGHTING, 0}});
  EXPECT_GT(meanBrightness(unlit), meanBrightness(lit) + 5);
  EXPECT_LT(meanDifference(render("Flip Over", 0, 10, {{VTA_LIGHTING, 0}}), source(1)), 1.0);
  // Full luminosity ignores the lights.
  Options glowing{{kLuminosity, 100}, {VTA_OBJECT_PARAM_INDEX(1, VTA_LUMINOSITY), 100}};
  EXPECT_LT(meanDifference(render("Cube Turn Right", 5, 10, glowing), unlit), 0.5);

  // Light direction turns the following lights; shine adds highlights.
  vtafx::Picture straight = render("Flip Over", 2, 10);
  vtafx::Picture turned = render("Flip Over", 2, 10, {{VTA_LIGHT_DIRECTION, 60}});
  EXPECT_GT(std::abs(meanBrightness(straight) - meanBrightness(turned)), 3.0);
  vtafx::Picture matte = render("Flip Over", 1, 10);
  vtafx::Picture shiny = render("Flip Over", 1, 10, {{kShine, 100}});
  EXPECT_GT(meanBrightness(shiny), meanBrightness(matte) + 1);
}

TEST_F(OptionsTest, TrailsAddFadingCopiesBehindAMovingObjectAndPathRotationTurnsThePath) {
  vtafx::Picture single = render("Fly Away Top Left", 6, 10);
  vtafx::Picture trailed =
      render("Fly Away Top Left", 6, 10, {{kTrailCount, 3}, {kTrailSpacing, 10}});
  EXPECT_GT(meanDifference(single, trailed), 3.0);

  // Slide Left moves the picture left; turned by 90 degrees it moves down.
  vtafx::Picture turned = render("Slide Left", 5, 10, {{kPathRotation, 90}, {VTA_LIGHTING, 0}});
  vtafx::Picture slideDown = render("Slide Left", 5, 10, {{VTA_LIGHTING, 0}});
  EXPECT_GT(meanDifference(turned, slideDown), 10.0);
  EXPECT_GT(meanDifference(turned, source(2)), 10.0);
}

TEST_F(OptionsTest, AntialiasingSoftensOnlyEdgesAndFilteringAndPerspectiveChangeTheMapping) {
  vtafx::Picture sharp = render("Spin Away", 3, 10, {}, 64);
  vtafx::Picture smooth = render("Spin Away", 3, 10, {{VTA_ANTIALIASING, 1}}, 64);
  double d = meanDifference(sharp, smooth);
  EXPECT_GT(d, 0.2);
  EXPECT_LT(d, 8.0);
  // The picture behind the scene has no edges to soften: it stays as sharp.
  EXPECT_EQ(meanDifference(render("Slide Left", 10, 10, {{VTA_ANTIALIASING, 1}}, 64),
                           render("Slide Left", 10, 10, {}, 64)),
            0.0);

  Options plain{{VTA_QUALITY, 0}, {VTA_IMAGE_QUALITY, 0}};
  vtafx::Picture base = render("Door Swing Open", 5, 10, plain, 64);
  EXPECT_GT(meanDifference(base, render("Door Swing Open", 5, 10,
                                        {{VTA_QUALITY, 1}, {VTA_IMAGE_QUALITY, 0}}, 64)),
            0.2);
  EXPECT_GT(meanDifference(base, render("Door Swing Open", 5, 10,
                                        {{VTA_QUALITY, 0}, {VTA_IMAGE_QUALITY, 1}}, 64)),
            0.2);
}

TEST_F(OptionsTest, MotionBlurAveragesEarlierTimesAndEnvelopesDriveFadeAndMorph) {
  Options blur{{VTA_BLUR_PERCENT, 100}, {VTA_BLUR_COUNT, 4}};
  vtafx::Picture sharp = render("Slide Left", 5, 10);
  vtafx::Picture blurred = render("Slide Left", 5, 10, blur);
  EXPECT_GT(meanDifference(sharp, blurred), 1.0);
  EXPECT_LT(meanDifference(render("Slide Left", 0, 10, blur), source(1)), 1.0);

  // Zoom In Through fades its object out; Page Turn Right curls by morph.
  EXPECT_LT(meanDifference(render("Zoom In Through", 10, 10), source(2)), 1.0);
  EXPECT_GT(meanDifference(render("Page Turn Right", 4, 10), render("Slide Left", 0, 10)), 5.0);
}

TEST_F(OptionsTest, ShadowsDarkenWhatTheOpenDoorsKeepTheLightFrom) {
  // Double Doors' light shines from above and in front and casts shadows.
  vtafx::Picture plain = render("Double Doors", 5, 10, {}, 64);
  vtafx::Picture half = render("Double Doors", 5, 10, {{VTA_SHADOWS, 50}}, 64);
  vtafx::Picture full = render("Double Doors", 5, 10, {{VTA_SHADOWS, 100}}, 64);
  EXPECT_GT(meanBrightness(plain), meanBrightness(half) + 2);
  EXPECT_GT(meanBrightness(half), meanBrightness(full) + 2);
  // Once the doors are open nothing stands in the light.
  EXPECT_LT(meanDifference(render("Double Doors", 10, 10, {{VTA_SHADOWS, 100}}, 64), source(2, 64)),
            1.0);
  // Without lighting there are no shadows.
  EXPECT_LT(
      meanDifference(render("Double Doors", 5, 10, {{VTA_SHADOWS, 100}, {VTA_LIGHTING, 0}}, 64),
                     render("Double Doors", 5, 10, {{VTA_LIGHTING, 0}}, 64)),
      0.01);
  // Cube Turn Right's light casts none.
  EXPECT_LT(meanDifference(render("Cube Turn Right", 5, 10, {{VTA_SHADOWS, 100}}),
                           render("Cube Turn Right", 5, 10)),
            0.01);
}

TEST_F(OptionsTest, FilterModeShowsTheClipOnlyOnTheChosenSourceWhateverFlyModeAndPeriod) {
  Options onObject{{VTA_FILTER_ON, 1}, {VTA_FILTER_SOURCE, 0}, {VTA_LIGHTING, 0}};
  EXPECT_LT(meanDifference(render("Slide Left", 0, 10, onObject), source(1)), 1.0);
  // The incoming clip's place stays empty: the camera's black background.
  EXPECT_LT(shareUnlike(render("Slide Left", 10, 10, onObject), 0, 0, 0), 0.02);
  Options asBackground{{VTA_FILTER_ON, 1}, {VTA_FILTER_SOURCE, 1}};
  EXPECT_LT(meanDifference(render("Slide Left", 0, 10, asBackground), source(1)), 1.0);
  // Only 1.0 switches filter mode on.
  EXPECT_LT(meanDifference(render("Slide Left", 10, 10, {{VTA_FILTER_ON, 0.5f}}), source(2)), 1.0);
  Options filter{{VTA_FILTER_ON, 1}};
  Options filterFlyOnHalf{{VTA_FILTER_ON, 1}, {VTA_FLY_MODE, 1}, {VTA_TRANSITION_PERIOD, 50}};
  EXPECT_LT(meanDifference(render("Spin Away", 3, 10, filter),
                           render("Spin Away", 3, 10, filterFlyOnHalf)),
            0.1);
}

// Share of the pixels within margin of the picture's edge that are not black.
double edgeCover(const vtafx::Picture& p, int margin) {
  size_t lit = 0, count = 0;
  const int width = static_cast<int>(p.width), height = static_cast<int>(p.height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (x >= margin && y >= margin && x < width - margin && y < height - margin) continue;
      const uint8_t* q = &p.rgb[(size_t(y) * p.width + x) * 3];
      ++count;
      if (q[0] + q[1] + q[2] > 72) ++lit;
    }
  return count ? double(lit) / count : 0;
}

TEST_F(OptionsTest, FilterRotationAndDistanceMoveTheObjects) {
  Options still{{VTA_FILTER_ON, 1}, {VTA_LIGHTING, 0}};
  Options turned{{VTA_FILTER_ON, 1}, {VTA_LIGHTING, 0}, {VTA_FILTER_ROTATE_Z, 45}};
  Options fullTurn{{VTA_FILTER_ON, 1}, {VTA_LIGHTING, 0}, {VTA_FILTER_ROTATE_Z, 360}};
  Options away{{VTA_FILTER_ON, 1}, {VTA_LIGHTING, 0}, {VTA_FILTER_DISTANCE, 100}};
  vtafx::Picture plain = render("Slide Left", 0, 10, still, 64);
  EXPECT_GT(edgeCover(plain, 2), 0.9);
  vtafx::Picture tilted = render("Slide Left", 0, 10, turned, 64);
  EXPECT_GT(meanDifference(tilted, plain), 10.0);
  EXPECT_LT(edgeCover(tilted, 2), 0.8);
  EXPECT_LT(meanDifference(render("Slide Left", 0, 10, fullTurn, 64), plain), 1.0);
  // Twice as far away the picture is half as wide: its edge is 16 pixels in.
  vtafx::Picture distant = render("Slide Left", 0, 10, away, 64);
  EXPECT_LT(edgeCover(distant, 14), 0.01);
  EXPECT_GT(shareUnlike(distant, 0, 0, 0), 0.05);
}

}  // namespace
}  // namespace rndtest
