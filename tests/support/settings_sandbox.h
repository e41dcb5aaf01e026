#pragma once
// Points the settings store at a private, empty location for one test and
// removes it afterwards: a temporary settings file on POSIX systems, a
// throw-away registry key on Windows.

#include <string>

#include "temp_folder.h"

namespace vta {

class SettingsSandbox {
 public:
  SettingsSandbox();
  ~SettingsSandbox();
  SettingsSandbox(const SettingsSandbox&) = delete;
  SettingsSandbox& operator=(const SettingsSandbox&) = delete;

#ifndef _WIN32
  // The settings file, so tests can read or prepare its text.
  std::string file() const { return folder_.file("settings.ini"); }
#endif

 private:
  TempFolder folder_;
};

}  // namespace vta
