#pragma once
// An installation chosen for as long as the object lives (see
// useInstallation). On Windows the choice is the registry value "Path" that
// every program on the machine reads, the library and other tests included,
// so the value found before is put back at the end. Elsewhere the choice is a
// settings file private to the process and nothing needs putting back.

#include <string>

namespace vtafx {

class ScopedInstallation {
 public:
  ScopedInstallation(const std::string& installDir, const std::string& settingsFile);
  // Through a settings file of this object's own in the temporary folder,
  // removed again at the end, so that programs running at the same time
  // cannot choose another installation for it.
  explicit ScopedInstallation(const std::string& installDir);
  ~ScopedInstallation();
  ScopedInstallation(const ScopedInstallation&) = delete;
  ScopedInstallation& operator=(const ScopedInstallation&) = delete;

  // False when the installation could not be recorded.
  bool chosen() const { return chosen_; }

 private:
  std::string settingsFile_;
  bool ownsSettings_ = false;  // made by this object, removed at the end
  bool chosen_ = false;
  bool hadPath_ = false;
  std::string previousPath_;
};

}  // namespace vtafx
