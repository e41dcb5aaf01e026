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
#include <set>
#include <string>
#include <vector>

#include "dialog_controls.h"
#include "effects_page_ids.h"
#include "import_hook.h"
#include "installation.h"
#include "model/effect_settings.h"
#include "model/files/defaults_file.h"
#include "model/files/personal_lists.h"
#include "model/components/path.h"
#include "pane_ids.h"
#include "platform/settings_store.h"
#include "registry_value.h"
#include "sheet_fixture.h"
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

// What the screen shows of a control (or what was drawn into a memory DC).
struct Pixels {
  int width = 0, height = 0;
  std::vector<COLORREF> colours;

  COLORREF at(int x, int y) const { return colours[y * width + x]; }
  static Pixels from(HDC dc, int left, int top, int width, int height) {
    Pixels p{width, height, {}};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) p.colours.push_back(GetPixel(dc, left + x, top + y));
    }
    return p;
  }
  // Pixels inside the icon inset (2 from every side) for which test holds.
  int countInside(const std::function<bool(COLORREF)>& test) const {
    int n = 0;
    for (int y = 2; y < height - 2; ++y) {
      for (int x = 2; x < width - 2; ++x) n += test(at(x, y)) ? 1 : 0;
    }
    return n;
  }
};

Pixels screenPixels(HWND control) {
  RedrawWindow(GetParent(control), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT r;
  GetWindowRect(control, &r);
  HDC screen = GetDC(nullptr);
  HDC copy = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top);
  HGDIOBJ previous = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
  Pixels pixels = Pixels::from(copy, 0, 0, r.right - r.left, r.bottom - r.top);
  SelectObject(copy, previous);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  return pixels;
}

COLORREF asColorref(uint32_t rgb) { return RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF); }
bool isDark(COLORREF c) { return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80; }

// Sunken: shadow on the left edge, highlight on the right; raised: the reverse.
enum class Frame { kSunken, kRaised, kOther };
Frame frameOf(const Pixels& p) {
  const COLORREF left = p.at(1, p.height / 2), right = p.at(p.width - 2, p.height / 2);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  if (left == shadow && right == highlight) return Frame::kSunken;
  if (left == highlight && right == shadow) return Frame::kRaised;
  return Frame::kOther;
}

Frame frameOf(HWND page, int slot) {
  return frameOf(screenPixels(GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + slot)));
}

void chooseGroup(HWND page, const char* name) {
  HWND combo = GetDlgItem(page, kGroupList);
  SendMessageA(combo, CB_SETCURSEL,
               SendMessageA(combo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(name)), 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(kGroupList, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
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
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    folder_ = std::string(temp) + "vta_effects_page_user";
    CreateDirectoryA(folder_.c_str(), nullptr);
    char previous[MAX_PATH] = "";
    hadPrevious_ = GetEnvironmentVariableA("APPDATA", previous, sizeof previous) > 0;
    previous_ = previous;
    SetEnvironmentVariableA("APPDATA", folder_.c_str());
    removeLists();
  }
  ~UserFolderSandbox() {
    removeLists();
    RemoveDirectoryA(folder_.c_str());
    SetEnvironmentVariableA("APPDATA", hadPrevious_ ? previous_.c_str() : nullptr);
  }
  // The user's lists as the library stores them.
  PersonalLists stored() const {
    PersonalLists lists;
    lists.load(personalListsPath().c_str());
    return lists;
  }

 private:
  void removeLists() const {
    const std::string lists = personalListsPath();
    DeleteFileA(lists.c_str());
    RemoveDirectoryA(lists.substr(0, lists.find_last_of('\\')).c_str());
  }
  std::string folder_, previous_;
  bool hadPrevious_ = false;
};

// Runs the sheet over record, drives its Effects page, then presses OK.
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

  // Presses button (OK or Cancel) after drive.
  short run(EffectSettings& record, const std::function<void(HWND page)>& drive,
            int button = PSBTN_OK) {
    return open(record, [&](HWND sheet) {
      drive(currentPage(sheet));
      PostMessageA(sheet, PSM_PRESSBUTTON, button, 0);
      EXPECT_TRUE(waitForWindowGone(sheet));
    });
  }

  void capture(HWND page, const char* name) {
    EXPECT_TRUE(captureWindow(GetParent(page), screenshotPath(name))) << name;
  }

  UserFolderSandbox userFolder_;
};

