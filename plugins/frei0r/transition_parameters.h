// The plug-in's parameters, as a frei0r host sets them by index: which
// effect, from which saved record and installation, and how far the
// transition has come.
#pragma once

#include <string>

namespace vta::frei0r {

enum ParameterIndex { kEffect, kRecord, kInstallation, kProgress, kParameterCount };

// What a transition is loaded from; a change to any of it loads it again.
struct TransitionSource {
  std::string effect;        // the installed effect's name; empty: the record's
  std::string record;        // a saved record file, or empty
  std::string installation;  // the installation folder

  bool operator==(const TransitionSource& other) const {
    return effect == other.effect && record == other.record && installation == other.installation;
  }
  bool operator!=(const TransitionSource& other) const { return !(*this == other); }
};

struct TransitionParameters {
  TransitionSource source;
  double progress = 0;  // 0: the outgoing frame, 1: the incoming one

  // The installation is VANTARO_INSTALL's folder, else the build's sample
  // installation.
  TransitionParameters();

  // value points to a double for progress and to a char* (null taken as
  // "") for the texts. An unknown index is ignored.
  void set(int index, const void* value);
  // Writes the double, or the char* of the parameter's text (valid until
  // the parameter is set again).
  void get(int index, void* value) const;
};

}  // namespace vta::frei0r
