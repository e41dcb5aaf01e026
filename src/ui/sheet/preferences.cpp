#include "ui/sheet/preferences.h"

#include <algorithm>

#include "platform/settings_store.h"

namespace vta {
namespace {

void readText(char (&field)[kEngineNameSize], const char* name) {
  if (!readRegistryString(field, sizeof field, name)) field[0] = '\0';
}

}  // namespace

void Preferences::load() {
  readText(orgFile, "OrgFile");
  effectDisplay = readRegistryDword("Eff_Display");
  autoReverse = readRegistryDword("Eff_Autoreverse");
  previewQuality = readRegistryDword("Prev_Quality");
  readText(previewEngine, "Prev_Engine");
  // A hand-edited value outside its slider's range is used, shown and stored
  // again as the nearest the slider allows.
  previewFrames =
      std::clamp(readRegistryDword("Prev_Frames"), kMinPreviewFrames, kMaxPreviewFrames);
  previewRender = readRegistryDword("Prev_Render");
  previewSpeed = std::clamp(readRegistryDword("Prev_Speed"), kMinPreviewSpeed, kMaxPreviewSpeed);
  readText(engine, "Engine");
  logging = readRegistryDword("Rnd_Logging");
  multithreaded = readRegistryDword("Rnd_Multi");
}

void Preferences::save() const {
  writeRegistryDword("Eff_Display", effectDisplay);
  writeRegistryDword("Eff_Autoreverse", autoReverse);
  writeRegistryString("OrgFile", orgFile);
  writeRegistryDword("Prev_Quality", previewQuality);
  writeRegistryString("Prev_Engine", previewEngine);
  writeRegistryDword("Prev_Frames", previewFrames);
  writeRegistryDword("Prev_Render", previewRender);
  writeRegistryDword("Prev_Speed", previewSpeed);
  writeRegistryString("Engine", engine);
  writeRegistryDword("Rnd_Logging", logging);
  writeRegistryDword("Rnd_Multi", multithreaded);
}

}  // namespace vta