// A library of two groups: "Sixteen" (S01 to S16) and "Three" (T1 to T3).
// Each effect has a solid icon of its group's colour and a description text
// after the icon, which only a whole-file load reads. The current list is
// written as it is, so the only effect files read are the page's.
class TestLibraryTest : public EffectsPageTest {
 protected:
  TestLibraryTest() : installation_("effects_page") {
    std::vector<Group> groups = {{"Sixteen", {}}, {"Three", {"T1", "T2", "T3"}}};
    for (int i = 1; i <= kIconCount; ++i)
      groups[0].second.push_back((i < 10 ? "S0" : "S") + std::to_string(i));
    for (const Group& group : groups) {
      for (const std::string& name : group.second) {
        const uint32_t colour = group.first == "Three" ? kThreeColour : kSixteenColour;
        installation_.addEffect({name, name, true, colour, "Whole file of " + name});
      }
    }
    installation_.writeMaster(groups);
    installation_.writeCurrent(groups);
    // The count matches: the library keeps the current list as written.
    writeRegistryDword("Effect_Count", kIconCount + 3);
  }

  Installation installation_;
};

TEST_F(TestLibraryTest, ButtonsFollowTheShownGroupAndTheComboKeepsInStep) {
  EffectSettings record;
  std::strcpy(record.effectName, "S05");
  std::vector<std::string> items, opensForThree;
  std::string statesSixteen, statesThree;
  std::string selectionSixteen, selectionThree;
  EXPECT_EQ(0, run(record, [&](HWND page) {
              items = comboItems(page, IDC_EFFECTS_GROUP_LIST);
              statesSixteen = buttonStates(page);
              selectionSixteen = groupShown(page);
              takeOpens();
              chooseGroup(page, "Three");
              opensForThree = takeOpens();
              statesThree = buttonStates(page);
              selectionThree = groupShown(page);
              capture(page, "effects_page_group_of_three");
            }));
  EXPECT_EQ((std::vector<std::string>{"Favourites", "Recently Used", "Sixteen", "Three"}), items);
  EXPECT_EQ("1111111111111111", statesSixteen);
  EXPECT_EQ("Sixteen", selectionSixteen);
  EXPECT_EQ("1110000000000000", statesThree) << "1004 to 1016 hidden and disabled";
  EXPECT_EQ("Three", selectionThree);
  EXPECT_EQ((std::vector<std::string>{"T1.VTA", "T2.VTA", "T3.VTA"}), opensForThree)
      << "one icon read per effect of the group, the selection not reloaded";
  EXPECT_STREQ("S05", record.effectName) << "showing a group selects nothing";
}

TEST_F(TestLibraryTest, TheShownGroupAndTheSelectedEffectAreNotReadAgain) {
  EffectSettings record;
  std::strcpy(record.effectName, "T2");
  record.description.lists[kPaths].append(makeComponent<PathComponent>(1, 0.0f, 1.0f, 0, 0));
  std::vector<std::string> atStart, sameGroup, sameEffect, otherEffect;
  uint32_t pathsAfterSameEffect = 99;
  std::string nameAfterSameEffect, title, description;
  EXPECT_EQ(0, run(record, [&](HWND page) {
              atStart = takeOpens();
              chooseGroup(page, "Three");
              sameGroup = takeOpens();
              clickIcon(page, 1);
              sameEffect = takeOpens();
              pathsAfterSameEffect = record.description.lists[kPaths].count;
              nameAfterSameEffect = record.effectName;
              clickIcon(page, 2);
              otherEffect = takeOpens();
              title = controlText(page, IDC_PANE_TITLE);
              description = controlText(page, IDC_PANE_DESCRIPTION);
            }));
  EXPECT_EQ((std::vector<std::string>{"T1.VTA", "T2.VTA", "T3.VTA", "T2.VTA"}), atStart)
      << "three icons, then the named effect whole";
  EXPECT_TRUE(sameGroup.empty()) << sameGroup.size() << " files read for the shown group";
  EXPECT_TRUE(sameEffect.empty()) << sameEffect.size() << " files read for the selected effect";
  EXPECT_EQ(0u, pathsAfterSameEffect) << "a click empties the record's path list";
  EXPECT_EQ("T2", nameAfterSameEffect);
  EXPECT_EQ((std::vector<std::string>{"T3.VTA"}), otherEffect);
  EXPECT_STREQ("T3", record.effectName);
  EXPECT_EQ("T3", title);
  EXPECT_EQ("Whole file of T3", description) << "the pane shows the whole description";
}

