#include "platform/static_runtime.h"

namespace vta {

void releaseModuleRuntime() {}

}  // namespace vta
