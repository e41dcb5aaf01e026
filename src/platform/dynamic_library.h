#pragma once
// A shared library (DLL) loaded at run time, such as an effect module.

namespace vta {

class DynamicLibrary {
 public:
  DynamicLibrary() = default;
  ~DynamicLibrary();
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;
  DynamicLibrary(DynamicLibrary&& other) noexcept;
  DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;

  // Loads the library, first closing any library held. A path containing a
  // separator ('/' or '\\') is looked up case-blindly on POSIX systems; a
  // bare name is found through the system's usual search.
  bool open(const char* path);
  // Address of an exported symbol, or null when missing or nothing is open.
  void* symbol(const char* name) const;
  void close();
  bool isOpen() const { return handle_ != nullptr; }

 private:
  void* handle_ = nullptr;
};

}  // namespace vta
