#include "path_view_fixture.h"

#include <cmath>
#include <cstdlib>

#include "model/components/path.h"

namespace rndtest {

namespace {

vta::PathKey key(float time, float x, float y, float z) {
  vta::PathKey k{};
  k.time = time;
  k.positionX = x, k.positionY = y, k.positionZ = z;
  k.scaleX = k.scaleY = k.scaleZ = 0.5f;
  return k;
}

uint8_t byteOf(float value) { return static_cast<uint8_t>(value * 255.0f + 0.5f); }

}  // namespace

vtafx::Picture pictureOf(const rnd::FrameImage& image) {
  vtafx::Picture picture;
  picture.width = uint32_t(image.width), picture.height = uint32_t(image.height);
  for (rnd::Vec3 c : image.colour)
    for (float v : {c.x, c.y, c.z})
      picture.rgb.push_back(byteOf(std::fmin(1.0f, std::fmax(0.0f, v))));
  return picture;
}

std::array<uint8_t, 3> bytesOf(rnd::Vec3 colour) {
  return {byteOf(colour.x), byteOf(colour.y), byteOf(colour.z)};
}

void PathViewTest::SetUp() {
  RenderTest::SetUp();
  vtafx::previewRecord(record_, "Slide Left");
  auto* path = vta::makeComponent<vta::PathComponent>(uint16_t{90}, 0.0f, 1.0f, uint16_t{kObject},
                                                      uint16_t{0});
  ASSERT_NE(path, nullptr);
  for (const vta::PathKey& k :
       {key(0, 0, 0, 0), key(0.5f, 1.0f, 0.6f, -1.5f), key(1, -1.2f, -0.5f, 1.0f)})
    path->insertKey(k);
  record_.description.lists[vta::kPaths].append(path);
  effect_ = context_.effect(record_.effectName);
  ASSERT_NE(effect_, nullptr);
}

VtaRenderJob PathViewTest::viewJob(uint32_t flags, uint32_t width, uint32_t height,
                                   uint32_t position) const {
  VtaRenderJob job{};
  job.width = width, job.height = height;
  vtaDescribeBgr24(&job.output, width, height, VTA_ROW_ALIGN_DWORD, nullptr);
  job.position = position, job.range = 100;
  job.viewFlags = flags, job.viewObject = kObject;
  return job;
}

vtafx::Picture PathViewTest::draw(const VtaRenderJob& job, rnd::CameraView& camera) {
  EXPECT_TRUE(rnd::renderPathView(buffers_, *effect_, record_, job, camera));
  return pictureOf(buffers_.image);
}

rnd::PathTrace PathViewTest::trace(const VtaRenderJob& job) {
  return rnd::tracePath(*effect_, record_, job.viewObject, float(job.width) / job.height,
                        rnd::SceneTurn{}, double(job.position) / job.range);
}

void PathViewTest::keep(const vtafx::Picture& picture, const std::string& name) {
  const char* folder = std::getenv("VTA_VIEW_PICTURES");
  if (!folder) return;
  std::string error;
  EXPECT_TRUE(vtafx::writePicture(std::string(folder) + "/" + name + ".png", picture, error))
      << error;
}

}  // namespace rndtest
