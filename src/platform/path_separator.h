#pragma once
// The separator the library puts between folder and file names it builds.

namespace vta {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

}  // namespace vta
