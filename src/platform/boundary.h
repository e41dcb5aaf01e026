#pragma once
// Where our code is called by code that knows nothing of C++ exceptions (a
// window or dialog procedure, an export, a thread body, a plug-in entry), an
// escaping exception would end the host process and lose the user's work.
// Each such boundary runs its body through guarded(), which turns any
// exception into the boundary's own failure value.

namespace vta {

template <class Result, class Body>
Result guarded(Result failure, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return failure;
  }
}

}  // namespace vta
