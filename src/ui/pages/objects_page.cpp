#include "ui/pages/objects_page.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/components/object.h"
#include "objects_page_ids.h"
#include "ui/editors/envelope_editor.h"
#include "ui/editors/path_editor.h"
#include "ui/pages/envelope_buttons.h"
#include "ui/pages/object_map_file.h"
#include "ui/pages/record_controls.h"

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

ObjectsPage::ObjectsPage(SheetContext& context) : SheetPage(context, 104, "Objects") {
  session().onEffectSelected([this] { showObject(0); });
}

ObjectsPage::~ObjectsPage() { session().onEffectSelected(nullptr); }

SurfaceComponent* ObjectsPage::surface() {
  EffectComponent* found = session().record().description.lists[kSurfaces].findById(
      static_cast<uint16_t>(currentObject_ + 1));
  return static_cast<SurfaceComponent*>(found);
}

bool ObjectsPage::objectListed() {
  return window() && getComboIndex(IDC_OBJECTS_OBJECT_LIST) >= 0;
}

void ObjectsPage::fillCombos() {
  const EffectDescription* effect = session().selectedEffect();
  if (!window() || !effect) return;
  clearCombo(IDC_OBJECTS_OBJECT_LIST);
  for (uint32_t i = 0; i < effect->variantCount; ++i) {
    const char* text = effect->variantTexts ? effect->variantTexts[i] : nullptr;
    addComboItem(IDC_OBJECTS_OBJECT_LIST, text ? text : "");
  }
  clearCombo(IDC_OBJECTS_SOURCE_LIST);
  for (const char* source : kSources) addComboItem(IDC_OBJECTS_SOURCE_LIST, source);
  showObject(currentObject_);
}

void ObjectsPage::showObject(uint32_t n) {
  currentObject_ = n;
  if (!window()) return;
  showing_ = true;
  const EffectSettings& record = session().record();
  selectComboIndex(IDC_OBJECTS_OBJECT_LIST, static_cast<int>(n));
  const float* values = isEntry(n) ? record.objectParams[n] : nullptr;
  for (const SliderBinding& s : kSliders) showValue(*this, s, values ? values[s.parameter] : 0.0f);
  showValue(*this, kRotatesWithPath, values ? values[kRotatesWithPath.parameter] : 0.0f);
  updateEnvelopeButtons();
  updateMorphButton();
  showSurface();
  showing_ = false;
}

// A kind the list does not offer (2, a texture of the effect) shows as the
// timeline and is left alone until the user picks a source.
void ObjectsPage::showSurface() {
  const SurfaceComponent* mapped = surface();
  const int kind = mapped ? mapped->mappingKind : 0;
  const bool listed = kind >= kFirstListedKind && kind <= kLastListedKind;
  selectComboIndex(IDC_OBJECTS_SOURCE_LIST, listed ? kind - kKindOffset : 0);
  setText(IDC_OBJECTS_FILE_NAME, mapped ? mapped->mapFile : "");
  char offset[16];
  std::snprintf(offset, sizeof offset, "%d", mapped ? wholeValue(mapped->frameOffset) : 0);
  setText(IDC_OBJECTS_FRAME_OFFSET, offset);
  enableFileControls();
}

void ObjectsPage::enableFileControls() {
  const bool mapped = surface() != nullptr;
  for (int id : kFileControls) setControlEnabled(id, mapped);
}

// Only a source the user picks creates, changes or removes the surface; with
// no source listed (no effect) nothing is touched.
void ObjectsPage::storeSource() {
  const int source = getComboIndex(IDC_OBJECTS_SOURCE_LIST);
  if (source < 0 || !objectListed()) return;
  EffectSettings& record = session().record();
  SurfaceComponent* mapped = surface();
  if (source == 0) {
    if (mapped) record.description.removeComponent(kSurfaces, mapped);
    showSurface();
    return;
  }
  if (!mapped) {
    mapped = makeComponent<SurfaceComponent>(static_cast<uint16_t>(currentObject_ + 1), 0.0f, 1.0f,
                                             0, 0);
    if (!mapped) return;
    record.description.lists[kSurfaces].append(mapped);
  }
  const uint16_t kind = static_cast<uint16_t>(source + kKindOffset);
  if (mapped->mappingKind != kind) mapped->mapFile[0] = '\0';  // a new source forgets the file
  mapped->mappingKind = kind;
  mapped->objectIndex = static_cast<uint16_t>(currentObject_);
  showSurface();
}

void ObjectsPage::storeFrameOffset() {
  SurfaceComponent* mapped = surface();
  if (!mapped || !objectListed()) return;
  char offset[kTextSize];
  getText(IDC_OBJECTS_FRAME_OFFSET, offset, sizeof offset);
  mapped->frameOffset = leadingInteger(offset);
}

