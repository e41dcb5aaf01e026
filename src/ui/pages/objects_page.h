// The "Objects" page (dialog 104): the settings of one object of the selected
// effect at a time: its surface values, path rotation and trails, what is
// mapped onto it (the timeline video, an AVI file, a BMP or TGA sequence),
// its envelopes and its morph envelope. Object entry n owns the record's
// objectParams[n] and the record's surface with id n + 1.
#pragma once

#include <cstdint>

#include "model/components/surface.h"
#include "ui/sheet/sheet_page.h"

namespace vta {

class ObjectsPage final : public SheetPage<ObjectsPage> {
 public:
  static constexpr int kTemplate = 104;
  static constexpr const char* kTitle = "Objects";

  ObjectsPage();
  ~ObjectsPage();

  // Shows object entry n (the Effects page shows entry 0 of a new effect).
  void showObject(uint32_t n);
  void handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void fillCombos();
  void showSurface();
  void saveControls(bool sourceChosen);
  void saveSurface(bool sourceChosen);
  void updateEnvelopeButtons();
  void updateMorphButton();
  void editEnvelope(int button);
  void selectMapFile();
  void editPath();
  void onActivate();
  void onCommand(int id, int code);
  SurfaceComponent* surface() const;

  uint32_t currentObject_ = 0;
};

}  // namespace vta
