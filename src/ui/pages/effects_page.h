// The "   FX" page (dialog 102): the groups of the effect organization
// "current" in a drop-down list, headed by the user's "Favourites" and
// "Recently Used"; a search box; the effects of the shown group as up to
// sixteen owner-drawn icon buttons, which play their effect while the
// pointer rests on them, and the "Selected FX" pane. Clicking an icon makes
// that effect the record's effect and loads its description.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "model/effect_description.h"
#include "model/files/effect_search.h"
#include "model/files/group_list.h"
#include "model/files/personal_lists.h"
#include "model/texture_image.h"
#include "ui/pages/effect_icon_player.h"
#include "ui/sheet/sheet_page.h"

namespace vta {

constexpr int kEffectsPageNameSize = 44;

class EffectsPage final : public SheetPage {
 public:
  explicit EffectsPage(SheetContext& context);
  ~EffectsPage();

  // The index of the organization's group whose icons the page shows; 0
  // until another is shown; negative while a list of the user's own or the
  // search results are shown.
  int shownGroup() const { return shownGroup_; }

  // Reads the named organization's group list and, with a window, lists the
  // user's two lists and its groups in the combo box.
  void loadOrganization(const char* name);
  // Shows group i of the organization.
  void showGroup(int i);
  // Makes effect j of the shown group the record's effect; a j beyond the
  // group does nothing.
  void selectEffect(int j);
  // Selects the first effect of that name in any group and shows its group.
  // False, changing nothing, when no group holds it.
  bool selectEffectByName(const char* name);
  // Owner drawing of icon button id.
  void drawIcon(const DRAWITEMSTRUCT& item, int id) const;

 private:
  // What the icons show besides a group of the organization.
  enum Shown { kFavourites = -1, kRecent = -2, kSearchResults = -3 };

  void onInit() override;
  void onCommand(int id, int code) override;
  void onNotify(const NMHDR& header) override;
  void onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool ownsContextMenu(HWND target) const override;
  int shownCount() const { return shownGroupEntry_ ? shownGroupEntry_->itemCount : 0; }
  // Reads the icon of each effect of entry and shows and enables exactly its
  // buttons; shown is its group index or one of Shown.
  void showEntry(int shown, const EffectGroup* entry);
  // The combo box's entry i: the user's two lists, then the groups.
  void showComboEntry(int i);
  // The combo box's entry of what is shown; -1 for the search results.
  int comboIndexOfShown() const;
  // Makes the selected name the session's effect and shows it.
  void adoptSelection();
  // Repaints button 1001 + slot, erasing it first when eraseFirst is set.
  void repaintIcon(int slot, bool eraseFirst);
  void repaintIcons();
  bool drawnSunken(int slot) const;

  // Search box and the user's lists (effects_page_finding.cpp).
  void prepareFinding();
  void onSearchChanged();
  void endSearch();
  void offerFavouriteMenu(HWND button, LPARAM where);
  void toggleFavourite(const char* name);
  void saveUserLists();
  // Answers the tooltip window's question for an icon's text.
  void giveTipText(NMTTDISPINFOA& question);
  // The pointer rested on the icon in slot (or left it, when not rested).
  void onIconHover(int slot, bool rested);

  char organizationName_[kEffectsPageNameSize] = "";
  EffectGroupList groups_;
  int shownGroup_ = 0;
  const EffectGroup* shownGroupEntry_ = nullptr;
  TextureImage icons_[kMaxGroupItems];
  std::string tips_[kMaxGroupItems];
  int selectedGroup_ = 0;
  int selectedIndex_ = 0;
  char selectedName_[kEffectsPageNameSize] = "";
  HFONT nameFont_ = nullptr;
  EffectIconPlayer player_;

  PersonalLists userLists_;
  EffectSearch search_;
  EffectGroup searchResults_ = {};
  bool searching_ = false;
  int shownBeforeSearch_ = 0;
};

}  // namespace vta
