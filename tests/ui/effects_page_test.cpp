// The Effects page as a user meets it: the groups of the current list, the
// icon buttons of the shown group, choosing groups and effects, which effect
// files the page reads, the page start, the three display modes, the search
// box and the user's "Favourites" and "Recently Used".
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <mutex>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "dialog_controls.h"
#include "effects_page_ids.h"
#include "import_hook.h"
#include "installation.h"
#include "model/files/defaults_file.h"
#include "model/files/personal_lists.h"
#include "model/components/path.h"
#include "pane_ids.h"
#include "platform/settings_store.h"
#include "registry_value.h"
#include "screen_pixels.h"
#include "sheet_fixture.h"
#include "temp_folder.h"
#include "input_driver.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kIconCount = IDC_EFFECTS_LAST_ICON - IDC_EFFECTS_FIRST_ICON + 1;
constexpr int kGroupList = IDC_EFFECTS_GROUP_LIST, kFirstIcon = IDC_EFFECTS_FIRST_ICON;
constexpr int kPaneTitle = IDC_PANE_TITLE;
constexpr int kIconFrame = IDC_EFFECTS_ICON_FRAME, kSearchBox = IDC_EFFECTS_SEARCH;
constexpr uint32_t kSixteenColour = 0xC01EA0, kThreeColour = 0x20B040;

// File names of the effect files the library opened, in order.
std::mutex g_opensLock;
std::vector<std::string> g_effectOpens;
decltype(&CreateFileA) g_realCreateFile = nullptr;

HANDLE WINAPI watchCreateFile(LPCSTR path, DWORD access, DWORD share,
                              LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                              HANDLE templateFile) {
  const std::string name = path ? path : "";
  if (name.size() > 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".VTA") == 0) {
    std::lock_guard<std::mutex> hold(g_opensLock);
    g_effectOpens.push_back(name.substr(name.find_last_of("\\/") + 1));
  }
  return g_realCreateFile(path, access, share, security, disposition, flags, templateFile);
}

std::vector<std::string> takeOpens() {
  std::lock_guard<std::mutex> hold(g_opensLock);
  std::vector<std::string> opens;
  opens.swap(g_effectOpens);
  return opens;
}

COLORREF asColorref(uint32_t rgb) { return RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF); }
bool isDark(COLORREF c) { return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80; }
bool isIcon(COLORREF c) { return c == asColorref(kThreeColour); }

// Sunken: shadow on the left edge, highlight on the right; raised: the reverse.
enum class Frame { kSunken, kRaised, kOther };
Frame frameOf(const Pixels& p) {
  const COLORREF left = p.at(1, p.height / 2), right = p.at(p.width - 2, p.height / 2);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  if (left == shadow && right == highlight) return Frame::kSunken;
  if (left == highlight && right == shadow) return Frame::kRaised;
  return Frame::kOther;
}

// The frames of the first count icons.
std::vector<Frame> frames(HWND page, int count) {
  std::vector<Frame> all;
  for (int i = 0; i < count; ++i)
    all.push_back(frameOf(screenPixels(GetDlgItem(page, kFirstIcon + i))));
  return all;
}

void clickIcon(HWND page, int slot) {
  SendMessageA(GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + slot), BM_CLICK, 0, 0);
}

// Which of the sixteen buttons are visible and enabled ("1" both, "0" neither).
std::string buttonStates(HWND page) {
  std::string states;
  for (int i = 0; i < kIconCount; ++i) {
    HWND button = GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + i);
    const bool visible = IsWindowVisible(button), enabled = IsWindowEnabled(button);
    states += visible && enabled ? '1' : (!visible && !enabled ? '0' : '?');
  }
  return states;
}

// The combo box's chosen entry, "" when none.
std::string groupShown(HWND page) {
  const int chosen = comboSelection(page, kGroupList);
  return chosen < 0 ? "" : comboItems(page, kGroupList)[chosen];
}

