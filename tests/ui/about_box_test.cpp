// The about box as a host sees it: VTAGUI_About, its texts, fonts, layout and
// the keys that close it.
#include <gtest/gtest.h>

#include <string>

#include "about_ids.h"
#include "library_under_test.h"
#include "window_driver.h"

namespace vta::test {
namespace {

struct Line {
  std::string text;
  LOGFONTA font = {};
};

struct AboutObservation {
  bool shown = false, closed = false;
  std::string caption;
  Line title, release;
  bool scenePicture = false, badgePicture = false;
};

Line readLine(HWND dialog, int id) {
  Line line;
  HWND control = GetDlgItem(dialog, id);
  line.text = windowText(control);
  auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  GetObjectA(font, sizeof line.font, &line.font);
  return line;
}

bool hasPicture(HWND dialog, int id) {
  return SendDlgItemMessageA(dialog, id, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
}

// Shows the box with these texts, observes it, captures it as captureName,
// then closes it with closeKey; result is the export's.
AboutObservation showAndClose(LibraryUnderTest& library, const char* title, const char* release,
                              UINT closeKey, const char* captureName, short& result) {
  AboutObservation seen;
  auto about = library.entry<VtaAboutFunction>("VTAGUI_About");
  if (!about) {
    ADD_FAILURE() << "VTAGUI_About is not exported";
    return seen;
  }
  result = runDriven<short>([&] { return about(nullptr, title, release); },
                            [&] {
                              HWND dialog = waitForWindow("About Vantaro");
                              if (!dialog) return;
                              seen.shown = true;
                              seen.caption = windowText(dialog);
                              seen.title = readLine(dialog, IDC_ABOUT_TITLE);
                              seen.release = readLine(dialog, IDC_ABOUT_RELEASE);
                              seen.scenePicture = hasPicture(dialog, IDC_ABOUT_SCENE);
                              seen.badgePicture = hasPicture(dialog, IDC_ABOUT_BADGE);
                              captureWindow(dialog, screenshotPath(captureName));
                              pressKey(dialog, closeKey);
                              seen.closed = waitForWindowGone(dialog);
                            });
  return seen;
}

TEST(AboutBox, DefaultLinesInBoldArialWithBothPictures) {
  LibraryUnderTest library;
  ASSERT_TRUE(library.loaded());
  short result = -1;
  const AboutObservation seen =
      showAndClose(library, nullptr, nullptr, VK_RETURN, "about_default", result);
  EXPECT_EQ(0, result);
  ASSERT_TRUE(seen.shown);
  EXPECT_TRUE(seen.closed);
  EXPECT_EQ("About Vantaro", seen.caption);
  for (const Line* line : {&seen.title, &seen.release}) {
    EXPECT_STREQ("Arial", line->font.lfFaceName);
    EXPECT_EQ(700, line->font.lfWeight);
  }
  EXPECT_GT(seen.title.font.lfHeight, seen.release.font.lfHeight) << "the title is the larger";
  EXPECT_TRUE(seen.scenePicture);
  EXPECT_TRUE(seen.badgePicture);
}

// The caller's texts replace the defaults one by one, cut to 79 characters;
// Enter and Escape both close the box.
TEST(AboutBox, CallerTextsReplaceTheDefaults) {
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
      {"Vantaro Studio", "Release 3.1 beta", VK_ESCAPE, "about_custom", "Vantaro Studio",
       "Release 3.1 beta"},
      {nullptr, "Build 42", VK_RETURN, "about_release_only", "Vantaro", "Build 42"},
      {digits.c_str(), r100.c_str(), VK_ESCAPE, "about_long", digits.substr(0, 79),
       r100.substr(0, 79)},
  };
  LibraryUnderTest library;
  ASSERT_TRUE(library.loaded());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.capture);
    short result = -1;
    const AboutObservation seen =
        showAndClose(library, c.title, c.release, c.closeKey, c.capture, result);
    EXPECT_EQ(0, result);
    EXPECT_TRUE(seen.shown && seen.closed);
    EXPECT_EQ(c.shownTitle, seen.title.text);
    EXPECT_EQ(c.shownRelease, seen.release.text);
  }
}

}  // namespace
}  // namespace vta::test
