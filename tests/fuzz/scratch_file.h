#pragma once
// The files of one entry: its input and two for its writers, in a folder of
// their own that goes with the object.

#include <cstddef>
#include <cstdint>
#include <string>

#include "temp_folder.h"

namespace vta::fuzz {

class ScratchFiles : public TempFolder {
 public:
  // Writes the input's bytes to a file; returns its path.
  const char* input(const uint8_t* data, size_t size) const {
    write("in", std::string(reinterpret_cast<const char*>(data), size));
    return in_.c_str();
  }
  const char* first() const { return first_.c_str(); }
  const char* second() const { return second_.c_str(); }
  bool sameOutputs() const { return read("out1") == read("out2"); }

 private:
  const std::string in_ = file("in"), first_ = file("out1"), second_ = file("out2");
};

}  // namespace vta::fuzz