TEST_F(TestLibraryTest, OnlyTheSelectedEffectIsSunkenAndOnlyInItsGroup) {
  EffectSettings record;
  std::strcpy(record.effectName, "T2");
  std::vector<Frame> inThree, inSixteen, backInThree;
  std::string title;
  EXPECT_EQ(0, run(record, [&](HWND page) {
              for (int i = 0; i < 3; ++i) inThree.push_back(frameOf(page, i));
              chooseGroup(page, "Sixteen");
              for (int i = 0; i < kIconCount; ++i) inSixteen.push_back(frameOf(page, i));
              title = controlText(page, IDC_PANE_TITLE);
              chooseGroup(page, "Three");
              for (int i = 0; i < 3; ++i) backInThree.push_back(frameOf(page, i));
            }));
  const std::vector<Frame> oneSunken = {Frame::kRaised, Frame::kSunken, Frame::kRaised};
  EXPECT_EQ(oneSunken, inThree);
  EXPECT_EQ(std::vector<Frame>(kIconCount, Frame::kRaised), inSixteen);
  EXPECT_EQ("T2", title) << "showing a group keeps the selection";
  EXPECT_EQ(oneSunken, backInThree);
  EXPECT_STREQ("T2", record.effectName);
}

TEST_F(TestLibraryTest, AnEmptyNameTakesTheDefaultsAndTheFirstEffect) {
  CreateDirectoryA((installation_.root() + "\\Work").c_str(), nullptr);
  EffectSettings defaults;
  std::strcpy(defaults.effectName, "T3");
  defaults.globalParams[VTA_QUALITY] = 7.0f;
  defaults.objectParams[1][3] = 0.5f;
  ASSERT_EQ(1, saveDefaultsFile(defaults, (installation_.root() + "\\Work\\Defaults.VRI").c_str()));
  EffectSettings record;
  Frame first = Frame::kOther;
  std::string title;
  EXPECT_EQ(0, run(record, [&](HWND page) {
              first = frameOf(page, 0);
              title = controlText(page, IDC_PANE_TITLE);
            }));
  EXPECT_STREQ("S01", record.effectName);
  EXPECT_EQ(7.0f, record.globalParams[VTA_QUALITY]);
  EXPECT_EQ(0.5f, record.objectParams[1][3]);
  EXPECT_EQ(Frame::kSunken, first);
  EXPECT_EQ("S01", title);
}

TEST_F(TestLibraryTest, ANameInNoGroupChangesNothing) {
  EffectSettings record, atCall;
  std::strcpy(record.effectName, "Nowhere");
  record.globalParams[VTA_ANTIALIASING] = 3.0f;
  atCall.copyFrom(record);
  std::vector<std::string> opens;
  std::vector<Frame> frames;
  std::string description = "unread";
  EXPECT_EQ(0, run(record, [&](HWND page) {
              opens = takeOpens();
              for (int i = 0; i < kIconCount; ++i) frames.push_back(frameOf(page, i));
              description = controlText(page, IDC_PANE_DESCRIPTION);
            }));
  EXPECT_EQ(0, record.differs(atCall));
  EXPECT_EQ(16u, opens.size()) << "the first group's icons only";
  EXPECT_EQ(std::vector<Frame>(kIconCount, Frame::kRaised), frames) << "nothing selected";
  EXPECT_EQ("", description);
}

