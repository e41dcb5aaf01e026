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
  RECT rect = {};
};

struct AboutObservation {
  bool shown = false;
  std::string caption;
  Line title, release;
  bool scenePicture = false, badgePicture = false;
  RECT expectedTitleRect = {}, expectedClientRect = {}, clientRect = {};
};

Line readLine(HWND dialog, int id) {
  Line line;
  HWND control = GetDlgItem(dialog, id);
  line.text = windowText(control);
  auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  GetObjectA(font, sizeof line.font, &line.font);
  GetWindowRect(control, &line.rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&line.rect), 2);
  return line;
}

bool hasPicture(HWND dialog, int id) {
  return SendDlgItemMessageA(dialog, id, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
}

AboutObservation observe(HWND dialog) {
  AboutObservation seen;
  seen.shown = true;
  seen.caption = windowText(dialog);
  seen.title = readLine(dialog, IDC_ABOUT_TITLE);
  seen.release = readLine(dialog, IDC_ABOUT_RELEASE);
  seen.scenePicture = hasPicture(dialog, IDC_ABOUT_SCENE);
  seen.badgePicture = hasPicture(dialog, IDC_ABOUT_BADGE);
  seen.expectedTitleRect = {140, 10, 140 + 215, 10 + 20};
  MapDialogRect(dialog, &seen.expectedTitleRect);
  seen.expectedClientRect = {0, 0, 382, 201};
  MapDialogRect(dialog, &seen.expectedClientRect);
  GetClientRect(dialog, &seen.clientRect);
  return seen;
}

class AboutBoxTest : public ::testing::Test {
 protected:
  // Shows the box with these texts, observes it, captures it as captureName,
  // then closes it with closeKey. Returns the export's result.
  short showAndClose(const char* title, const char* release, UINT closeKey,
                     const char* captureName) {
    auto about = library_.entry<VtaAboutFunction>("VTAGUI_About");
    if (!about) {
      ADD_FAILURE() << "VTAGUI_About is not exported";
      return -1;
    }
    return runDriven<short>([&] { return about(nullptr, title, release); },
                            [&] {
                              HWND dialog = waitForWindow("About Vantaro");
                              if (!dialog) return;
                              seen_ = observe(dialog);
                              captureWindow(dialog, screenshotPath(captureName));
                              pressKey(dialog, closeKey);
                              closed_ = waitForWindowGone(dialog);
                            });
  }

  LibraryUnderTest library_;
  AboutObservation seen_;
  bool closed_ = false;
};

TEST_F(AboutBoxTest, DefaultLinesInBoldArialAndEnterCloses) {
  ASSERT_TRUE(library_.loaded());
  EXPECT_EQ(0, showAndClose(nullptr, nullptr, VK_RETURN, "about_default"));
  ASSERT_TRUE(seen_.shown);
  EXPECT_TRUE(closed_);
  EXPECT_EQ("About Vantaro", seen_.caption);

  EXPECT_EQ("Vantaro", seen_.title.text);
  EXPECT_STREQ("Arial", seen_.title.font.lfFaceName);
  EXPECT_EQ(28, seen_.title.font.lfHeight);
  EXPECT_EQ(700, seen_.title.font.lfWeight);

  EXPECT_EQ("Release 3", seen_.release.text);
  EXPECT_STREQ("Arial", seen_.release.font.lfFaceName);
  EXPECT_EQ(18, seen_.release.font.lfHeight);
  EXPECT_EQ(700, seen_.release.font.lfWeight);

  EXPECT_TRUE(seen_.scenePicture);
  EXPECT_TRUE(seen_.badgePicture);
}

TEST_F(AboutBoxTest, LayoutFollowsTheTemplateInDialogUnits) {
  ASSERT_TRUE(library_.loaded());
  EXPECT_EQ(0, showAndClose(nullptr, nullptr, VK_ESCAPE, "about_layout"));
  ASSERT_TRUE(seen_.shown);
  EXPECT_EQ(seen_.expectedClientRect.right, seen_.clientRect.right);
  EXPECT_EQ(seen_.expectedClientRect.bottom, seen_.clientRect.bottom);
  EXPECT_EQ(seen_.expectedTitleRect.left, seen_.title.rect.left);
  EXPECT_EQ(seen_.expectedTitleRect.top, seen_.title.rect.top);
  EXPECT_EQ(seen_.expectedTitleRect.right, seen_.title.rect.right);
  EXPECT_EQ(seen_.expectedTitleRect.bottom, seen_.title.rect.bottom);
}

TEST_F(AboutBoxTest, CallerTextsReplaceTheDefaultsAndEscapeCloses) {
  ASSERT_TRUE(library_.loaded());
  EXPECT_EQ(0, showAndClose("Vantaro Studio", "Release 3.1 beta", VK_ESCAPE, "about_custom"));
  ASSERT_TRUE(seen_.shown);
  EXPECT_TRUE(closed_);
  EXPECT_EQ("Vantaro Studio", seen_.title.text);
  EXPECT_EQ("Release 3.1 beta", seen_.release.text);
}

TEST_F(AboutBoxTest, OneTextGivenKeepsTheOtherDefault) {
  ASSERT_TRUE(library_.loaded());
  EXPECT_EQ(0, showAndClose(nullptr, "Build 42", VK_RETURN, "about_release_only"));
  EXPECT_EQ("Vantaro", seen_.title.text);
  EXPECT_EQ("Build 42", seen_.release.text);
}

TEST_F(AboutBoxTest, LongTextsAreCutTo79Characters) {
  ASSERT_TRUE(library_.loaded());
  std::string longTitle, longRelease(100, 'r');
  for (int i = 0; i < 100; ++i) longTitle += static_cast<char>('0' + i % 10);
  EXPECT_EQ(0, showAndClose(longTitle.c_str(), longRelease.c_str(), VK_RETURN, "about_long"));
  EXPECT_EQ(longTitle.substr(0, 79), seen_.title.text);
  EXPECT_EQ(longRelease.substr(0, 79), seen_.release.text);
}

}  // namespace
}  // namespace vta::test
