// Texture files and the texture writer.
#include "fuzz_entries.h"
#include "model/files/texture_file.h"
#include "model/texture_image.h"
#include "scratch_file.h"

namespace vta::fuzz {

bool readTexture(const uint8_t* data, size_t size) {
  ScratchFile input("in");
  TextureImage image;
  loadTextureImage(image, input.write(data, size));
  return true;
}

// A texture read with pixels must come back with them; the second writing
// must repeat the first byte for byte.
bool roundTripTexture(const uint8_t* data, size_t size) {
  ScratchFile input("in"), first("out1"), second("out2");
  TextureImage read, reread;
  const int hadPixels = loadTextureImage(read, input.write(data, size));
  if (!saveTextureImage(read, first.path())) return false;
  if (loadTextureImage(reread, first.path()) != hadPixels) return false;
  return saveTextureImage(reread, second.path()) && first.read() == second.read();
}

}  // namespace vta::fuzz
