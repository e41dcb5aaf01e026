// The about box as a host sees it: VTAGUI_About, its texts, fonts, layout and
// the keys that close it.
#include <gtest/gtest.h>

#include <string>

#include "about_ids.h"
#include "library_under_test.h"
#include "window_driver.h"

namespace vta::test {
namespace {

LOGFONTA fontOf(HWND dialog, int id) {
  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, id, WM_GETFONT, 0, 0)),
             sizeof font, &font);
  return font;
}

bool hasPicture(HWND dialog, int id) {
  return SendDlgItemMessageA(dialog, id, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
}

// The caller's texts replace the defaults one by one, cut to 79 characters,
// in bold Arial, the title the larger, with both pictures; Enter and Escape
// both close the box.
TEST(AboutBox, ShowsTheCallersTextsOrTheDefaults) {
  const std::string digits = [] {
    std::string text;
    for (int i = 0; i < 100; ++i) text += static_cast<char>('0' + i % 10);
    return text;
  }();
  const std::string r100(100, 'r');
  const struct {
    const char *title, *release;
    UINT closeKey;
    const char* capture;
    std::string shownTitle, shownRelease;
  } cases[] = {
      {nullptr, nullptr, VK_RETURN, "about_default", "Vantaro", "Release 3"},
      {"Vantaro Studio", "Release 3.1 beta", VK_ESCAPE, "about_custom", "Vantaro Studio",
       "Release 3.1 beta"},
      {nullptr, "Build 42", VK_RETURN, "about_release_only", "Vantaro", "Build 42"},
      {digits.c_str(), r100.c_str(), VK_ESCAPE, "about_long", digits.substr(0, 79),
       r100.substr(0, 79)},
  };
  LibraryUnderTest library;
  ASSERT_TRUE(library.loaded());
  auto about = library.entry<VtaAboutFunction>("VTAGUI_About");
  ASSERT_NE(nullptr, about);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.capture);
    bool shown = false;
    const short result = runDriven<short>(
        [&] { return about(nullptr, c.title, c.release); },
        [&] {
          HWND dialog = waitForWindow("About Vantaro");
          shown = dialog != nullptr;
          if (!shown) return;
          EXPECT_EQ(c.shownTitle, windowText(GetDlgItem(dialog, IDC_ABOUT_TITLE)));
          EXPECT_EQ(c.shownRelease, windowText(GetDlgItem(dialog, IDC_ABOUT_RELEASE)));
          const LOGFONTA title = fontOf(dialog, IDC_ABOUT_TITLE);
          const LOGFONTA release = fontOf(dialog, IDC_ABOUT_RELEASE);
          for (const LOGFONTA& font : {title, release}) {
            EXPECT_STREQ("Arial", font.lfFaceName);
            EXPECT_EQ(700, font.lfWeight);
          }
          EXPECT_GT(title.lfHeight, release.lfHeight) << "the title is the larger";
          EXPECT_TRUE(hasPicture(dialog, IDC_ABOUT_SCENE) && hasPicture(dialog, IDC_ABOUT_BADGE));
          captureWindow(dialog, screenshotPath(c.capture));
          pressKey(dialog, c.closeKey);
          EXPECT_TRUE(waitForWindowGone(dialog));
        });
    EXPECT_TRUE(shown) << "the about box did not appear";
    EXPECT_EQ(0, result);
  }
}

}  // namespace
}  // namespace vta::test
