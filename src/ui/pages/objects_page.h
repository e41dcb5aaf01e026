// The "Objects" page (dialog 104): the settings of one object of the selected
// effect at a time: its surface values, path rotation and trails, what is
// mapped onto it (the timeline video, an AVI file, a BMP or TGA sequence),
// its envelopes and its morph envelope. Object entry n owns the record's
// objectParams[n] and the record's surface with id n + 1. Showing an object
// writes nothing; each control the user changes writes its own value.
#pragma once

#include <cstdint>

#include "model/components/surface.h"
#include "ui/sheet/sheet_page.h"

namespace vta {

class ObjectsPage final : public SheetPage {
 public:
  explicit ObjectsPage(SheetContext& context);
  ~ObjectsPage();

  // Shows object entry n (the Effects page shows entry 0 of a new effect).
  void showObject(uint32_t n);

 private:
  void onInit() override;
  void onCommand(int id, int code) override;
  void onScroll(HWND trackbar, int code) override;
  void onNotify(const NMHDR& header) override;
  void fillCombos();
  void showSurface();
  void enableFileControls();
  // False while no object is listed (no effect selected): nothing is written.
  bool objectListed();
  void storeSource();
  void storeFrameOffset();
  void updateEnvelopeButtons();
  void updateMorphButton();
  void editEnvelope(int button);
  void selectMapFile();
  void editPath();
  SurfaceComponent* surface();

  uint32_t currentObject_ = 0;
  bool showing_ = false;  // the page is filling its controls
};

}  // namespace vta
