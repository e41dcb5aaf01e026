#pragma once
// Size of the buffers that hold the paths of installed files, the longest
// path Windows opens by its plain file functions (MAX_PATH).

#include <cstdint>

namespace vta {

constexpr uint32_t kPathBufferSize = 260;

}  // namespace vta