// Points the library's per-user folder (%APPDATA%) at an empty folder of the
// test's own for as long as it lives.
class UserFolderSandbox {
 public:
  UserFolderSandbox() {
    char previous[MAX_PATH] = "";
    GetEnvironmentVariableA("APPDATA", previous, sizeof previous);
    previous_ = previous;
    SetEnvironmentVariableA("APPDATA", folder_.path().c_str());
  }
  ~UserFolderSandbox() {
    SetEnvironmentVariableA("APPDATA", previous_.empty() ? nullptr : previous_.c_str());
  }
  // The user's lists as the library stores them.
  PersonalLists stored() const {
    PersonalLists lists;
    lists.load(personalListsPath().c_str());
    return lists;
  }

 private:
  TempFolder folder_;
  std::string previous_;
};

// The Effects page watched for the effect files the library opens, with a
// user folder of its own.
class EffectsPageTest : public SheetFixture {
 protected:
  void SetUp() override {
    SheetFixture::SetUp();
    g_realCreateFile = reinterpret_cast<decltype(g_realCreateFile)>(
        replaceImport(library_.module(), "kernel32.dll", "CreateFileA",
                      reinterpret_cast<void*>(&watchCreateFile)));
    ASSERT_NE(nullptr, g_realCreateFile);
    takeOpens();
  }
  void TearDown() override {
    if (g_realCreateFile) {
      replaceImport(library_.module(), "kernel32.dll", "CreateFileA",
                    reinterpret_cast<void*>(g_realCreateFile));
    }
  }

  // Presses button (OK or Cancel) after drive; the export reports which.
  void run(EffectSettings& record, const std::function<void(HWND page)>& drive,
           int button = PSBTN_OK) {
    const short result = open(record, false, [&](HWND sheet) {
      drive(currentPage(sheet));
      PostMessageA(sheet, PSM_PRESSBUTTON, button, 0);
      EXPECT_TRUE(waitForWindowGone(sheet));
    });
    EXPECT_EQ(button == PSBTN_OK ? 0 : 1, result);
  }

  void capture(HWND page, const char* name) {
    EXPECT_TRUE(captureWindow(GetParent(page), screenshotPath(name))) << name;
  }

  UserFolderSandbox userFolder_;
};

// A library of three groups: "Slides" (S01 to S16, titled "Slide 01" to
// "Slide 16"), "Three" (T1 to T3) and "Mixed" (four cube effects C1 to C4
// and P1, titled "Push Slide"). The effects of the first two have a solid
// icon of their group's colour and a description text after the icon, which
// only a whole-file load reads. The current list is written as it is, so the
// only effect files read are the page's.
class TestLibraryTest : public EffectsPageTest {
 protected:
  TestLibraryTest() {
    std::vector<Group> groups = {{"Slides", {}}, {"Three", {"T1", "T2", "T3"}}, {"Mixed", {}}};
    for (int i = 1; i <= kIconCount; ++i) {
      const std::string number = (i < 10 ? "0" : "") + std::to_string(i);
      groups[0].second.push_back("S" + number);
      add("S" + number, "Slide " + number, kSixteenColour);
    }
    for (const std::string& name : groups[1].second) add(name, name, kThreeColour);
    const char* cubes[] = {"Cube Turn Left", "Cube Turn Right", "Cube Roll Up", "Cube Tumble Down"};
    for (int i = 0; i < 4; ++i) {
      groups[2].second.push_back("C" + std::to_string(i + 1));
      installation_.addEffect({groups[2].second.back(), cubes[i], true, 0x808080});
    }
    groups[2].second.push_back("P1");
    installation_.addEffect({"P1", "Push Slide", true, 0x808080});
    installation_.writeMaster(groups);
    installation_.writeCurrent(groups);
    // The count matches: the library keeps the current list as written.
    writeRegistryDword("Effect_Count", kIconCount + 3 + 5);
  }
  void add(const std::string& name, const std::string& title, uint32_t colour) {
    installation_.addEffect({name, title, true, colour, "Whole file of " + name});
  }

