// Binds Vantaro30.dll the way a host does: by file name and plain export names.
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

#include "vantaro/vantaro.h"

namespace vta::test {

class LibraryUnderTest {
 public:
  LibraryUnderTest() : module_(LoadLibraryA("Vantaro30.dll")) {}
  ~LibraryUnderTest() {
    if (module_) FreeLibrary(module_);
  }
  LibraryUnderTest(const LibraryUnderTest&) = delete;
  LibraryUnderTest& operator=(const LibraryUnderTest&) = delete;

  bool loaded() const { return module_ != nullptr; }
  HMODULE module() const { return module_; }

  template <typename Function>
  Function entry(const char* name) const {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_;
};

// Runs call on this thread (the dialog's UI thread) while drive works the
// dialog from a second thread, and returns what call returned.
template <typename Result>
Result runDriven(const std::function<Result()>& call, const std::function<void()>& drive) {
  std::thread driver(drive);
  Result result = call();
  driver.join();
  return result;
}

// Opens the selection sheet over record (in filter mode when second is set),
// shows the page at tab and hands sheet and page to drive; OK closes the
// sheet afterwards. False when the sheet did not appear.
bool runSheetOnPage(const LibraryUnderTest& library, VtaEffectSettings& record,
                    VtaEffectSettings* second, int tab,
                    const std::function<void(HWND sheet, HWND page)>& drive);

}  // namespace vta::test
