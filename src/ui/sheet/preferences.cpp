#include "ui/sheet/preferences.h"

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
  previewFrames = readRegistryDword("Prev_Frames");
  previewRender = readRegistryDword("Prev_Render");
  previewSpeed = readRegistryDword("Prev_Speed");
  readText(engine, "Engine");
  logging = readRegistryDword("Rnd_Logging");
  multithreaded = readRegistryDword("Rnd_Multi");
}

}  // namespace vta