  Installation installation_;
};

// The buttons and the combo box follow the shown group; only the selected
// effect is sunken, and only while its own group is shown.
TEST_F(TestLibraryTest, ButtonsFollowTheShownGroupAndOnlyTheSelectionIsSunken) {
  EffectSettings record;
  std::strcpy(record.effectName, "S05");
  std::vector<Frame> oneSunken(kIconCount, Frame::kRaised);
  oneSunken[4] = Frame::kSunken;
  run(record, [&](HWND page) {
    EXPECT_EQ((std::vector<std::string>{"Favourites", "Recently Used", "Slides", "Three", "Mixed"}),
              comboItems(page, IDC_EFFECTS_GROUP_LIST));
    EXPECT_EQ("1111111111111111", buttonStates(page));
    EXPECT_EQ("Slides", groupShown(page));
    EXPECT_EQ(oneSunken, frames(page, kIconCount));
    takeOpens();
    choose(page, kGroupList, "Three");
    EXPECT_EQ((std::vector<std::string>{"T1.VTA", "T2.VTA", "T3.VTA"}), takeOpens())
        << "one icon read per effect of the group, the selection not reloaded";
    EXPECT_EQ("1110000000000000", buttonStates(page)) << "4 to 16 hidden and disabled";
    EXPECT_EQ("Three", groupShown(page));
    EXPECT_EQ(std::vector<Frame>(3, Frame::kRaised), frames(page, 3));
    EXPECT_EQ("Slide 05", controlText(page, IDC_PANE_TITLE)) << "the selection is kept";
    capture(page, "effects_page_group_of_three");
    choose(page, kGroupList, "Slides");
    EXPECT_EQ(oneSunken, frames(page, kIconCount));
  });
  EXPECT_STREQ("S05", record.effectName) << "showing a group selects nothing";
}

TEST_F(TestLibraryTest, TheShownGroupAndTheSelectedEffectAreNotReadAgain) {
  EffectSettings record;
  std::strcpy(record.effectName, "T2");
  record.description.lists[kPaths].append(makeComponent<PathComponent>(1, 0.0f, 1.0f, 0, 0));
  run(record, [&](HWND page) {
    EXPECT_EQ((std::vector<std::string>{"T1.VTA", "T2.VTA", "T3.VTA", "T2.VTA"}), takeOpens())
        << "three icons, then the named effect whole";
    choose(page, kGroupList, "Three");
    EXPECT_EQ(0u, takeOpens().size()) << "files read for the shown group";
    clickIcon(page, 1);
    EXPECT_EQ(0u, takeOpens().size()) << "files read for the selected effect";
    EXPECT_EQ(0u, record.description.lists[kPaths].count)
        << "a click empties the record's path list";
    EXPECT_STREQ("T2", record.effectName);
    clickIcon(page, 2);
    EXPECT_EQ((std::vector<std::string>{"T3.VTA"}), takeOpens());
    EXPECT_EQ("T3", controlText(page, IDC_PANE_TITLE));
    EXPECT_EQ("Whole file of T3", controlText(page, IDC_PANE_DESCRIPTION))
        << "the pane shows the whole description";
  });
  EXPECT_STREQ("T3", record.effectName);
}

TEST_F(TestLibraryTest, AnEmptyNameTakesTheDefaultsAndTheFirstEffect) {
  EffectSettings defaults;
  std::strcpy(defaults.effectName, "T3");
  defaults.globalParams[VTA_QUALITY] = 7.0f;
  defaults.objectParams[1][3] = 0.5f;
  CreateDirectoryA((installation_.root() + "\\Work").c_str(), nullptr);
  ASSERT_EQ(1, saveDefaultsFile(defaults, (installation_.root() + "\\Work\\Defaults.VRI").c_str()));
  EffectSettings record;
  run(record, [&](HWND page) {
    EXPECT_EQ(Frame::kSunken, frames(page, 1)[0]);
    EXPECT_EQ("Slide 01", controlText(page, IDC_PANE_TITLE));
  });
  EXPECT_STREQ("S01", record.effectName);
  EXPECT_EQ(7.0f, record.globalParams[VTA_QUALITY]);
  EXPECT_EQ(0.5f, record.objectParams[1][3]);
}

