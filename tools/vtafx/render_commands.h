#pragma once
// Commands that drive a renderer plug-in.

#include "commands.h"

namespace vtafx {

// vtafx render (EFFECT | --record FILE) --install DIR [--size N|WxH]
//              [--frames N] [--out DIR] [--from IMG --to IMG] [--renderer LIB]
//              [--set INDEX=VALUE]...
int runRender(const Args& args);

// vtafx check-renderer LIB --install DIR [--effect NAME]
int runCheckRenderer(const Args& args);

// vtafx check-effect --install DIR [--renderer LIB] [EFFECT...]
int runCheckEffect(const Args& args);

}  // namespace vtafx
