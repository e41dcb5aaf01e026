#include "ui/pages/effects_page.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "model/effect_settings.h"
#include "model/files/effect_file.h"
#include "ui/pages/effect_icon_drawing.h"
#include "ui/pages/effect_icon_tips.h"
#include "platform/byte_order.h"
#include "effects_page_ids.h"

namespace vta {
namespace {

constexpr char kCurrentOrganization[] = "current";
constexpr uint32_t kDisplayIcon = 0, kDisplayName = 1;
// "Favourites" and "Recently Used" head the combo box, before the groups.
constexpr int kUserListCount = 2;

template <size_t N>
void copyName(char (&to)[N], const char* from) {
  std::snprintf(to, N, "%s", from ? from : "");
}

}  // namespace

EffectsPage::EffectsPage(SheetContext& context)
    : SheetPage(context, 102, "   FX"),
      nameFont_(CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial")),
      player_(session()) {}

EffectsPage::~EffectsPage() {
  if (nameFont_) DeleteObject(nameFont_);
}

void EffectsPage::loadOrganization(const char* name) {
  copyName(organizationName_, name);
  groups_.loadByName(organizationName_);
  shownGroupEntry_ = groups_.group(shownGroup_);
  if (!window()) return;
  clearCombo(IDC_EFFECTS_GROUP_LIST);
  addComboItem(IDC_EFFECTS_GROUP_LIST, userLists_.favourites().groupName);
  addComboItem(IDC_EFFECTS_GROUP_LIST, userLists_.recent().groupName);
  for (int i = 0; i < groups_.groupCount(); ++i) {
    addComboItem(IDC_EFFECTS_GROUP_LIST, groups_.group(i)->groupName);
  }
}

void EffectsPage::showGroup(int i) {
  showEntry(i, groups_.group(i));
  if (window()) selectComboIndex(IDC_EFFECTS_GROUP_LIST, i + kUserListCount);
}

void EffectsPage::showComboEntry(int i) {
  if (i == 0) {
    showEntry(kFavourites, &userLists_.favourites());
  } else if (i == 1) {
    showEntry(kRecent, &userLists_.recent());
  } else {
    showGroup(i - kUserListCount);
  }
}

int EffectsPage::comboIndexOfShown() const {
  if (shownGroup_ >= 0) return shownGroup_ + kUserListCount;
  return shownGroup_ == kFavourites ? 0 : shownGroup_ == kRecent ? 1 : -1;
}

void EffectsPage::showEntry(int shown, const EffectGroup* entry) {
  player_.stop();
  shownGroup_ = shown;
  shownGroupEntry_ = entry;
  EffectDescription iconOnly;
  for (int j = 0; j < shownCount(); ++j) {
    loadDescription(iconOnly, shownGroupEntry_->items[j], fourCC("IMG0"));
    icons_[j].clear();
    icons_[j].copyFrom(iconOnly.image);
    tips_[j] = effectTipText(iconOnly.title, iconOnly.text);
    repaintIcon(j, true);
  }
  if (!window()) return;
  for (int j = 0; j < kMaxGroupItems; ++j) {
    const bool used = j < shownCount();
    setControlEnabled(IDC_EFFECTS_FIRST_ICON + j, used);
    if (used)
      showControl(IDC_EFFECTS_FIRST_ICON + j);
    else
      hideControl(IDC_EFFECTS_FIRST_ICON + j);
  }
}

void EffectsPage::selectEffect(int j) {
  if (j < 0 || j >= shownCount()) return;
  repaintIcons();
  copyName(selectedName_, shownGroupEntry_->items[j]);
  // An effect chosen from the user's lists or the search results counts as
  // chosen in its own group.
  selectedGroup_ = shownGroup_ >= 0 ? shownGroup_ : groups_.findGroupOf(selectedName_);
  selectedIndex_ = shownGroup_ >= 0 ? j : groups_.findItemIndex(selectedName_);
  if (std::strcmp(session().record().effectName, selectedName_) != 0) adoptSelection();
}

bool EffectsPage::selectEffectByName(const char* name) {
  if (std::strcmp(name, selectedName_) == 0) return true;
  const int group = groups_.findGroupOf(name);
  if (group < 0) return false;
  copyName(selectedName_, name);
  selectedGroup_ = group;
  selectedIndex_ = groups_.findItemIndex(name);
  showGroup(selectedGroup_);
  adoptSelection();
  return true;
}

void EffectsPage::adoptSelection() {
  session().selectEffect(selectedName_);
  if (!window()) return;
  pane().refreshEffectTexts();
  repaintIcons();
}

void EffectsPage::repaintIcon(int slot, bool eraseFirst) {
  if (!window()) return;
  HWND button = GetDlgItem(window(), IDC_EFFECTS_FIRST_ICON + slot);
  if (button) InvalidateRect(button, nullptr, eraseFirst);
}

void EffectsPage::repaintIcons() {
  for (int j = 0; j < shownCount(); ++j) repaintIcon(j, false);
}

// Nothing is drawn sunken before an effect has been selected. In a group of
// the organization only the selected slot is; elsewhere the effect's name.
bool EffectsPage::drawnSunken(int slot) const {
  if (!selectedName_[0]) return false;
  if (shownGroup_ >= 0) return slot == selectedIndex_ && shownGroup_ == selectedGroup_;
  return std::strcmp(shownGroupEntry_->items[slot], selectedName_) == 0;
}

void EffectsPage::drawIcon(const DRAWITEMSTRUCT& item, int id) const {
  const int i = id - IDC_EFFECTS_FIRST_ICON;
  if (i < 0 || i >= shownCount()) return;
  if (item.itemAction == ODA_DRAWENTIRE) {
    const uint32_t display = session().preferences().effectDisplay;
    if (player_.drawnSlot() == i)
      player_.drawFrame(item.hDC, item.rcItem);
    else if (display != kDisplayName)
      drawIconPicture(item.hDC, item.rcItem, icons_[i]);
    if (display != kDisplayIcon) {
      drawIconName(item.hDC, item.rcItem, nameFont_, shownGroupEntry_->items[i],
                   display != kDisplayName);
    }
  }
  drawIconFrame(item.hDC, item.rcItem, drawnSunken(i), item.itemState == ODS_FOCUS);
}

// Page start: the groups of "current", then the record's effect; a record
// without one first takes the stored default options and the first effect.
// A name that no group holds leaves the selection and the record alone.
void EffectsPage::onInit() {
  prepareFinding();
  loadOrganization(kCurrentOrganization);
  EffectSettings& record = session().record();
  if (record.effectName[0] == '\0') {
    session().takeDefaults();
    showGroup(0);
    selectEffect(0);
  } else if (!selectEffectByName(record.effectName)) {
    showGroup(0);
  }
  session().recordChanged();
}

void EffectsPage::onCommand(int id, int code) {
  if (code == BN_CLICKED && id >= IDC_EFFECTS_FIRST_ICON && id <= IDC_EFFECTS_LAST_ICON) {
    session().record().description.lists[kPaths].clear();
    selectEffect(id - IDC_EFFECTS_FIRST_ICON);
  } else if (code == CBN_SELCHANGE && id == IDC_EFFECTS_GROUP_LIST) {
    const int chosen = getComboIndex(IDC_EFFECTS_GROUP_LIST);
    endSearch();
    if (chosen >= 0 && chosen != comboIndexOfShown()) showComboEntry(chosen);
  } else if (code == EN_CHANGE && id == IDC_EFFECTS_SEARCH) {
    onSearchChanged();
  }
}

// OK: the record's effect goes first in "Recently Used".
void EffectsPage::onNotify(const NMHDR& header) {
  if (header.code == TTN_GETDISPINFOA) {
    giveTipText(*reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(&header)));
  } else if (header.code == PSN_APPLY && session().record().effectName[0]) {
    userLists_.noteUsed(session().record().effectName);
    saveUserLists();
  }
}

void EffectsPage::giveTipText(NMTTDISPINFOA& question) {
  const int slot =
      GetDlgCtrlID(reinterpret_cast<HWND>(question.hdr.idFrom)) - IDC_EFFECTS_FIRST_ICON;
  question.lpszText = const_cast<char*>("");
  if (slot >= 0 && slot < shownCount()) question.lpszText = const_cast<char*>(tips_[slot].c_str());
}

void EffectsPage::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM)
    drawIcon(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), static_cast<int>(wParam));
  else if (message == WM_CONTEXTMENU)
    offerFavouriteMenu(reinterpret_cast<HWND>(wParam), lParam);
  else if (message == kIconHoverMessage)
    onIconHover(static_cast<int>(wParam), lParam != 0);
  else if (message == kIconFrameMessage || message == WM_TIMER)
    player_.handle(message, wParam);
}

void EffectsPage::onIconHover(int slot, bool rested) {
  if (!rested) {
    if (slot == player_.playingSlot()) player_.stop();
    return;
  }
  HWND icon = GetDlgItem(window(), IDC_EFFECTS_FIRST_ICON + slot);
  if (slot < 0 || slot >= shownCount() || !icon || session().preferences().effectDisplay == kDisplayName)
    return;
  RECT area;
  GetClientRect(icon, &area);
  player_.play(slot, shownGroupEntry_->items[slot], area);
}

}  // namespace vta
