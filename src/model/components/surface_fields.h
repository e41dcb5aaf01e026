#pragma once
// What a surface's stored fields mean in the scene (docs/scene.md,
// "Surface"): the named field table and the typed setup read and written
// through it. mapFile and frameOffset say what they are and are used
// directly.

#include <cstdint>

#include "model/components/scene_field.h"
#include "model/components/surface.h"

namespace vta {

enum class SurfaceMapping : uint16_t {
  kColourOnly = 0,
  kVideoSource = 1,  // video source entry + 1
  kTexture = 2,      // the texture mapFile from the effect's textures
  // Set by the Objects page: the file the user chose in mapFile, drawn
  // from frameOffset on (docs/renderer.md, "Mapped files"); one that cannot
  // be read shows video source entry + 1.
  kAviClip = 3,
  kBitmapSequence = 4,
  kTargaSequence = 5,
};

// The part of the picture spread over the grid, v from the top.
struct MapArea {
  float u0, v0, u1, v1;
};

struct SurfaceSetup {
  SurfaceMapping mapping;  // kept as stored, known or not
  uint16_t entry;          // the Objects-page entry of the surface
  ColourRgba colour;       // multiplies the picture
  MapArea mapArea;
  float brightness;  // multiplies the picture
  // Each point takes its picture position from where it is on screen at
  // scene time 0.
  bool screenMapped;

  // Every mapping but colour only and texture shows a video source.
  bool showsVideoSource() const;
  unsigned videoSource() const { return entry + 1u; }
  // The values in use: all four colour values 0 count as white, opaque; a
  // map area of zeros as the whole picture; brightness 0 as 1.
  ColourRgba colourInUse() const;
  MapArea mapAreaInUse() const;
  float brightnessInUse() const { return brightness != 0 ? brightness : 1.0f; }
};

SurfaceSetup surfaceSetup(const SurfaceFields& fields);
// Writes every value of setup; the other fields stay as they are.
void storeSurfaceSetup(SurfaceFields& fields, const SurfaceSetup& setup);

// mapping, entry, colour, mapArea, brightness, mapFile, frameOffset,
// runtime, screenMapped and the reserved blocks by name.
FieldTable surfaceFieldTable();

}  // namespace vta
