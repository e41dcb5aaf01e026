// What a Windows module's own copy of the C++ runtime keeps until the
// process ends. Every Windows module links the runtime statically
// (CMakeLists.txt), so each carries such a copy.
#pragma once

namespace vta {

// Frees the emergency exception pool the runtime reserves once per copy
// (about 73 KB on x86_64) and never frees itself: a module that a process
// loads and unloads again and again would leave one behind each time. For
// the loader entry of a Windows module being unloaded while its process
// goes on; no exception may be thrown in the module afterwards. Does nothing
// in the native builds, whose runtime the whole process shares.
void releaseRuntimeReserve();

}  // namespace vta
