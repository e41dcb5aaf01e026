// Binds Vantaro30.dll the way a host does: by file name and plain export names.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "vantaro/vantaro.h"
#include "window_driver.h"

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

constexpr char kSheetCaption[] = "Vantaro - Selection Dialog";

// Presses the sheet's OK button and waits until the sheet is gone.
inline bool closeWithOk(HWND sheet) {
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  return waitForWindowGone(sheet);
}

// The titles of a property sheet's tabs, in order.
inline std::vector<std::string> tabTitles(HWND sheet) {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  std::vector<std::string> titles;
  const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[64] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    titles.push_back(text);
  }
  return titles;
}

}  // namespace vta::test
