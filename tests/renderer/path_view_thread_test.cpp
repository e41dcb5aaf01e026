// A path-editor view and preview frames drawn at once on two threads, each
// with a context of its own, as the editor's dialog thread and the preview
// worker do: each draws what it draws alone.

#include <thread>

#include "path_view_fixture.h"

namespace rndtest {
namespace {

constexpr uint32_t kPreviewSize = 64;
constexpr int kRounds = 6;

class ConcurrentViewTest : public PathViewTest {
 protected:
  // Preview frame position / 10 of the record, in a context of its own.
  vtafx::Picture preview(rnd::RenderContext& context, uint32_t position) {
    VtaRenderJob job{};
    job.width = job.height = kPreviewSize;
    job.sourceCount = 2;
    for (int k = 0; k < 2; ++k) sources_[k].describe(job.sources[k]);
    output_.describe(job.output);
    job.position = position, job.range = 10;
    job.previewMark = 1;
    context.render(record_, job);
    return output_.toPicture();
  }

  void SetUp() override {
    PathViewTest::SetUp();
    std::vector<vtafx::Picture> cards = vtafx::placeholderSources(kPreviewSize);
    for (int k = 0; k < 2; ++k) sources_[k] = vtafx::JobPicture::from(cards[k], kPreviewSize);
    output_ = vtafx::JobPicture::from(cards[2], kPreviewSize);
  }

  vtafx::JobPicture sources_[2];
  vtafx::JobPicture output_;
};

TEST_F(ConcurrentViewTest, PathViewAndPreviewDrawAtOnceAsTheyDoAlone) {
  rnd::CameraView camera;
  const VtaRenderJob viewJobAlone = viewJob(rnd::kPerspectiveView | 3, 160, 120, 40);
  const vtafx::Picture viewAlone = draw(viewJobAlone, camera);
  rnd::RenderContext previewContext;
  std::vector<vtafx::Picture> previewAlone;
  for (int i = 0; i < kRounds; ++i) previewAlone.push_back(preview(previewContext, uint32_t(i)));

  std::vector<vtafx::Picture> previews(kRounds), views(kRounds);
  std::thread worker([&] {
    for (int i = 0; i < kRounds; ++i) previews[i] = preview(previewContext, uint32_t(i));
  });
  for (int i = 0; i < kRounds; ++i) views[i] = draw(viewJobAlone, camera);
  worker.join();

  for (int i = 0; i < kRounds; ++i) {
    EXPECT_EQ(previews[i].rgb, previewAlone[i].rgb) << "preview " << i;
    EXPECT_EQ(views[i].rgb, viewAlone.rgb) << "view " << i;
  }
}

}  // namespace
}  // namespace rndtest
