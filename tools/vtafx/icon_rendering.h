#pragma once
// Effect icons rendered by a renderer plug-in: the effect at its best moment
// of a Fly-Off, drawn as the preview draws it (with antialiasing) over the
// 32-pixel placeholder scenes without their badges, in the layout of the
// schematic icons.

#include <string>

#include "model/effect_description.h"
#include "render_session.h"
#include "scoped_installation.h"

namespace vtafx {

class IconRenderer {
 public:
  // Loads the plug-in and chooses the installation in installDir, whose
  // effects, textures and warps the icons are drawn from, until the
  // object ends (through a private settings file there, removed again).
  // Throws BuildError.
  IconRenderer(const std::string& library, const std::string& installDir);

  // Replaces the icon of description, an effect of the installation, with
  // its rendered picture. Throws BuildError naming the effect when the
  // renderer draws nothing.
  void renderIcon(vta::EffectDescription& description);

 private:
  // The file the installation is chosen through; removed when done.
  struct SettingsFile {
    std::string path;
    ~SettingsFile();
  };
  SettingsFile settings_;
  ScopedInstallation installation_;
  RenderSession session_;
};

}  // namespace vtafx
