#include "import_hook.h"

namespace vta {
namespace {

template <class T>
T* at(HMODULE module, DWORD offset) {
  return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

void** findImportSlot(HMODULE module, const char* importedDll, const char* function) {
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module);
  auto* nt = at<IMAGE_NT_HEADERS>(module, dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0) return nullptr;
  for (auto* import = at<IMAGE_IMPORT_DESCRIPTOR>(module, directory.VirtualAddress);
       import->Name != 0; ++import) {
    if (lstrcmpiA(at<char>(module, import->Name), importedDll) != 0) continue;
    auto* names = at<IMAGE_THUNK_DATA>(module, import->OriginalFirstThunk);
    auto* slots = at<IMAGE_THUNK_DATA>(module, import->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = at<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
      if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), function) == 0) {
        return reinterpret_cast<void**>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

}  // namespace

void* replaceImport(HMODULE module, const char* importedDll, const char* function,
                    void* replacement) {
  void** slot = module ? findImportSlot(module, importedDll, function) : nullptr;
  if (!slot) return nullptr;
  DWORD protection;
  if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) return nullptr;
  void* previous = *slot;
  *slot = replacement;
  VirtualProtect(slot, sizeof *slot, protection, &protection);
  return previous;
}

}  // namespace vta