TEST_F(TestLibraryTest, ANameInNoGroupChangesNothing) {
  EffectSettings record;
  std::strcpy(record.effectName, "Nowhere");
  record.globalParams[VTA_ANTIALIASING] = 3.0f;
  const KeptRecord atCall(record);
  run(record, [&](HWND page) {
    EXPECT_EQ(16u, takeOpens().size()) << "the first group's icons only";
    EXPECT_EQ(std::vector<Frame>(kIconCount, Frame::kRaised), frames(page, kIconCount))
        << "nothing selected";
    EXPECT_EQ("", controlText(page, IDC_PANE_DESCRIPTION));
  });
  atCall.expectSame(record);
}

// Drawn into a bitmap through the page's own drawing message: a focus
// rectangle (dotted black outer line) only for the exact focus state, and
// the icon only when the whole item is drawn.
void expectFocusRectangleOnlyInTheExactFocusState(HWND page) {
  const Canvas canvas(40, 30);
  HWND button = GetDlgItem(page, kFirstIcon + 1);
  auto draw = [&](UINT action, UINT state) {
    DRAWITEMSTRUCT item = {ODT_BUTTON, 0, 0, action, state, button, canvas.dc(), canvas.area()};
    item.CtlID = GetDlgCtrlID(button);
    FillRect(canvas.dc(), &item.rcItem, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SendMessageA(page, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    return canvas.pixels();
  };
  const Pixels focus = draw(ODA_DRAWENTIRE, ODS_FOCUS);
  EXPECT_GT(focus.topRowBlacks(), 5);
  EXPECT_LT(focus.topRowBlacks(), 35) << "dotted, not solid";
  EXPECT_FALSE(focus.rows(isIcon, 2).empty());
  const Pixels focusAndSelected = draw(ODA_DRAWENTIRE, ODS_FOCUS | ODS_SELECTED);
  EXPECT_EQ(0, focusAndSelected.topRowBlacks());
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), focusAndSelected.at(20, 0));
  const Pixels focusOnly = draw(ODA_FOCUS, ODS_FOCUS);
  EXPECT_TRUE(focusOnly.rows(isIcon, 2).empty()) << "a focus change redraws only the frame";
  EXPECT_EQ(Frame::kRaised, frameOf(focusOnly));
}

// Mode 0, the icon alone, is also the mode without a stored choice: there
// the page's own drawing is checked in a bitmap too.
TEST_F(TestLibraryTest, DisplayModesDrawTheIconTheNameOrBoth) {
  for (DWORD mode : {0u, 1u, 2u}) {
    SCOPED_TRACE("mode " + std::to_string(mode));
    RegistryValue display("Eff_Display");
    display.setNumber(mode);
    EffectSettings record;
    std::strcpy(record.effectName, "T1");
    Pixels button;
    run(record, [&](HWND page) {
      button = screenPixels(GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + 1));
      capture(page, ("effects_page_display_" + std::to_string(mode)).c_str());
      if (mode == 0) expectFocusRectangleOnlyInTheExactFocusState(page);
    });
    ASSERT_GT(button.height, 8);
    const size_t iconPixels = button.rows(isIcon, 2).size();
    const std::vector<int> dark = button.rows(isDark, 2);
    const int meanDarkRow =
        dark.empty() ? -1 : std::accumulate(dark.begin(), dark.end(), 0) / int(dark.size());
    EXPECT_EQ(mode != 1, iconPixels > 0) << iconPixels << " icon pixels";
    EXPECT_EQ(mode != 0, !dark.empty()) << dark.size() << " text pixels";
    if (mode == 1) {
      EXPECT_NEAR(button.height / 2, meanDarkRow, button.height / 6) << "centred";
    } else if (mode == 2) {
      EXPECT_GT(meanDarkRow, button.height * 2 / 3) << "at the bottom";
    }
  }
}

