// How long one redraw of the envelope editor's graph takes (grid, the curve
// at 101 times with their key lookups, the key squares, the copy to the
// screen and the time cursor) on a 10-key envelope at the graph's size in
// the dialog. Dragging a key redraws once per mouse move. Prints figures;
// a Windows program, run under Wine here. Run: envelope_graph_bench [--figures]
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "curves/kb_spline.h"
#include "figures.h"
#include "ui/editors/envelope_graph.h"

int main(int argc, char** argv) {
  using namespace vta;
  bench::Figures figures(bench::takeFiguresFlag(argc, argv));
  HWND host = CreateWindowA("STATIC", "bench", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr,
                            nullptr, nullptr, nullptr);
  // The graph control measures about 296 x 143 pixels in the dialog.
  HWND graph = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_BLACKFRAME, 10, 10, 296, 143,
                             host, nullptr, nullptr, nullptr);
  auto* envelope = makeComponent<EnvelopeComponent>(40001, 0.0f, 1.0f, 0, 0);
  for (int i = 0; i < 10; ++i) {
    envelope->insertKey(
        {keyTimeFromPercent(i * 11), static_cast<float>((i * 37) % 100), 0, 0, 0, 0, 0});
  }
  EnvelopeGraph drawing(EnvelopeScale{0, 100, 1, 10, true});
  drawing.locate(host, graph);
  constexpr int kRounds = 500;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds; ++i) drawing.draw(graph, *envelope, keyTimeFromPercent(i % 101));
  GdiFlush();
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("envelope graph redraw, 10 keys, 296 x 143: %.3f ms each (%d redraws)\n",
              ms / kRounds, kRounds);
  figures.add("Wine: envelope graph redraw, 10 keys", ms / kRounds, "ms");
  envelope->destroy(true);
  DestroyWindow(host);
  return 0;
}
