// What a Windows module's own copy of the runtime keeps until the process
// ends. Every Windows module links the C++ runtime and the thread library
// statically (CMakeLists.txt), so each carries such a copy.
#pragma once

namespace vta {

// Gives back what the module's runtime took and never gives back itself, so
// that a module a process loads and unloads again and again (a renderer
// bound for each preview) leaves nothing behind: the C++ runtime's
// emergency exception pool (about 73 KB on x86_64) and the thread library's
// record of the thread that loaded it (a thread handle and an event; the
// i686 runtime makes one at each load). For the loader entry of a Windows
// module being unloaded while its process goes on, on the thread that loaded
// it; no exception may be thrown and no thread started in the module
// afterwards. Does nothing in the native builds, whose runtime the whole
// process shares.
void releaseModuleRuntime();

}  // namespace vta
