// The Effects page's ways to find an effect: the search box, and the user's
// "Favourites" and "Recently Used" with the icons' context menu.
#include "ui/pages/effects_page.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "effects_page_ids.h"
#include "platform/boundary.h"
#include "ui/pages/effect_icon_keys.h"
#include "ui/pages/effect_icon_tips.h"

namespace vta {
namespace {

constexpr char kIconFrameTitle[] = "FX Icons";

// Escape in a search box that holds text empties it instead of closing the
// sheet; an empty box leaves Escape to the sheet.
LRESULT CALLBACK searchBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR) {
  return guarded<LRESULT>(0, [&]() -> LRESULT {
    const bool holdsText = GetWindowTextLengthA(box) > 0;
    const MSG* pending = reinterpret_cast<const MSG*>(lParam);
    if (message == WM_GETDLGCODE && pending && pending->message == WM_KEYDOWN &&
        pending->wParam == VK_ESCAPE && holdsText) {
      return DLGC_WANTMESSAGE | DefSubclassProc(box, message, wParam, lParam);
    } else if (message == WM_KEYDOWN && wParam == VK_ESCAPE && holdsText) {
      SetWindowTextA(box, "");
      return 0;
    } else if (message == WM_CHAR && wParam == VK_ESCAPE) {
      return 0;
    }
    return DefSubclassProc(box, message, wParam, lParam);
  });
}

std::string resultsTitle(int matches) {
  if (matches == 0) return "Search results (none)";
  if (matches <= kMaxGroupItems) return "Search results";
  char title[64];
  std::snprintf(title, sizeof title, "Search results (first %d of %d)", kMaxGroupItems, matches);
  return title;
}

}  // namespace

// The user's lists as stored, without effects no longer installed.
void EffectsPage::prepareFinding() {
  userLists_.load(personalListsPath().c_str());
  userLists_.keepOnly(effectInstalled);
  HWND box = GetDlgItem(window(), IDC_EFFECTS_SEARCH);
  SetWindowSubclass(box, searchBoxProcedure, 0, 0);
  SendMessageA(box, EM_LIMITTEXT, kGroupNameSize - 1, 0);
  attachEffectsPageKeys(window());
  createIconTips(window());
  player_.attach(window());
}

void EffectsPage::onSearchChanged() {
  char query[kGroupNameSize] = "";
  getText(IDC_EFFECTS_SEARCH, query, sizeof query);
  if (!query[0]) {
    const int before = shownBeforeSearch_;
    if (searching_) endSearch(), showComboEntry(before);
    return;
  }
  if (!searching_) shownBeforeSearch_ = comboIndexOfShown();
  searching_ = true;
  // Every effect's texts are read once, when the user first searches.
  if (search_.empty()) search_.addGroups(groups_);
  const int matches = search_.find(query, searchResults_);
  setText(IDC_EFFECTS_ICON_FRAME, resultsTitle(matches).c_str());
  selectComboIndex(IDC_EFFECTS_GROUP_LIST, -1);
  showEntry(kSearchResults, &searchResults_);
}

// Leaves the search, emptying the box; what shows next is the caller's choice.
void EffectsPage::endSearch() {
  if (!searching_) return;
  searching_ = false;
  setText(IDC_EFFECTS_ICON_FRAME, kIconFrameTitle);
  setText(IDC_EFFECTS_SEARCH, "");
}

bool EffectsPage::ownsContextMenu(HWND target) const {
  const int slot = GetDlgCtrlID(target) - IDC_EFFECTS_FIRST_ICON;
  return GetParent(target) == window() && slot >= 0 && slot < shownCount();
}

// The context menu of an icon, from a right click (where is the pointer's
// screen position) or from the keyboard (where is -1: below the icon).
void EffectsPage::offerFavouriteMenu(HWND button, LPARAM where) {
  if (!ownsContextMenu(button)) return;
  const int slot = GetDlgCtrlID(button) - IDC_EFFECTS_FIRST_ICON;
  char name[kGroupNameSize];
  std::snprintf(name, sizeof name, "%s", shownGroupEntry_->items[slot]);
  POINT at = {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (where == -1) {
    RECT r;
    GetWindowRect(button, &r);
    at = {r.left, r.bottom};
  }
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  if (userLists_.isFavourite(name)) {
    AppendMenuA(menu, MF_STRING, IDM_EFFECTS_REMOVE_FAVOURITE, "Remove from Favourites");
  } else {
    const bool full = userLists_.favourites().itemCount >= kMaxGroupItems;
    AppendMenuA(menu, MF_STRING | (full ? MF_GRAYED : 0), IDM_EFFECTS_ADD_FAVOURITE,
                "Add to Favourites");
  }
  const int chosen =
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window(), nullptr);
  DestroyMenu(menu);
  if (chosen) toggleFavourite(name);
}

void EffectsPage::toggleFavourite(const char* name) {
  if (userLists_.isFavourite(name))
    userLists_.removeFavourite(name);
  else
    userLists_.addFavourite(name);
  saveUserLists();
  if (shownGroup_ == kFavourites) showEntry(kFavourites, &userLists_.favourites());
}

void EffectsPage::saveUserLists() {
  const std::string path = personalListsPath();
  if (!path.empty()) userLists_.save(path.c_str());
}

}  // namespace vta
