#include "ui/pages/object_map_file.h"

#include <commdlg.h>
#include <vfw.h>

#include <cstdio>

#include "ui/editors/curve_file_dialog.h"

namespace vta {
namespace {

struct MapFileType {
  const char* filter;  // description and pattern, as the dialog takes them
  const char* extension;
  const char* pattern;
};

const MapFileType kTypes[] = {{"AVI Video Clips (*.avi)\0*.avi\0", "AVI", "*.AVI"},
                              {"Windows Bitmaps (*.bmp)\0*.bmp\0", "BMP", "*.BMP"},
                              {"Targa Images (*.tga)\0*.tga\0", "TGA", "*.TGA"}};

constexpr int kFileNameSize = 256;

// The folder part of path ("" when it has none).
std::string folderOf(const char* path) {
  const std::string text = path ? path : "";
  const size_t end = text.find_last_of("\\/");
  return end == std::string::npos ? std::string() : text.substr(0, end);
}

}  // namespace

bool chooseMapFile(HWND owner, MapFileKind kind, const char* current, std::string& chosen) {
  const MapFileType& type = kTypes[static_cast<int>(kind) - 1];
  char file[kFileNameSize];
  std::snprintf(file, sizeof file, "%s", type.pattern);
  const std::string folder = folderOf(current);
  // Where the current file is, so the user starts beside it.
  const char* start = folder.empty() ? nullptr : folder.c_str();
  OPENFILENAMEA dialog = fileDialogFields(owner, type.filter, file, sizeof file, start,
                                          "Select video to map onto object", type.extension);
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNamePreviewA(&dialog)) return false;
  chosen = file;
  return true;
}

}  // namespace vta
