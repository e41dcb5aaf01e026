// The host's own guard for code that Windows or a thread start calls (window
// and dialog procedures, the render thread): an escaping C++ exception would
// end the host, so each such body runs through guarded(), which turns any
// exception into the boundary's failure value. A host keeps this itself; it
// does not reach into the library's internals.
#pragma once

namespace vta::host {

template <class Result, class Body>
Result guarded(Result failure, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return failure;
  }
}

}  // namespace vta::host
