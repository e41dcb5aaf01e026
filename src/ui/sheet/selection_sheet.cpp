#include "ui/sheet/selection_sheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <cmath>
#include <memory>

#include "ui/library_state.h"
#include "ui/pages/effects_page.h"
#include "ui/pages/filter_page.h"
#include "ui/pages/objects_page.h"
#include "ui/pages/options_page.h"
#include "ui/pages/settings_page.h"
#include "ui/pane/preview_pane.h"
#include "preview/preview_renderer.h"

namespace vta {
namespace {

SheetState g_sheet;
struct PageObjects;
PageObjects* g_pages = nullptr;  // of the run in progress

// The page objects and the preview engine of one run, made and destroyed in
// the sheet's order.
struct PageObjects {
  std::unique_ptr<SettingsPage> settings;
  std::unique_ptr<PreviewRenderer> preview;
  std::unique_ptr<ObjectsPage> objects;
  std::unique_ptr<OptionsPage> options;
  std::unique_ptr<EffectsPage> effects;
  std::unique_ptr<FilterPage> filter;

  explicit PageObjects(bool filterMode)
      : settings(new SettingsPage),
        preview(new PreviewRenderer(filterMode, &panePreviewListener())),
        objects(new ObjectsPage),
        options(new OptionsPage),
        effects(new EffectsPage),
        filter(filterMode ? new FilterPage : nullptr) {}

  // The preview engine made anew from the stored preferences; the old one's
  // worker ends after the frame it is drawing.
  void replacePreview(bool filterMode) {
    preview.reset();
    preview.reset(new PreviewRenderer(filterMode, &panePreviewListener()));
  }

  ~PageObjects() {
    preview.reset();
    settings.reset();
    objects.reset();
    filter.reset();
    options.reset();
    effects.reset();
  }
};

template <class Page>
PROPSHEETPAGEA describe(const Page& page) {
  PROPSHEETPAGEA description = {};
  description.dwSize = sizeof description;
  description.dwFlags = PSP_USETITLE | PSP_HASHELP;
  description.hInstance = moduleInstance();
  description.pszTemplate = MAKEINTRESOURCEA(Page::kTemplate);
  description.pszTitle = Page::kTitle;
  description.pfnDlgProc = page.dialogProc();
  return description;
}

int showSheet(HWND owner, const PageObjects& pages) {
  PROPSHEETPAGEA descriptions[5];
  UINT count = 0;
  descriptions[count++] = describe(*pages.effects);
  descriptions[count++] = describe(*pages.options);
  if (pages.filter) descriptions[count++] = describe(*pages.filter);
  descriptions[count++] = describe(*pages.objects);
  descriptions[count++] = describe(*pages.settings);

  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.hwndParent = owner;
  header.hInstance = moduleInstance();
  header.pszCaption = "Vantaro - Selection Dialog";
  header.nPages = count;
  header.nStartPage = 0;
  header.ppsp = descriptions;
  g_sheet.cancelled = 0;
  return PropertySheetA(&header) == -1 ? 2 : 0;
}

}  // namespace

SheetState& sheet() { return g_sheet; }

void replacePreviewEngine() {
  if (!g_pages) return;
  g_sheet.preview = nullptr;
  g_pages->replacePreview(g_sheet.filterMode());
  g_sheet.preview = g_pages->preview.get();
}

void correctFilterStart(EffectSettings& record) {
  const float frames = record.globalParams[VTA_FILTER_FRAMES];
  if (frames == 0.0f || std::isnan(frames)) {
    record.globalParams[VTA_FILTER_FRAMES] = 100.0f;
    record.globalParams[VTA_FILTER_ON] = 1.0f;
  }
}

int runSelectionSheet(HWND owner, EffectSettings* record, const void* secondRecord) {
  EffectSettings entryBackup;
  auto lastPreviewed = std::make_unique<EffectSettings>();
  entryBackup.copyFrom(*record);
  g_sheet = SheetState{};
  g_sheet.record = record;
  g_sheet.secondRecord = secondRecord;
  g_sheet.lastPreviewed = lastPreviewed.get();

  int result;
  {
    PageObjects pages(g_sheet.filterMode());
    g_pages = &pages;
    g_sheet.preview = pages.preview.get();
    if (g_sheet.filterMode()) correctFilterStart(*record);
    result = showSheet(owner, pages);
    if (result == 2) {
      // No page ran: only the filter start may have changed.
      record->globalParams[VTA_FILTER_ON] = entryBackup.globalParams[VTA_FILTER_ON];
      record->globalParams[VTA_FILTER_FRAMES] = entryBackup.globalParams[VTA_FILTER_FRAMES];
    }
    if (result == 0 && g_sheet.cancelled) {
      result = 1;
      record->copyFrom(entryBackup);
    }
    lastPreviewed.reset();
    g_pages = nullptr;
    g_sheet.preview = nullptr;
    setActivePage(nullptr);
  }
  g_sheet = SheetState{};
  return result;
}

}  // namespace vta
