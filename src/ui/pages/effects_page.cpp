#include "ui/pages/effects_page.h"

#include <cstdio>
#include <cstring>

#include "model/effect_settings.h"
#include "model/files/effect_file.h"
#include "ui/pages/effect_icon_drawing.h"
#include "platform/byte_order.h"
#include "effects_page_ids.h"

namespace vta {
namespace {

constexpr char kCurrentOrganization[] = "current";
constexpr uint32_t kDisplayIcon = 0, kDisplayName = 1;

template <size_t N>
void copyName(char (&to)[N], const char* from) {
  std::snprintf(to, N, "%s", from ? from : "");
}

}  // namespace

EffectsPage::EffectsPage(SheetContext& context)
    : SheetPage(context, 102, "   FX"),
      nameFont_(CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial")) {}

EffectsPage::~EffectsPage() {
  if (nameFont_) DeleteObject(nameFont_);
}

void EffectsPage::loadOrganization(const char* name) {
  copyName(organizationName_, name);
  groups_.loadByName(organizationName_);
  shownGroupEntry_ = groups_.group(shownGroup_);
  if (!window()) return;
  clearCombo(IDC_EFFECTS_GROUP_LIST);
  for (int i = 0; i < groups_.groupCount(); ++i) {
    addComboItem(IDC_EFFECTS_GROUP_LIST, groups_.group(i)->groupName);
  }
}

void EffectsPage::showGroup(int i) {
  shownGroup_ = i;
  shownGroupEntry_ = groups_.group(i);
  EffectDescription iconOnly;
  for (int j = 0; j < shownCount(); ++j) {
    loadDescription(iconOnly, shownGroupEntry_->items[j], fourCC("IMG0"));
    icons_[j].clear();
    icons_[j].copyFrom(iconOnly.image);
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
  selectComboIndex(IDC_EFFECTS_GROUP_LIST, i);
}

void EffectsPage::selectEffect(int j) {
  if (j < 0 || j >= shownCount()) return;
  repaintIcon(selectedIndex_, false);
  selectedGroup_ = shownGroup_;
  selectedIndex_ = j;
  copyName(selectedName_, shownGroupEntry_->items[j]);
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
  repaintIcon(selectedIndex_, false);
}

void EffectsPage::repaintIcon(int slot, bool eraseFirst) {
  if (!window()) return;
  HWND button = GetDlgItem(window(), IDC_EFFECTS_FIRST_ICON + slot);
  if (button) InvalidateRect(button, nullptr, eraseFirst);
}

void EffectsPage::drawIcon(const DRAWITEMSTRUCT& item, int id) const {
  const int i = id - IDC_EFFECTS_FIRST_ICON;
  if (i < 0 || i >= shownCount()) return;
  if (item.itemAction == ODA_DRAWENTIRE) {
    const uint32_t display = session().preferences().effectDisplay;
    if (display != kDisplayName) drawIconPicture(item.hDC, item.rcItem, icons_[i]);
    if (display != kDisplayIcon) {
      drawIconName(item.hDC, item.rcItem, nameFont_, shownGroupEntry_->items[i],
                   display != kDisplayName);
    }
  }
  // Nothing is drawn sunken before an effect has been selected.
  const bool sunken = selectedName_[0] && i == selectedIndex_ && shownGroup_ == selectedGroup_;
  drawIconFrame(item.hDC, item.rcItem, sunken, item.itemState == ODS_FOCUS);
}

// Page start: the groups of "current", then the record's effect; a record
// without one first takes the stored default options and the first effect.
// A name that no group holds leaves the selection and the record alone.
void EffectsPage::onInit() {
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
    if (chosen >= 0 && chosen != shownGroup_) showGroup(chosen);
  }
}

void EffectsPage::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM)
    drawIcon(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), static_cast<int>(wParam));
}

}  // namespace vta
