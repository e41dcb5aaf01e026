#include "record_names.h"

namespace vtafx {

const char* const kGlobalNames[vta::kGlobalParamCount] = {
    "flyMode",          "renderStyle",    "quality",      "imageQuality",  "antialiasing",
    "lighting",         "shadows",        "blurPercent",  "blurCount",     "reserved9",
    "filterOn",         "lightDirection", "filterFrames", "filterPercent", "filterSource",
    "transitionPeriod", "reserved16",     "reserved17",   "filterRotateX", "filterRotateY",
    "filterRotateZ",    "filterDistance", "reserved22",   "reserved23",    "reserved24",
    "reserved25",       "reserved26",     "reserved27",   "reserved28",    "reserved29"};

const char* const kObjectOptionNames[vta::kObjectParamCount] = {
    "shine",        "transparency",    "luminosity",   "trailCount", "reserved4",
    "pathRotation", "rotatesWithPath", "trailSpacing", "reserved8",  "reserved9"};

}  // namespace vtafx
