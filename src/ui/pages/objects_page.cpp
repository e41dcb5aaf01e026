#include "ui/pages/objects_page.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/components/object.h"
#include "objects_page_ids.h"
#include "model/files/effect_file.h"
#include "ui/editors/envelope_editor.h"
#include "ui/editors/path_editor.h"
#include "ui/pages/envelope_buttons.h"
#include "ui/pages/object_map_file.h"
#include "ui/pages/record_controls.h"
#include "ui/sheet/preferences.h"
#include "ui/sheet/sheet_state.h"

namespace vta {
namespace {

constexpr int kSourceCount = 4;
const char* const kSources[kSourceCount] = {"Timeline/Durorurazi", "Video For Windows (AVI)",
                                            "Bitmap Sequence (BMP)", "Targa Sequence (TGA)"};
// Source i of the list (1 to 3) maps with surface kind i + 2.
constexpr int kKindOffset = 2;
constexpr uint16_t kFirstListedKind = 3, kLastListedKind = 5;

// In the order the page writes them; parameter is the element k.
constexpr SliderBinding kSliders[] = {{IDC_OBJECTS_LUMINOSITY, VTA_LUMINOSITY, 0, 100, 10},
                                      {IDC_OBJECTS_SHINE, VTA_SHINE, 0, 100, 10},
                                      {IDC_OBJECTS_TRANSPARENCY, VTA_TRANSPARENCY, 0, 100, 10},
                                      {IDC_OBJECTS_PATH_ROTATION, VTA_PATH_ROTATION, 0, 360, 45},
                                      {IDC_OBJECTS_TRAIL_COUNT, VTA_TRAIL_COUNT, 0, 20, 0},
                                      {IDC_OBJECTS_TRAIL_SPACING, VTA_TRAIL_SPACING, 0, 20, 0}};
constexpr CheckBinding kRotatesWithPath = {IDC_OBJECTS_ROTATES_WITH_PATH, VTA_ROTATES_WITH_PATH};

const EnvelopeButton kEnvelopeButtons[] = {{IDC_OBJECTS_LUMINOSITY_ENVELOPE,
                                            IDC_OBJECTS_LUMINOSITY,
                                            VTA_LUMINOSITY,
                                            "Luminosity Envelope",
                                            {0, 100, 1, 10, true}},
                                           {IDC_OBJECTS_SHINE_ENVELOPE,
                                            IDC_OBJECTS_SHINE,
                                            VTA_SHINE,
                                            "Shine Envelope",
                                            {0, 100, 1, 10, true}},
                                           {IDC_OBJECTS_TRANSPARENCY_ENVELOPE,
                                            IDC_OBJECTS_TRANSPARENCY,
                                            VTA_TRANSPARENCY,
                                            "Transparency Envelope",
                                            {0, 100, 1, 10, true}},
                                           {IDC_OBJECTS_PATH_ROTATION_ENVELOPE,
                                            IDC_OBJECTS_PATH_ROTATION,
                                            VTA_PATH_ROTATION,
                                            "Direction Envelope",
                                            {0, 360, 1, 45, false}},
                                           {IDC_OBJECTS_ROTATES_WITH_PATH_ENVELOPE,
                                            IDC_OBJECTS_ROTATES_WITH_PATH,
                                            VTA_ROTATES_WITH_PATH,
                                            "Object Follows Direction Envelope",
                                            {0, 1, 1, 1, false}},
                                           {IDC_OBJECTS_TRAIL_COUNT_ENVELOPE,
                                            IDC_OBJECTS_TRAIL_COUNT,
                                            VTA_TRAIL_COUNT,
                                            "Trail Count Envelope",
                                            {0, 20, 1, 1, false}},
                                           {IDC_OBJECTS_TRAIL_SPACING_ENVELOPE,
                                            IDC_OBJECTS_TRAIL_SPACING,
                                            VTA_TRAIL_SPACING,
                                            "Trail Spacing Envelope",
                                            {0, 20, 1, 1, false}}};

constexpr int kFileControls[] = {IDC_OBJECTS_FILE_NAME, IDC_OBJECTS_FILE_NAME_LABEL,
                                 IDC_OBJECTS_SELECT_FILE, IDC_OBJECTS_FRAME_OFFSET,
                                 IDC_OBJECTS_FRAME_OFFSET_LABEL};
constexpr int kTextSize = 256;

// The decimal integer at the start of text: leading blanks and a sign
// allowed, it stops at the first other character; 0 when there is none.
float leadingInteger(const char* text) {
  const long value = std::strtol(text, nullptr, 10);
  return static_cast<float>(value);
}

// The effect's first object on surface n + 1 that morphs, or null.
const ObjectComponent* morphingObject(const EffectDescription* effect, uint32_t n) {
  if (!effect) return nullptr;
  for (const EffectComponent* member = effect->lists[kObjects].head; member;
       member = member->next) {
    const auto* object = static_cast<const ObjectComponent*>(member);
    if (object->surfaceNumber == n + 1 && object->morphFrames != 0) return object;
  }
  return nullptr;
}

bool isEntry(uint32_t n) { return n < static_cast<uint32_t>(kObjectEntryCount); }

// The object that carries entry n's path: on surface n + 1, with no
// ancestor on the same surface, and not flagged in its second word.
const ObjectComponent* pathObject(const EffectDescription& effect, uint32_t n) {
  for (const EffectComponent* member = effect.lists[kObjects].head; member; member = member->next) {
    const auto* object = static_cast<const ObjectComponent*>(member);
    if (object->surfaceNumber != n + 1 || object->secondWord != 0) continue;
    bool nested = false;
    // A file may link parents in a circle: no chain is longer than the list.
    uint32_t steps = effect.lists[kObjects].count;
    for (const EffectComponent* up = object->parent; up && !nested && steps;
         up = up->parent, --steps) {
      nested = static_cast<const ObjectComponent*>(up)->surfaceNumber == n + 1;
    }
    if (!nested) return object;
  }
  return nullptr;
}

bool isEnvelopeButton(int id) {
  if (id == IDC_OBJECTS_MORPH_ENVELOPE) return true;
  for (const EnvelopeButton& e : kEnvelopeButtons) {
    if (e.button == id) return true;
  }
  return false;
}

}  // namespace

ObjectsPage::ObjectsPage() {
  sheet().effectSelected = [this] { showObject(0); };
}

ObjectsPage::~ObjectsPage() { sheet().effectSelected = nullptr; }

SurfaceComponent* ObjectsPage::surface() const {
  const EffectSettings* record = sheet().record;
  if (!record) return nullptr;
  EffectComponent* found =
      record->description.lists[kSurfaces].findById(static_cast<uint16_t>(currentObject_ + 1));
  return static_cast<SurfaceComponent*>(found);
}

void ObjectsPage::fillCombos() {
  const EffectDescription* effect = sheet().selectedEffect;
  if (!window() || !effect) return;
  clearCombo(IDC_OBJECTS_OBJECT_LIST);
  for (uint32_t i = 0; i < effect->variantCount; ++i) {
    const char* text = effect->variantTexts ? effect->variantTexts[i] : nullptr;
    addComboItem(IDC_OBJECTS_OBJECT_LIST, text ? text : "");
  }
  selectComboIndex(IDC_OBJECTS_OBJECT_LIST, static_cast<int>(currentObject_));
  clearCombo(IDC_OBJECTS_SOURCE_LIST);
  for (const char* source : kSources) addComboItem(IDC_OBJECTS_SOURCE_LIST, source);
  showObject(currentObject_);
}

// The order matters: setting the offset's text reports a change, which the
// page answers by saving every control, so everything else is shown first.
void ObjectsPage::showObject(uint32_t n) {
  currentObject_ = n;
  const EffectSettings* record = sheet().record;
  if (!window() || !record) return;
  selectComboIndex(IDC_OBJECTS_OBJECT_LIST, static_cast<int>(n));
  const float* values = isEntry(n) ? record->objectParams[n] : nullptr;
  for (const SliderBinding& s : kSliders) showValue(*this, s, values ? values[s.parameter] : 0.0f);
  showValue(*this, kRotatesWithPath, values ? values[kRotatesWithPath.parameter] : 0.0f);
  updateEnvelopeButtons();
  updateMorphButton();
  showSurface();
}

void ObjectsPage::showSurface() {
  const SurfaceComponent* mapped = surface();
  selectComboIndex(IDC_OBJECTS_SOURCE_LIST, 0);
  if (mapped) {
    // A kind the list does not offer (2, a texture of the effect) shows as
    // the timeline and is left alone until the user picks a source.
    const int kind = mapped->mappingKind;
    if (kind >= kFirstListedKind && kind <= kLastListedKind) {
      selectComboIndex(IDC_OBJECTS_SOURCE_LIST, kind - kKindOffset);
    }
    setText(IDC_OBJECTS_FILE_NAME, mapped->mapFile);
    char offset[16];
    std::snprintf(offset, sizeof offset, "%d", wholeValue(mapped->frameOffset));
    setText(IDC_OBJECTS_FRAME_OFFSET, offset);
  } else {
    setText(IDC_OBJECTS_FILE_NAME, "");
    setText(IDC_OBJECTS_FRAME_OFFSET, "0");
  }
  for (int id : kFileControls) setControlEnabled(id, mapped != nullptr);
}

void ObjectsPage::saveControls(bool sourceChosen) {
  EffectSettings* record = sheet().record;
  if (!window() || !record) return;
  if (isEntry(currentObject_)) {
    float* values = record->objectParams[currentObject_];
    for (const SliderBinding& s : kSliders) values[s.parameter] = shownValue(*this, s);
    values[kRotatesWithPath.parameter] = shownValue(*this, kRotatesWithPath);
  }
  saveSurface(sourceChosen);
  const int chosen = getComboIndex(IDC_OBJECTS_OBJECT_LIST);
  if (chosen >= 0 && static_cast<uint32_t>(chosen) != currentObject_)
    showObject(static_cast<uint32_t>(chosen));
}

// Only a source the user picks creates, changes or removes the surface; a
// surface of a kind the list does not offer is otherwise left as it is.
void ObjectsPage::saveSurface(bool sourceChosen) {
  EffectSettings& record = *sheet().record;
  SurfaceComponent* mapped = surface();
  const bool listed =
      mapped && mapped->mappingKind >= kFirstListedKind && mapped->mappingKind <= kLastListedKind;
  if (mapped && !listed && !sourceChosen) return;
  const int source = getComboIndex(IDC_OBJECTS_SOURCE_LIST);
  if (source <= 0) {
    if (mapped) record.description.removeComponent(kSurfaces, mapped);
    return;
  }
  if (!mapped) {
    mapped = makeComponent<SurfaceComponent>(static_cast<uint16_t>(currentObject_ + 1), 0.0f, 1.0f,
                                             0, 0);
    if (!mapped) return;
    record.description.lists[kSurfaces].append(mapped);
  }
  const uint16_t kind = static_cast<uint16_t>(source + kKindOffset);
  if (mapped->mappingKind != kind)
    setText(IDC_OBJECTS_FILE_NAME, "");  // a new source forgets the file
  mapped->mappingKind = kind;
  mapped->objectIndex = static_cast<uint16_t>(currentObject_);
  getText(IDC_OBJECTS_FILE_NAME, mapped->mapFile, sizeof mapped->mapFile);
  char offset[kTextSize];
  getText(IDC_OBJECTS_FRAME_OFFSET, offset, sizeof offset);
  mapped->frameOffset = leadingInteger(offset);
  for (int id : kFileControls) enableControl(id);
}

void ObjectsPage::updateEnvelopeButtons() {
  const int base = VTA_OBJECT_PARAM_INDEX(static_cast<int>(currentObject_), 0);
  for (const EnvelopeButton& e : kEnvelopeButtons) {
    showEnvelopeButton(*this, sheet().record, e, base + e.element);
  }
}

void ObjectsPage::updateMorphButton() {
  setControlEnabled(IDC_OBJECTS_MORPH_ENVELOPE,
                    morphingObject(sheet().selectedEffect, currentObject_) != nullptr);
}

void ObjectsPage::editEnvelope(int button) {
  EffectSettings* record = sheet().record;
  if (button == IDC_OBJECTS_MORPH_ENVELOPE) {
    const ObjectComponent* object = morphingObject(sheet().selectedEffect, currentObject_);
    if (!object) return;
    const EnvelopeScale scale{0, static_cast<float>(object->morphFrames), 0.1f, 1, false};
    EnvelopeEditor editor(sheet(), "Object Morph Envelope", scale, 0, object->id, 1);
    editor.openEnvelopeEditor(window());
    return;
  }
  const int base = VTA_OBJECT_PARAM_INDEX(static_cast<int>(currentObject_), 0);
  for (const EnvelopeButton& e : kEnvelopeButtons) {
    if (e.button != button) continue;
    const bool hasEntry = record && isEntry(currentObject_);
    const float current = hasEntry ? record->objectParams[currentObject_][e.element] : 0.0f;
    vta::editEnvelope(*this, sheet(), e, base + e.element, current);
  }
}

void ObjectsPage::selectMapFile() {
  const int source = getComboIndex(IDC_OBJECTS_SOURCE_LIST);
  if (source <= 0) return;
  char current[kTextSize];
  getText(IDC_OBJECTS_FILE_NAME, current, sizeof current);
  std::string chosen;
  if (!chooseMapFile(window(), static_cast<MapFileKind>(source), current, chosen)) return;
  setText(IDC_OBJECTS_FILE_NAME, chosen.c_str());
  saveControls(false);
}

// The path editor works on the Fly-Off arrangement, in which objects 1 and 2
// change places; the record's fly mode and the shown object are put back.
void ObjectsPage::editPath() {
  EffectSettings* record = sheet().record;
  if (!record) return;
  auto effect = std::make_unique<EffectDescription>();
  loadDescription(*effect, record->effectName, 0);
  const bool flownOn = record->globalParams[VTA_FLY_MODE] == 1.0f;
  const bool switched = flownOn && currentObject_ <= 1;
  if (flownOn) record->globalParams[VTA_FLY_MODE] = 0.0f;
  if (switched) currentObject_ ^= 1;
  if (const ObjectComponent* object = pathObject(*effect, currentObject_)) {
    PathEditor editor(sheet());
    editor.setObjectId(object->id);
    editor.openPathEditor(window());
  }
  if (flownOn) record->globalParams[VTA_FLY_MODE] = 1.0f;
  if (switched) currentObject_ ^= 1;
  checkPreviewRestart();
}

// With "Reverse 1 and 2" on, a reversed type-1 effect brings object 2 in
// where object 1 left: the page shows the one that moves first.
void ObjectsPage::onActivate() {
  const SheetState& state = sheet();
  if (state.preferences && state.preferences->autoReverse && state.selectedEffect &&
      state.selectedEffect->effectType == 1 && state.record) {
    showObject(state.record->globalParams[VTA_FLY_MODE] == 0.0f ? 0 : 1);
  }
  fillCombos();
}

// Every command saves the page (the file button only after its dialog);
// the sheet's page procedure then checks for a preview restart.
void ObjectsPage::onCommand(int id, int code) {
  if (code == BN_CLICKED && id == IDC_OBJECTS_SELECT_FILE) {
    selectMapFile();
    return;
  }
  if (code == BN_CLICKED && id == IDC_OBJECTS_PATH_EDITOR) {
    editPath();
    return;
  }
  if (code == BN_CLICKED && isEnvelopeButton(id)) {
    editEnvelope(id);
    updateEnvelopeButtons();
  }
  saveControls(id == IDC_OBJECTS_SOURCE_LIST && code == CBN_SELCHANGE);
}

void ObjectsPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      for (const SliderBinding& s : kSliders) setUpSlider(*this, s);
      fillCombos();
      checkPreviewRestart();
      break;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lParam)->code == PSN_SETACTIVE) onActivate();
      break;
    case WM_HSCROLL:
      if (lParam) updateTrackbarLabel(reinterpret_cast<HWND>(lParam));
      if (LOWORD(wParam) != TB_THUMBTRACK) saveControls(false);
      break;
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); break;
  }
}

}  // namespace vta
