#include "session/preferences.h"

#include <algorithm>
#include <cstring>

#include "platform/settings_store.h"

namespace vta {
namespace {

// A stored text too long for its field reads as empty and is marked kept,
// so that saving leaves it as it is stored.
void readText(char (&field)[kEngineNameSize], bool& kept, const char* name) {
  char stored[1024];
  field[0] = '\0';
  kept = readRegistryString(stored, sizeof stored, name) && std::strlen(stored) >= sizeof field;
  if (!kept) readRegistryString(field, sizeof field, name);
}

void writeText(const char* name, const char* field, bool kept) {
  if (!kept || field[0]) writeRegistryString(name, field);
}

}  // namespace

void Preferences::load() {
  readText(orgFile, orgFileKept, "OrgFile");
  effectDisplay = readRegistryDword("Eff_Display");
  autoReverse = readRegistryDword("Eff_Autoreverse");
  previewQuality = readRegistryDword("Prev_Quality");
  readText(previewEngine, previewEngineKept, "Prev_Engine");
  // A hand-edited value outside its slider's range is used, shown and stored
  // again as the nearest the slider allows.
  previewFrames =
      std::clamp(readRegistryDword("Prev_Frames"), kMinPreviewFrames, kMaxPreviewFrames);
  previewRender = readRegistryDword("Prev_Render");
  previewSpeed = std::clamp(readRegistryDword("Prev_Speed"), kMinPreviewSpeed, kMaxPreviewSpeed);
  readText(engine, engineKept, "Engine");
  logging = readRegistryDword("Rnd_Logging");
  multithreaded = readRegistryDword("Rnd_Multi");
}

void Preferences::save() const {
  writeRegistryDword("Eff_Display", effectDisplay);
  writeRegistryDword("Eff_Autoreverse", autoReverse);
  writeText("OrgFile", orgFile, orgFileKept);
  writeRegistryDword("Prev_Quality", previewQuality);
  writeText("Prev_Engine", previewEngine, previewEngineKept);
  writeRegistryDword("Prev_Frames", previewFrames);
  writeRegistryDword("Prev_Render", previewRender);
  writeRegistryDword("Prev_Speed", previewSpeed);
  writeText("Engine", engine, engineKept);
  writeRegistryDword("Rnd_Logging", logging);
  writeRegistryDword("Rnd_Multi", multithreaded);
}

}  // namespace vta
