// The installation a transition's files come from. The library's file code
// and the renderer find the installation through the settings store,
// natively the file that VANTARO_SETTINGS names, which the whole process
// shares. The plug-in points it at a settings file of its own and records
// there the installation each load asks for, one load at a time, so that
// instances of different installations can be loaded side by side: once
// loaded, a transition draws from its renderer context alone.
#pragma once

#include <functional>
#include <string>

namespace vta::frei0r {

// Runs load with the installation folder recorded as the settings' "Path",
// while no other load of the process runs. False, without running load,
// when the folder cannot be recorded.
bool withInstallation(const std::string& folder, const std::function<void()>& load);

// Removes the plug-in's settings file and gives VANTARO_SETTINGS back its
// value from before the first load (the host is unloading the plug-in).
void forgetInstallation();

}  // namespace vta::frei0r