TEST_F(EffectsPageTest, WithoutACurrentListOnlyTheUsersListsAndNoButtonShow) {
  Installation empty;
  EffectSettings record;
  const KeptRecord atCall(record);
  run(record, [&](HWND page) {
    EXPECT_EQ((std::vector<std::string>{"Favourites", "Recently Used"}),
              comboItems(page, IDC_EFFECTS_GROUP_LIST))
        << "only the user's own lists";
    EXPECT_EQ(std::string(kIconCount, '0'), buttonStates(page));
  });
  atCall.expectSame(record);
}

// The pointer rests on the third icon (a real pointer move), then leaves for
// the sheet's corner. With the sample renderer the icon plays: several
// pictures follow each other, then the still icon returns and stays; with a
// renderer that is not installed it never moves.
TEST_F(EffectsPageTest, AnIconPlaysWhileThePointerRestsOnIt) {
  for (const char* renderer : {"Rnd_Software", "Rnd_Absent"}) {
    SCOPED_TRACE(renderer);
    RegistryValue engine("Prev_Engine");
    engine.setText(renderer);
    const bool installed = std::strcmp(renderer, "Rnd_Software") == 0;
    EffectSettings record;
    run(record, [&](HWND page) {
      HWND icon = GetDlgItem(page, kFirstIcon + 2);
      const std::vector<COLORREF> still = screenPixels(icon).colours;
      RECT area;
      GetWindowRect(icon, &area);
      // Low on the icon, so that its tooltip opens below it.
      SetCursorPos((area.left + area.right) / 2, area.bottom - 3);
      PostMessageA(icon, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
      std::set<std::vector<COLORREF>> seen = {still};
      waitUntil([&] { return seen.insert(screenPixels(icon).colours), seen.size() > 3; },
                installed ? 5000 : 1500);
      if (installed) {
        EXPECT_GT(seen.size(), 3u) << "frames of the effect drawn in the icon";
        capture(page, "effects_page_icon_playing");
      } else {
        EXPECT_EQ(1u, seen.size()) << "without a renderer the icon stays still";
      }
      RECT sheet;
      GetWindowRect(GetParent(page), &sheet);
      SetCursorPos(sheet.left + 2, sheet.top + 2);
      EXPECT_TRUE(waitUntil([&] { return screenPixels(icon).colours == still; }))
          << "the pointer left: no more frames";
      for (int i = 0; i < 5; ++i, Sleep(100))
        EXPECT_TRUE(screenPixels(icon).colours == still) << "the still icon stays";
    });
  }
}

// Typed into the search box as the keyboard does.
void typeText(HWND page, const std::string& text) {
  for (char c : text) PostMessageA(GetDlgItem(page, kSearchBox), WM_CHAR, c, 1);
}

// Opens the context menu of icon slot, by a right click or from the
// keyboard (Shift+F10), and picks its one item; returns the item's text.
std::string pickFromIconMenu(HWND page, int slot, bool rightClick) {
  HWND icon = GetDlgItem(page, kFirstIcon + slot);
  if (rightClick) {
    PostMessageA(icon, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageA(icon, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  } else {
    PostMessageA(icon, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(icon), -1);
  }
  HWND menu = nullptr;
  if (!waitUntil([&] { return (menu = FindWindowA("#32768", nullptr)) && IsWindowVisible(menu); }))
    return "no menu";
  char text[64] = "";
  auto items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
  GetMenuStringA(items, 0, text, sizeof text, MF_BYPOSITION);
  pressKey(menu, VK_DOWN);
  pressKey(menu, VK_RETURN);
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(menu); })) << "menu stays open";
  return text;
}

