#include "platform/static_runtime.h"

#include <new>  // says which C++ runtime this is (__GLIBCXX__)

#if defined(_WIN32) && defined(__GLIBCXX__)
// Where GCC's runtime frees its exception pool (provided for leak checkers).
namespace __gnu_cxx {
void __freeres() noexcept;
}
#endif

namespace vta {

void releaseRuntimeReserve() {
#if defined(_WIN32) && defined(__GLIBCXX__)
  __gnu_cxx::__freeres();
#endif
}

}  // namespace vta