TEST_F(TestLibraryTest, DisplayModesDrawTheIconTheNameOrBoth) {
  const COLORREF icon = asColorref(kThreeColour);
  for (DWORD mode : {0u, 1u, 2u}) {
    RegistryValue display("Eff_Display");
    display.setNumber(mode);
    EffectSettings record;
    std::strcpy(record.effectName, "T1");
    Pixels button;
    EXPECT_EQ(0, run(record, [&](HWND page) {
                button = screenPixels(GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + 1));
                capture(page, ("effects_page_display_" + std::to_string(mode)).c_str());
              }));
    ASSERT_GT(button.height, 8);
    const int iconPixels = button.countInside([&](COLORREF c) { return c == icon; });
    int darkPixels = 0, darkRowSum = 0;
    for (int y = 2; y < button.height - 2; ++y) {
      for (int x = 2; x < button.width - 2; ++x) {
        if (isDark(button.at(x, y))) ++darkPixels, darkRowSum += y;
      }
    }
    const int meanDarkRow = darkPixels ? darkRowSum / darkPixels : -1;
    SCOPED_TRACE("mode " + std::to_string(mode));
    EXPECT_EQ(mode != 1, iconPixels > 0) << iconPixels << " icon pixels";
    EXPECT_EQ(mode != 0, darkPixels > 0) << darkPixels << " text pixels";
    if (mode == 1) {
      EXPECT_NEAR(button.height / 2, meanDarkRow, button.height / 6) << "centred";
    } else if (mode == 2) {
      EXPECT_GT(meanDarkRow, button.height * 2 / 3) << "at the bottom";
    }
  }
}

// Drawn into a bitmap through the page's own drawing message: a focus
// rectangle (dotted black outer line) only for the exact focus state, and
// the icon only when the whole item is drawn.
TEST_F(TestLibraryTest, FocusRectangleOnlyInTheExactFocusState) {
  struct Drawn {
    Pixels focus, focusAndSelected, focusOnly;
  } drawn;
  EffectSettings record;
  std::strcpy(record.effectName, "T1");
  EXPECT_EQ(0, run(record, [&](HWND page) {
              HDC screen = GetDC(nullptr);
              HDC dc = CreateCompatibleDC(screen);
              HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 30);
              HGDIOBJ previous = SelectObject(dc, bitmap);
              auto draw = [&](UINT action, UINT state) {
                RECT all = {0, 0, 40, 30};
                FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
                DRAWITEMSTRUCT item = {ODT_BUTTON, IDC_EFFECTS_FIRST_ICON + 1,
                                       0,          action,
                                       state,      GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + 1),
                                       dc,         all,
                                       0};
                SendMessageA(page, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
                return Pixels::from(dc, 0, 0, 40, 30);
              };
              drawn.focus = draw(ODA_DRAWENTIRE, ODS_FOCUS);
              drawn.focusAndSelected = draw(ODA_DRAWENTIRE, ODS_FOCUS | ODS_SELECTED);
              drawn.focusOnly = draw(ODA_FOCUS, ODS_FOCUS);
              SelectObject(dc, previous);
              DeleteObject(bitmap);
              DeleteDC(dc);
              ReleaseDC(nullptr, screen);
            }));
  auto topRowBlacks = [](const Pixels& p) {
    int n = 0;
    for (int x = 0; x < p.width; ++x) n += p.at(x, 0) == RGB(0, 0, 0) ? 1 : 0;
    return n;
  };
  ASSERT_EQ(40, drawn.focus.width);
  EXPECT_GT(topRowBlacks(drawn.focus), 5);
  EXPECT_LT(topRowBlacks(drawn.focus), 35) << "dotted, not solid";
  EXPECT_EQ(0, topRowBlacks(drawn.focusAndSelected));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), drawn.focusAndSelected.at(20, 0));
  const COLORREF icon = asColorref(kThreeColour);
  EXPECT_GT(drawn.focus.countInside([&](COLORREF c) { return c == icon; }), 0);
  EXPECT_EQ(0, drawn.focusOnly.countInside([&](COLORREF c) { return c == icon; }))
      << "a focus change redraws only the frame";
  EXPECT_EQ(Frame::kRaised, frameOf(drawn.focusOnly));
}

TEST_F(EffectsPageTest, WithoutACurrentListOnlyTheUsersListsAndNoButtonShow) {
  Installation empty("effects_page_empty");
  EffectSettings record, atCall;
  atCall.copyFrom(record);
  std::vector<std::string> items = {"unread"};
  std::string states;
  EXPECT_EQ(0, run(record, [&](HWND page) {
              items = comboItems(page, IDC_EFFECTS_GROUP_LIST);
              states = buttonStates(page);
            }));
  EXPECT_EQ((std::vector<std::string>{"Favourites", "Recently Used"}), items)
      << "only the user's own lists";
  EXPECT_EQ(std::string(kIconCount, '0'), states);
  EXPECT_EQ(0, record.differs(atCall));
}

