// The "   FX" page (dialog 102): the groups of the effect organization
// "current" in a drop-down list, the effects of the shown group as up to
// sixteen owner-drawn icon buttons, and the "Selected FX" pane. Clicking an
// icon makes that effect the record's effect and loads its description.
#pragma once

#include <windows.h>

#include "model/effect_description.h"
#include "model/files/group_list.h"
#include "model/texture_image.h"
#include "ui/sheet/sheet_page.h"

namespace vta {

constexpr int kEffectsPageNameSize = 44;

class EffectsPage final : public SheetPage {
 public:
  explicit EffectsPage(SheetContext& context);
  ~EffectsPage();

  // The index of the group whose icons the page shows; 0 until another is shown.
  int shownGroup() const { return shownGroup_; }

  // Reads the named organization's group list and, with a window, lists its
  // groups in the combo box.
  void loadOrganization(const char* name);
  // Shows group i: reads the icon of each of its effects and shows and
  // enables exactly its buttons.
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
  void onInit() override;
  void onCommand(int id, int code) override;
  void onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  int shownCount() const { return shownGroupEntry_ ? shownGroupEntry_->itemCount : 0; }
  // Makes the selected name the session's effect and shows it.
  void adoptSelection();
  // Repaints button 1001 + slot, erasing it first when eraseFirst is set.
  void repaintIcon(int slot, bool eraseFirst);

  char organizationName_[kEffectsPageNameSize] = "";
  EffectGroupList groups_;
  int shownGroup_ = 0;
  const EffectGroup* shownGroupEntry_ = nullptr;
  TextureImage icons_[kMaxGroupItems];
  int selectedGroup_ = 0;
  int selectedIndex_ = 0;
  char selectedName_[kEffectsPageNameSize] = "";
  HFONT nameFont_ = nullptr;
};

}  // namespace vta
