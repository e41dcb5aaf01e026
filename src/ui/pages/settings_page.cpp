#include "ui/pages/settings_page.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "model/files/defaults_file.h"
#include "preview/renderer_binding.h"
#include "settings_page_ids.h"
#include "ui/pages/about_box.h"

namespace vta {
namespace {

constexpr int kSpeedStep = 5, kFramesStep = 10;
// The one renderer that renders with several threads.
constexpr char kMultithreadedEngine[] = "Rnd_OpenGL";

bool isMultithreadedEngine(const char* name) {
  return std::strcmp(name, kMultithreadedEngine) == 0;
}

void readComboText(DialogPage& page, int id, char (&field)[kEngineNameSize]) {
  // A name that does not fit, or no selection, leaves the field as it was.
  page.getComboText(id, field, sizeof field);
}

// Shows the stored name; with none stored, nothing is selected.
void showComboText(DialogPage& page, int id, const char* name) {
  if (name[0])
    page.selectComboText(id, name);
  else
    page.selectComboIndex(id, -1);
}

}  // namespace

void SettingsPage::onInit() {
  setTrackbarRange(IDC_SETTINGS_PREVIEW_SPEED, kMinPreviewSpeed, kMaxPreviewSpeed, kSpeedStep);
  setTrackbarRange(IDC_SETTINGS_PREVIEW_FRAMES, kMinPreviewFrames, kMaxPreviewFrames, kFramesStep);
  fillEngineLists();
  showPreferences();
}

void SettingsPage::fillEngineLists() {
  clearCombo(IDC_SETTINGS_PREVIEW_ENGINE);
  clearCombo(IDC_SETTINGS_RENDER_ENGINE);
  for (const std::string& name : listRenderers(false))
    addComboItem(IDC_SETTINGS_RENDER_ENGINE, name.c_str());
  for (const std::string& name : listRenderers(true))
    addComboItem(IDC_SETTINGS_PREVIEW_ENGINE, name.c_str());
}

void SettingsPage::showPreferences() {
  const Preferences& p = preferences();
  checkRadio(IDC_SETTINGS_SHOW_ICON, IDC_SETTINGS_SHOW_BOTH, static_cast<int>(p.effectDisplay));
  setCheck(IDC_SETTINGS_AUTO_REVERSE, p.autoReverse != 0);
  checkRadio(IDC_SETTINGS_PREVIEW_LOW, IDC_SETTINGS_PREVIEW_HIGH,
             static_cast<int>(p.previewQuality));
  showComboText(*this, IDC_SETTINGS_PREVIEW_ENGINE, p.previewEngine);
  setTrackbarValue(IDC_SETTINGS_PREVIEW_FRAMES, static_cast<int>(p.previewFrames));
  setCheck(IDC_SETTINGS_AUTO_PREVIEW, p.previewRender != 0);
  setTrackbarValue(IDC_SETTINGS_PREVIEW_SPEED, static_cast<int>(p.previewSpeed));
  showComboText(*this, IDC_SETTINGS_RENDER_ENGINE, p.engine);
  checkRadio(IDC_SETTINGS_LOGGING_OFF, IDC_SETTINGS_LOGGING_DETAILED, static_cast<int>(p.logging));
  setCheck(IDC_SETTINGS_MULTITHREADED, p.multithreaded != 0);
  setControlEnabled(IDC_SETTINGS_MULTITHREADED, isMultithreadedEngine(p.engine));
}

void SettingsPage::readControls() {
  Preferences& p = preferences();
  p.effectDisplay = getCheckedRadio(IDC_SETTINGS_SHOW_ICON, IDC_SETTINGS_SHOW_BOTH);
  p.autoReverse = isChecked(IDC_SETTINGS_AUTO_REVERSE);
  p.previewQuality = getCheckedRadio(IDC_SETTINGS_PREVIEW_LOW, IDC_SETTINGS_PREVIEW_HIGH);
  readComboText(*this, IDC_SETTINGS_PREVIEW_ENGINE, p.previewEngine);
  p.previewFrames = getTrackbarValue(IDC_SETTINGS_PREVIEW_FRAMES);
  p.previewRender = isChecked(IDC_SETTINGS_AUTO_PREVIEW);
  p.previewSpeed = getTrackbarValue(IDC_SETTINGS_PREVIEW_SPEED);
  readComboText(*this, IDC_SETTINGS_RENDER_ENGINE, p.engine);
  p.logging = getCheckedRadio(IDC_SETTINGS_LOGGING_OFF, IDC_SETTINGS_LOGGING_DETAILED);
  p.multithreaded = isChecked(IDC_SETTINGS_MULTITHREADED);
}

// Only the multithreaded renderer may keep "Multithreaded Rendering" on.
void SettingsPage::enforceMultithreadedRule() {
  const bool allowed = isMultithreadedEngine(preferences().engine);
  if (!allowed && preferences().multithreaded) {
    preferences().multithreaded = 0;
    setCheck(IDC_SETTINGS_MULTITHREADED, 0);
  }
  setControlEnabled(IDC_SETTINGS_MULTITHREADED, allowed);
}

void SettingsPage::apply() {
  const Preferences before = preferences();
  readControls();
  enforceMultithreadedRule();
  // The new preview engine reads the registry, so it is written first.
  preferences().save();
  const Preferences& now = preferences();
  if (now.previewQuality != before.previewQuality || now.previewFrames != before.previewFrames ||
      std::strcmp(now.previewEngine, before.previewEngine) != 0) {
    session().replacePreview();
    pane().refreshRenderButton();
    pane().refreshProgressBar();
    if (now.previewRender) session().requestPreview();
  }
  if (now.previewSpeed != before.previewSpeed) {
    pane().stopPlayback();
    pane().startPlayback();
  }
}

void SettingsPage::saveDefaultOptions() {
  const char* errorText = nullptr;
  if (!saveDefaults(session().record(), &errorText) && errorText) {
    MessageBoxA(window(), errorText, "Could not save defaults", MB_OK | MB_ICONSTOP);
  }
}

void SettingsPage::onCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  if (id == IDC_SETTINGS_SAVE_DEFAULTS)
    saveDefaultOptions();
  else if (id == IDC_SETTINGS_ABOUT)
    showAboutBox(window(), nullptr, nullptr);
  else
    apply();
}

// Dragging the thumb only moves the value label; the value is taken when
// the thumb is let go, as after any other movement.
void SettingsPage::onScroll(HWND trackbar, int code) {
  const int id = GetDlgCtrlID(trackbar);
  if (id != IDC_SETTINGS_PREVIEW_FRAMES && id != IDC_SETTINGS_PREVIEW_SPEED) return;
  updateTrackbarLabel(trackbar);
  if (code != TB_THUMBTRACK) apply();
}

// A choice in a list is applied when the user leaves the page or presses
// the sheet's OK; the speed the pane's slider set while another page was
// shown is shown again.
void SettingsPage::onNotify(const NMHDR& header) {
  if (header.code == PSN_KILLACTIVE || header.code == PSN_APPLY) apply();
  if (header.code == PSN_SETACTIVE)
    setTrackbarValue(IDC_SETTINGS_PREVIEW_SPEED, static_cast<int>(preferences().previewSpeed));
}

}  // namespace vta
