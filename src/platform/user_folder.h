#pragma once
// The folder of the current user's own Vantaro files (those the user, not
// the installation, owns), which the user can write without administrator
// rights: "%APPDATA%\Vantaro" on Windows (the roaming application data, which
// follows the user between machines); on other systems "vantaro" below
// $XDG_CONFIG_HOME, else below $HOME/.config.

#include <string>

namespace vta {

// Creates the folder when missing. "" when the user has no such folder
// (the variable is not set) or it cannot be created.
std::string userDataFolder();

}  // namespace vta