void ObjectsPage::updateEnvelopeButtons() {
  const int base = VTA_OBJECT_PARAM_INDEX(static_cast<int>(currentObject_), 0);
  for (const EnvelopeButton& e : kEnvelopeButtons) {
    showEnvelopeButton(*this, &session().record(), e, base + e.element);
  }
}

void ObjectsPage::updateMorphButton() {
  setControlEnabled(IDC_OBJECTS_MORPH_ENVELOPE,
                    morphingObject(session().selectedEffect(), currentObject_) != nullptr);
}

void ObjectsPage::editEnvelope(int button) {
  EffectSettings& record = session().record();
  if (button == IDC_OBJECTS_MORPH_ENVELOPE) {
    const ObjectComponent* object = morphingObject(session().selectedEffect(), currentObject_);
    if (!object) return;
    const EnvelopeScale scale{0, static_cast<float>(object->morphFrames), 0.1f, 1, false};
    EnvelopeEditor editor(context(), "Object Morph Envelope", scale, 0, object->id, 1);
    editor.openEnvelopeEditor(window());
    return;
  }
  const int base = VTA_OBJECT_PARAM_INDEX(static_cast<int>(currentObject_), 0);
  for (const EnvelopeButton& e : kEnvelopeButtons) {
    if (e.button != button) continue;
    const float current = isEntry(currentObject_) ? record.objectParams[currentObject_][e.element]
                                                  : 0.0f;
    vta::editEnvelope(*this, e, base + e.element, current);
  }
}

void ObjectsPage::selectMapFile() {
  SurfaceComponent* mapped = surface();
  const int source = getComboIndex(IDC_OBJECTS_SOURCE_LIST);
  if (!mapped || source <= 0) return;
  std::string chosen;
  if (!chooseMapFile(window(), static_cast<MapFileKind>(source), mapped->mapFile, chosen)) return;
  if (chosen.size() >= sizeof mapped->mapFile) {
    MessageBoxA(window(), "The file's full name is too long to be kept.", "Problem with file",
                MB_OK | MB_ICONSTOP);
    return;
  }
  std::snprintf(mapped->mapFile, sizeof mapped->mapFile, "%s", chosen.c_str());
  setText(IDC_OBJECTS_FILE_NAME, mapped->mapFile);
}

// The path editor shows the scene in the Fly-Off arrangement.
void ObjectsPage::editPath() {
  const EffectDescription* effect = session().selectedEffect();
  if (!effect) return;
  if (const ObjectComponent* object = pathObject(*effect, session().flyOffObject(currentObject_))) {
    PathEditor editor(context());
    editor.setObjectId(object->id);
    editor.openPathEditor(window());
  }
}

void ObjectsPage::onInit() {
  for (const SliderBinding& s : kSliders) setUpSlider(*this, s);
  fillCombos();
  session().recordChanged();
}

// With "Reverse 1 and 2" on, a reversed type-1 effect brings object 2 in
// where object 1 left: the page shows the one that moves first.
void ObjectsPage::onNotify(const NMHDR& header) {
  if (header.code != PSN_SETACTIVE) return;
  if (session().reversesFirstTwo()) currentObject_ = session().storedObject(0);
  fillCombos();
}

void ObjectsPage::onCommand(int id, int code) {
  if (showing_) return;
  if (code == BN_CLICKED && id == IDC_OBJECTS_SELECT_FILE) {
    selectMapFile();
  } else if (code == BN_CLICKED && id == IDC_OBJECTS_PATH_EDITOR) {
    editPath();
  } else if (code == BN_CLICKED && isEnvelopeButton(id)) {
    editEnvelope(id);
    updateEnvelopeButtons();
  } else if (code == BN_CLICKED && binds(kRotatesWithPath, id) && objectListed() &&
             isEntry(currentObject_)) {
    session().record().objectParams[currentObject_][kRotatesWithPath.parameter] =
        shownValue(*this, kRotatesWithPath);
  } else if (code == CBN_SELCHANGE && id == IDC_OBJECTS_SOURCE_LIST) {
    storeSource();
  } else if (code == CBN_SELCHANGE && id == IDC_OBJECTS_OBJECT_LIST) {
    const int chosen = getComboIndex(IDC_OBJECTS_OBJECT_LIST);
    if (chosen >= 0) showObject(static_cast<uint32_t>(chosen));
  } else if (code == EN_CHANGE && id == IDC_OBJECTS_FRAME_OFFSET) {
    storeFrameOffset();
  }
}

// Dragging the thumb only moves the label; the value is taken on release.
void ObjectsPage::onScroll(HWND trackbar, int code) {
  updateTrackbarLabel(trackbar);
  const SliderBinding* slider = bindingOf(kSliders, GetDlgCtrlID(trackbar));
  if (!slider || code == TB_THUMBTRACK || !objectListed() || !isEntry(currentObject_)) return;
  session().record().objectParams[currentObject_][slider->parameter] = shownValue(*this, *slider);
}

}  // namespace vta