// On the sample installation registered as "Path": its five groups, the
// first effect chosen at start, and a capture in each display mode.
TEST_F(EffectsPageTest, SampleLibraryInEachDisplayMode) {
  for (DWORD mode : {0u, 1u, 2u}) {
    RegistryValue display("Eff_Display");
    display.setNumber(mode);
    EffectSettings record;
    std::vector<std::string> items;
    std::string states;
    EXPECT_EQ(0, run(record, [&](HWND page) {
                items = comboItems(page, IDC_EFFECTS_GROUP_LIST);
                states = buttonStates(page);
                capture(page, ("effects_page_samples_display_" + std::to_string(mode)).c_str());
              }));
    SCOPED_TRACE("mode " + std::to_string(mode));
    EXPECT_EQ((std::vector<std::string>{"Favourites", "Recently Used", "Pages and Doors",
                                        "Cubes and Spins", "Fly-Aways and Zooms",
                                        "Slides and Tiles", "Warps and Ripples"}),
              items);
    EXPECT_EQ("1111110000000000", states);
    EXPECT_STREQ("Page Turn Right", record.effectName);
  }
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
    size_t pictures = 0;
    bool stillAgain = false, stayedStill = true;
    EXPECT_EQ(0, run(record, [&](HWND page) {
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
                pictures = seen.size() - 1;
                if (installed) capture(page, "effects_page_icon_playing");
                RECT sheet;
                GetWindowRect(GetParent(page), &sheet);
                SetCursorPos(sheet.left + 2, sheet.top + 2);
                stillAgain = waitUntil([&] { return screenPixels(icon).colours == still; });
                for (int i = 0; i < 5; ++i, Sleep(100))
                  stayedStill = stayedStill && screenPixels(icon).colours == still;
              }));
    if (installed)
      EXPECT_GT(pictures, 2u) << "frames of the effect drawn in the icon";
    else
      EXPECT_EQ(0u, pictures) << "without a renderer the icon stays still";
    EXPECT_TRUE(stillAgain && stayedStill) << "the pointer left: no more frames";
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

// Two groups: "Slides" (S01 to S16, titled "Slide 01" to "Slide 16") and
// "Mixed": four cube effects C1 to C4 and P1, titled "Push Slide".
class FindingTest : public EffectsPageTest {
 protected:
  FindingTest() : installation_("effects_page_finding") {
    std::vector<Group> groups = {{"Slides", {}}, {"Mixed", {"C1", "C2", "C3", "C4", "P1"}}};
    const char* titles[] = {"Cube Turn Left", "Cube Turn Right", "Cube Roll Up", "Cube Tumble Down",
                            "Push Slide"};
    for (int i = 0; i < 5; ++i)
      installation_.addEffect({groups[1].second[i], titles[i], true, 0x808080});
    for (int i = 1; i <= kIconCount; ++i) {
      const std::string number = (i < 10 ? "0" : "") + std::to_string(i);
      groups[0].second.push_back("S" + number);
      installation_.addEffect({"S" + number, "Slide " + number, true, kSixteenColour});
    }
    installation_.writeMaster(groups);
    installation_.writeCurrent(groups);
    writeRegistryDword("Effect_Count", kIconCount + 5);
  }

  Installation installation_;
};

TEST_F(FindingTest, SearchShowsMatchesOfEveryGroupAndEscapeReturns) {
  EffectSettings record;
  std::strcpy(record.effectName, "S03");
  record.description.lists[kPaths].append(makeComponent<PathComponent>(1, 0.0f, 1.0f, 0, 0));
  std::string title, afterEscape, manyFrame, manyStates, afterEmptying;
  bool cubes = false, escaped = false, many = false, emptied = false;
  EXPECT_EQ(
      0, run(record, [&](HWND page) {
        typeText(page, "cUBE");
        cubes = waitUntil([&] {
          return controlText(page, kIconFrame) == "Search results" &&
                 buttonStates(page) == "1111000000000000";
        });
        capture(page, "effects_page_search_results");
        clickIcon(page, 2);
        title = controlText(page, kPaneTitle);
        pressKey(GetDlgItem(page, kSearchBox), VK_ESCAPE);
        escaped = waitUntil([&] { return controlText(page, kSearchBox).empty(); });
        afterEscape = groupShown(page) + "/" + controlText(page, kIconFrame);
        typeText(page, "slide");
        many = waitUntil([&] { return controlText(page, kIconFrame).find("17") != std::string::npos; });
        manyFrame = controlText(page, kIconFrame);
        manyStates = buttonStates(page);
        capture(page, "effects_page_search_many");
        SendMessageA(GetDlgItem(page, kSearchBox), EM_SETSEL, 0, -1);
        PostMessageA(GetDlgItem(page, kSearchBox), WM_CHAR, VK_BACK, 1);
        emptied = waitUntil([&] { return controlText(page, kIconFrame) == "FX Icons"; });
        afterEmptying = groupShown(page);
      }));
  EXPECT_TRUE(cubes) << "the four cube effects of \"Mixed\" while \"Slides\" was shown";
  EXPECT_EQ("Cube Roll Up", title);
  EXPECT_STREQ("C3", record.effectName);
  EXPECT_EQ(0u, record.description.lists[kPaths].count) << "a click as in the effect's own group";
  EXPECT_TRUE(escaped) << "Escape empties the box";
  EXPECT_EQ("Slides/FX Icons", afterEscape) << "the group shown before the search";
  EXPECT_TRUE(many) << manyFrame;
  EXPECT_EQ("Search results (first 16 of 17)", manyFrame);
  EXPECT_EQ(std::string(kIconCount, '1'), manyStates);
  EXPECT_TRUE(emptied);
  EXPECT_EQ("Slides", afterEmptying);
}

TEST_F(FindingTest, FavouritesAreAddedKeptForTheNextCallAndRemoved) {
  EffectSettings record;
  std::strcpy(record.effectName, "S01");
  std::string added, removed, statesAdded, statesNextCall, statesRemoved, title;
  EXPECT_EQ(0, run(record, [&](HWND page) {
              chooseGroup(page, "Mixed");
              added = pickFromIconMenu(page, 1, true);
              chooseGroup(page, "Favourites");
              statesAdded = buttonStates(page);
              capture(page, "effects_page_favourites");
              clickIcon(page, 0);
              title = controlText(page, kPaneTitle);
            }));
  EXPECT_EQ("Add to Favourites", added);
  EXPECT_EQ("1000000000000000", statesAdded);
  EXPECT_EQ("Cube Turn Right", title);
  EXPECT_EQ(0, run(record, [&](HWND page) {
              chooseGroup(page, "Favourites");
              statesNextCall = buttonStates(page);
              removed = pickFromIconMenu(page, 0, false);
              waitUntil([&] { return buttonStates(page) == std::string(kIconCount, '0'); });
              statesRemoved = buttonStates(page);
            }));
  EXPECT_EQ("1000000000000000", statesNextCall);
  EXPECT_EQ("Remove from Favourites", removed);
  EXPECT_EQ(std::string(kIconCount, '0'), statesRemoved);
  EXPECT_EQ(0, userFolder_.stored().favourites().itemCount);
}

// Each effect confirmed with OK goes first; Cancel changes nothing; an
// uninstalled effect is left out without a word.
TEST_F(FindingTest, RecentlyUsedAfterOkNewestFirstAtMostSixteen) {
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
    std::string favourites;
    run(
        record,
        [&](HWND page) {
          chooseGroup(page, "Favourites");
          favourites = buttonStates(page);
          chooseGroup(page, "Mixed");
          clickIcon(page, step.click[0] == 'P' ? 4 : step.click[1] - '1');
        },
        step.button);
    EXPECT_EQ("1000000000000000", favourites) << "the uninstalled favourite is gone";
    const PersonalLists stored = userFolder_.stored();
    ASSERT_EQ(kIconCount, stored.recent().itemCount);
    EXPECT_STREQ(step.expectedFirst, stored.recent().items[0]);
  }
  const PersonalLists stored = userFolder_.stored();
  EXPECT_STREQ("C1", stored.recent().items[1]);
  EXPECT_STREQ("S01", stored.recent().items[2]);
  EXPECT_STREQ("S14", stored.recent().items[15]) << "the oldest two dropped";
  EffectSettings record;
  std::string states;
  EXPECT_EQ(0, run(record, [&](HWND page) {
              chooseGroup(page, "Recently Used");
              states = buttonStates(page);
              capture(page, "effects_page_recently_used");
            }));
  EXPECT_EQ(std::string(kIconCount, '1'), states);
}

