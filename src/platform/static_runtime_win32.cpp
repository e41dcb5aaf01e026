#include <windows.h>
#include <pthread.h>

#include <new>  // says which C++ runtime this is (__GLIBCXX__)

#include "platform/static_runtime.h"

#if defined(__GLIBCXX__)
// Where GCC's runtime frees its exception pool (provided for leak checkers).
namespace __gnu_cxx {
void __freeres() noexcept;
}
#endif

namespace vta {

void releaseModuleRuntime() {
#if defined(__GLIBCXX__)
  __gnu_cxx::__freeres();
#endif
  // The record of a thread the module did not start: closing its handles is
  // all it needs, its memory goes with the module.
  CloseHandle(pthread_getevent());
  CloseHandle(pthread_gethandle(pthread_self()));
}

}  // namespace vta
