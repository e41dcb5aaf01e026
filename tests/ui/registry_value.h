// One value of the library's registry key, changed for a test and put back
// (or removed, when it did not exist) when the test ends.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vta::test {

class RegistryValue {
 public:
  explicit RegistryValue(const char* name) : name_(name) {
    DWORD size = 0;
    existed_ = RegGetValueA(HKEY_LOCAL_MACHINE, kKey, name, RRF_RT_ANY, &type_, nullptr, &size) ==
               ERROR_SUCCESS;
    if (!existed_) return;
    saved_.resize(size);
    RegGetValueA(HKEY_LOCAL_MACHINE, kKey, name, RRF_RT_ANY, &type_, saved_.data(), &size);
  }
  ~RegistryValue() {
    if (existed_) {
      RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, name_.c_str(), type_, saved_.data(),
                      static_cast<DWORD>(saved_.size()));
    } else {
      RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kKey, name_.c_str());
    }
  }
  RegistryValue(const RegistryValue&) = delete;
  RegistryValue& operator=(const RegistryValue&) = delete;

  void setText(const char* text) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, name_.c_str(), REG_SZ, text,
                    static_cast<DWORD>(std::string(text).size() + 1));
  }
  void remove() { RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kKey, name_.c_str()); }
  // The stored number, or `missing` when the value does not exist.
  DWORD number(DWORD missing = 0xFFFFFFFF) const {
    DWORD value = 0, size = sizeof value;
    return RegGetValueA(HKEY_LOCAL_MACHINE, kKey, name_.c_str(), RRF_RT_REG_DWORD, nullptr, &value,
                        &size) == ERROR_SUCCESS
               ? value
               : missing;
  }
  std::string text() const {
    char value[256] = "";
    DWORD size = sizeof value;
    RegGetValueA(HKEY_LOCAL_MACHINE, kKey, name_.c_str(), RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
  }
  void setNumber(DWORD number) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, name_.c_str(), REG_DWORD, &number, sizeof number);
  }

 private:
  static constexpr const char* kKey = "Software\\Corvane\\Vantaro\\3.0";
  std::string name_;
  bool existed_ = false;
  DWORD type_ = REG_NONE;
  std::vector<BYTE> saved_;
};

}  // namespace vta::test
