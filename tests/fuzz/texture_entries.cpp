// Texture files and the texture writer.
#include "fuzz_entries.h"
#include "model/files/texture_file.h"
#include "model/texture_image.h"
#include "scratch_file.h"

namespace vta::fuzz {

bool readTexture(const uint8_t* data, size_t size) {
  ScratchFiles files;
  TextureImage image;
  loadTextureImage(image, files.input(data, size));
  return true;
}

// A texture read with pixels must come back with them; the second writing
// must repeat the first byte for byte.
bool roundTripTexture(const uint8_t* data, size_t size) {
  ScratchFiles files;
  TextureImage read, reread;
  const int hadPixels = loadTextureImage(read, files.input(data, size));
  if (!saveTextureImage(read, files.first())) return false;
  if (loadTextureImage(reread, files.first()) != hadPixels) return false;
  return saveTextureImage(reread, files.second()) && files.sameOutputs();
}

}  // namespace vta::fuzz
