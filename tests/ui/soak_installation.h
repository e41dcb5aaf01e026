// The soak test's installation, made from the registered sample
// installation: its renderer (LIBS\Rnd_Software.DLL), its preview pictures
// (Textures) and some of its effects, each given one more object on the
// first entry's surface, with a path, for the Objects page's path editor.
// The sample objects keep their grid's rows in the object word that the
// Objects page requires to be 0 before it opens the path editor.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "installation.h"

namespace vta::test {

class SoakInstallation {
 public:
  // Reads the installation registered now, then registers this one in its
  // place until destroyed. A group "Soak" holds the effects in this order.
  explicit SoakInstallation(const std::vector<std::string>& sampleEffects);

  // False when the sample installation lacked the renderer or an effect.
  bool complete() const { return complete_; }

 private:
  std::unique_ptr<Installation> installation_;
  bool complete_ = true;
};

}  // namespace vta::test