// Tab reaches the icons, the arrows, Home and End move among the shown ones
// (drawn with a focus rectangle), Enter and Space select, Ctrl+F goes to
// the search box.
TEST_F(FindingTest, KeyboardMovesAmongIconsAndSelects) {
  const struct {
    UINT key;
    int focusedSlot;
    const char* selected;
  } steps[] = {{VK_RIGHT, 1, "S01"},  {VK_DOWN, 5, "S01"}, {VK_END, 15, "S01"},
               {VK_RIGHT, 15, "S01"}, {VK_UP, 11, "S01"},  {VK_RETURN, 11, "S12"},
               {VK_HOME, 0, "S12"},   {VK_LEFT, 0, "S12"}, {VK_SPACE, 0, "S01"}};
  EffectSettings record;
  std::strcpy(record.effectName, "S01");
  bool tabbed = false, found = false, foundByMnemonic = false;
  std::vector<std::string> failures;
  int focusBlacks = 0;
  std::string tip;
  EXPECT_EQ(0, run(record, [&](HWND page) {
              HWND box = GetDlgItem(page, kSearchBox);
              PostMessageA(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
              waitUntil([&] { return focusOf(page) == box; });
              pressKey(box, VK_TAB);
              tabbed = waitUntil([&] { return focusOf(page) == GetDlgItem(page, kFirstIcon); });
              for (const auto& step : steps) {
                pressKey(focusOf(page), step.key);
                HWND expected = GetDlgItem(page, kFirstIcon + step.focusedSlot);
                if (!waitUntil([&] {
                      return focusOf(page) == expected &&
                             std::string(record.effectName) == step.selected;
                    }))
                  failures.push_back(std::to_string(step.key) + " -> " + record.effectName);
              }
              const Pixels focused = screenPixels(GetDlgItem(page, kFirstIcon + 1));
              for (int x = 0; x < focused.width; ++x)
                focusBlacks += focused.at(x, 0) == RGB(0, 0, 0);
              pressKey(focusOf(page), VK_RIGHT);
              waitUntil([&] { return focusOf(page) == GetDlgItem(page, kFirstIcon + 1); });
              const Pixels nowFocused = screenPixels(GetDlgItem(page, kFirstIcon + 1));
              focusBlacks = -focusBlacks;
              for (int x = 0; x < nowFocused.width; ++x)
                focusBlacks += nowFocused.at(x, 0) == RGB(0, 0, 0);
              typeKeys(GetParent(page), {VK_CONTROL, 'F'});
              found = waitUntil([&] { return focusOf(page) == box; });
              PostMessageA(page, WM_NEXTDLGCTL,
                           reinterpret_cast<WPARAM>(GetDlgItem(page, kFirstIcon)), TRUE);
              waitUntil([&] { return focusOf(page) == GetDlgItem(page, kFirstIcon); });
              typeKeys(GetParent(page), {VK_MENU, 'F'});
              foundByMnemonic = waitUntil([&] { return focusOf(page) == box; });
              chooseGroup(page, "Mixed");
              NMTTDISPINFOA question = {};
              question.hdr.idFrom = reinterpret_cast<UINT_PTR>(GetDlgItem(page, kFirstIcon + 2));
              question.hdr.code = TTN_GETDISPINFOA;
              SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&question));
              tip = question.lpszText ? question.lpszText : "";
            }));
  EXPECT_TRUE(tabbed) << "Tab from the search box reaches the first icon";
  EXPECT_TRUE(failures.empty()) << failures.front();
  EXPECT_GT(focusBlacks, 5) << "the focused icon has the dotted focus rectangle";
  EXPECT_TRUE(found) << "Ctrl+F";
  EXPECT_TRUE(foundByMnemonic) << "Alt+F";
  EXPECT_EQ("Cube Roll Up", tip) << "the tooltip's title";
}

}  // namespace
}  // namespace vta::test
