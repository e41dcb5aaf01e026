#include "ui/selection_sheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <memory>

#include "ui/library_state.h"
#include "ui/pages/effects_page.h"
#include "ui/pages/filter_page.h"
#include "ui/pages/objects_page.h"
#include "ui/pages/options_page.h"
#include "ui/pages/settings_page.h"

namespace vta {
namespace {

// The pages of one run, in the order the sheet shows them.
struct SheetPages {
  EffectsPage effects;
  OptionsPage options;
  std::unique_ptr<FilterPage> filter;
  ObjectsPage objects;
  SettingsPage settings;

  explicit SheetPages(SheetContext& context)
      : effects(context),
        options(context),
        filter(context.session.filterMode() ? std::make_unique<FilterPage>(context) : nullptr),
        objects(context),
        settings(context) {}
};

int showSheet(HWND owner, SheetPages& pages) {
  PROPSHEETPAGEA descriptions[5];
  UINT count = 0;
  descriptions[count++] = pages.effects.describe();
  descriptions[count++] = pages.options.describe();
  if (pages.filter) descriptions[count++] = pages.filter->describe();
  descriptions[count++] = pages.objects.describe();
  descriptions[count++] = pages.settings.describe();

  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.hwndParent = owner;
  header.hInstance = moduleInstance();
  header.pszCaption = "Vantaro - Selection Dialog";
  header.nPages = count;
  header.nStartPage = 0;
  header.ppsp = descriptions;
  return PropertySheetA(&header) == -1 ? 2 : 0;
}

}  // namespace

int runSelectionSheet(HWND owner, EffectSettings* record, const void* secondRecord) {
  PaneReports reports;
  EditSession session(*record, secondRecord != nullptr, &reports);
  SheetContext context{session, reports};
  int result;
  {
    SheetPages pages(context);
    result = showSheet(owner, pages);
  }
  // Not shown (2): nothing the user did is lost, and the filter start's
  // correction goes. Cancelled: the record goes back to how it came.
  if (result == 2) session.restoreRecord();
  if (result == 0 && session.cancelled()) {
    result = 1;
    session.restoreRecord();
  }
  return result;
}

}  // namespace vta
