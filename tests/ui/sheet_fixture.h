// A test that opens the selection sheet over a record, and a record to open
// it over.
#pragma once

#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "library_under_test.h"
#include "model/components/surface.h"
#include "model/effect_settings.h"

namespace vta::test {

// A record with an effect, options and a mapped surface, as a host keeps it.
inline void fillRecord(EffectSettings& record) {
  std::strcpy(record.effectName, "Page Turn");
  record.globalParams[VTA_RENDER_STYLE] = 2.0f;
  record.objectParams[3][VTA_TRAIL_SPACING] = 12.5f;
  auto* surface = makeComponent<SurfaceComponent>(1, 0.0f, 1.0f, 0, 0);
  surface->mappingKind = 3;
  std::strcpy(surface->mapFile, "clip.avi");
  record.description.lists[kSurfaces].append(surface);
}

// A record as it was at one moment (its fixed part byte for byte and its
// description), to compare with after the sheet closed.
class KeptRecord {
 public:
  explicit KeptRecord(const EffectSettings& record) {
    atCall_.copyFrom(record);
    std::memcpy(fixed_, &record, sizeof fixed_);
  }
  void expectSame(const EffectSettings& record) const {
    EXPECT_EQ(0, std::memcmp(fixed_, &record, sizeof fixed_)) << "name or reals changed";
    EXPECT_EQ(0, record.differs(atCall_)) << "the description changed";
  }

 private:
  EffectSettings atCall_;
  unsigned char fixed_[sizeof EffectSettings::effectName + sizeof EffectSettings::padding +
                       sizeof EffectSettings::globalParams + sizeof EffectSettings::objectParams];
};

class SheetFixture : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(nullptr, library_.entry<VtaSelectFunction>("VTAGUI_Select")); }

  // Opens the sheet over record (in filter mode with filterMode) and hands it
  // to drive, which closes it; returns the export's result.
  short open(EffectSettings& record, bool filterMode,
             const std::function<void(HWND sheet)>& drive) {
    EffectSettings second;
    auto select = library_.entry<VtaSelectFunction>("VTAGUI_Select");
    HWND sheet = nullptr;
    const short result = runDriven<short>(
        [&] {
          return select(nullptr, reinterpret_cast<VtaEffectSettings*>(&record),
                        filterMode ? reinterpret_cast<VtaEffectSettings*>(&second) : nullptr);
        },
        [&] {
          if (!(sheet = waitForWindow(kSheetCaption))) return;
          drive(sheet);
          waitForWindowGone(sheet);
        });
    EXPECT_NE(nullptr, sheet) << "the selection sheet did not appear";
    return result;
  }

  // Opens the sheet over record (or record_) on page tab, hands sheet and
  // page to drive and closes the sheet with OK.
  void run(EffectSettings& record, int tab, bool filterMode,
           const std::function<void(HWND sheet, HWND page)>& drive) {
    open(record, filterMode, [&](HWND sheet) {
      SendMessageA(sheet, PSM_SETCURSEL, tab, 0);
      drive(sheet, reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)));
      closeWithOk(sheet);
    });
  }
  void run(int tab, const std::function<void(HWND, HWND)>& drive) {
    run(record_, tab, false, drive);
  }

  LibraryUnderTest library_;
  EffectSettings record_;
};

}  // namespace vta::test