TEST_F(TestLibraryTest, SearchShowsMatchesOfEveryGroupAndEscapeReturns) {
  EffectSettings record;
  std::strcpy(record.effectName, "S03");
  record.description.lists[kPaths].append(makeComponent<PathComponent>(1, 0.0f, 1.0f, 0, 0));
  run(record, [&](HWND page) {
    typeText(page, "cUBE");
    EXPECT_TRUE(waitUntil([&] {
      return controlText(page, kIconFrame) == "Search results" &&
             buttonStates(page) == "1111000000000000";
    })) << "the four cube effects of \"Mixed\" while \"Slides\" was shown";
    capture(page, "effects_page_search_results");
    clickIcon(page, 2);
    EXPECT_EQ("Cube Roll Up", controlText(page, kPaneTitle));
    pressKey(GetDlgItem(page, kSearchBox), VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return controlText(page, kSearchBox).empty(); }))
        << "Escape empties the box";
    EXPECT_EQ("Slides/FX Icons", groupShown(page) + "/" + controlText(page, kIconFrame))
        << "the group shown before the search";
    typeText(page, "slide");
    EXPECT_TRUE(waitUntil([&] {
      return controlText(page, kIconFrame) == "Search results (first 16 of 17)";
    })) << controlText(page, kIconFrame);
    EXPECT_EQ(std::string(kIconCount, '1'), buttonStates(page));
    capture(page, "effects_page_search_many");
    SendMessageA(GetDlgItem(page, kSearchBox), EM_SETSEL, 0, -1);
    PostMessageA(GetDlgItem(page, kSearchBox), WM_CHAR, VK_BACK, 1);
    EXPECT_TRUE(waitUntil([&] { return controlText(page, kIconFrame) == "FX Icons"; }));
    EXPECT_EQ("Slides", groupShown(page));
  });
  EXPECT_STREQ("C3", record.effectName);
  EXPECT_EQ(0u, record.description.lists[kPaths].count) << "a click as in the effect's own group";
}

// Each effect confirmed with OK goes first; Cancel changes nothing; an
// uninstalled effect is left out without a word.
TEST_F(TestLibraryTest, RecentlyUsedAfterOkNewestFirstAtMostSixteen) {
  PersonalLists earlier;
  for (int i = kIconCount; i >= 1; --i)
    earlier.noteUsed(("S" + std::string(i < 10 ? "0" : "") + std::to_string(i)).c_str());
  earlier.addFavourite("Uninstalled");
  earlier.addFavourite("C4");
  ASSERT_TRUE(earlier.save(personalListsPath().c_str()));
  const struct {
    const char* click;
    int button;
    const char* expectedFirst;
  } steps[] = {{"C1", PSBTN_OK, "C1"}, {"C2", PSBTN_CANCEL, "C1"}, {"P1", PSBTN_OK, "P1"}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.click);
    EffectSettings record;
    std::strcpy(record.effectName, "S05");
    run(
        record,
        [&](HWND page) {
          choose(page, kGroupList, "Favourites");
          EXPECT_EQ("1000000000000000", buttonStates(page)) << "the uninstalled favourite is gone";
          choose(page, kGroupList, "Mixed");
          clickIcon(page, step.click[0] == 'P' ? 4 : step.click[1] - '1');
        },
        step.button);
    const PersonalLists stored = userFolder_.stored();
    ASSERT_EQ(kIconCount, stored.recent().itemCount);
    EXPECT_STREQ(step.expectedFirst, stored.recent().items[0]);
  }
  const PersonalLists stored = userFolder_.stored();
  EXPECT_STREQ("C1", stored.recent().items[1]);
  EXPECT_STREQ("S01", stored.recent().items[2]);
  EXPECT_STREQ("S14", stored.recent().items[15]) << "the oldest two dropped";
  EffectSettings record;
  run(record, [&](HWND page) {
    choose(page, kGroupList, "Recently Used");
    EXPECT_EQ(std::string(kIconCount, '1'), buttonStates(page));
    capture(page, "effects_page_recently_used");
  });
}

// Tab reaches the icons, the arrows, Home and End move among the shown ones
// (drawn with a focus rectangle), Enter and Space select, Ctrl+F goes to
// the search box. An icon's menu then adds it to the Favourites, kept for
// the next call, where its menu removes it for good although that call is
// cancelled.
TEST_F(TestLibraryTest, KeyboardMovesAmongIconsAndSelectsAndFavouritesAreKept) {
  const struct {
    UINT key;
    int focusedSlot;
    const char* selected;
  } steps[] = {{VK_RIGHT, 1, "S01"},  {VK_DOWN, 5, "S01"}, {VK_END, 15, "S01"},
               {VK_RIGHT, 15, "S01"}, {VK_UP, 11, "S01"},  {VK_RETURN, 11, "S12"},
               {VK_HOME, 0, "S12"},   {VK_LEFT, 0, "S12"}, {VK_SPACE, 0, "S01"}};
  EffectSettings record;
  std::strcpy(record.effectName, "S01");
  run(record, [&](HWND page) {
    const auto focusReaches = [&](HWND window) {
      return waitUntil([&] { return focusOf(page) == window; });
    };
    HWND box = GetDlgItem(page, kSearchBox), first = GetDlgItem(page, kFirstIcon);
    PostMessageA(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    focusReaches(box);
    pressKey(box, VK_TAB);
    EXPECT_TRUE(focusReaches(first)) << "Tab from the search box reaches the first icon";
    for (const auto& step : steps) {
      pressKey(focusOf(page), step.key);
      HWND expected = GetDlgItem(page, kFirstIcon + step.focusedSlot);
      EXPECT_TRUE(waitUntil([&] {
        return focusOf(page) == expected && std::string(record.effectName) == step.selected;
      })) << "key "
          << step.key << " -> " << record.effectName;
    }
    HWND second = GetDlgItem(page, kFirstIcon + 1);
    const int unfocusedBlacks = screenPixels(second).topRowBlacks();
    pressKey(focusOf(page), VK_RIGHT);
    focusReaches(second);
    EXPECT_GT(screenPixels(second).topRowBlacks() - unfocusedBlacks, 5)
        << "the focused icon has the dotted focus rectangle";
    typeKeys(GetParent(page), {VK_CONTROL, 'F'});
    EXPECT_TRUE(focusReaches(box)) << "Ctrl+F";
    PostMessageA(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    focusReaches(first);
    typeKeys(GetParent(page), {VK_MENU, 'F'});
    EXPECT_TRUE(focusReaches(box)) << "Alt+F";
    choose(page, kGroupList, "Mixed");
    NMTTDISPINFOA question = {};
    question.hdr.idFrom = reinterpret_cast<UINT_PTR>(GetDlgItem(page, kFirstIcon + 2));
    question.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&question));
    EXPECT_STREQ("Cube Roll Up", question.lpszText) << "the tooltip's title";
    EXPECT_EQ("Add to Favourites", pickFromIconMenu(page, 1, true));
    choose(page, kGroupList, "Favourites");
    EXPECT_EQ("1000000000000000", buttonStates(page));
    capture(page, "effects_page_favourites");
    clickIcon(page, 0);
    EXPECT_EQ("Cube Turn Right", controlText(page, kPaneTitle));
  });
  run(
      record,
      [&](HWND page) {
        choose(page, kGroupList, "Favourites");
        EXPECT_EQ("1000000000000000", buttonStates(page)) << "kept for the next call";
        EXPECT_EQ("Remove from Favourites", pickFromIconMenu(page, 0, false));
        EXPECT_TRUE(waitUntil([&] { return buttonStates(page) == std::string(kIconCount, '0'); }));
      },
      PSBTN_CANCEL);
  EXPECT_EQ(0, userFolder_.stored().favourites().itemCount) << "stored at once, Cancel or not";
}

}  // namespace
}  // namespace vta::test
