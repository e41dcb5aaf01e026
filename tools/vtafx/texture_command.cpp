// texture IN -o OUT.VTT and texture --export FILE.VTT -o OUT.
#include "commands.h"
#include "model/files/texture_file.h"
#include "texture_pixels.h"

namespace vtafx {

namespace {

int makeTexture(const std::string& in, const std::string& out) {
  Picture picture;
  std::string error;
  if (!readPicture(in, picture, error)) return report(kExitFailed, in + ": " + error);
  vta::TextureImage image;
  if (!textureFromPicture(picture, image)) return report(kExitFailed, in + ": out of memory");
  if (!vta::saveTextureImage(image, out.c_str()))
    return report(kExitFailed, out + ": cannot write");
  return kExitOk;
}

int exportTexture(const std::string& in, const std::string& out) {
  vta::TextureImage image;
  Picture picture;
  std::string error;
  if (!vta::loadTextureImage(image, in.c_str()))
    return report(kExitFailed, in + ": no texture with pixels");
  if (!pictureFromTexture(image, picture, error)) return report(kExitFailed, in + ": " + error);
  if (!writePicture(out, picture, error)) return report(kExitFailed, out + ": " + error);
  return kExitOk;
}

}  // namespace

int runTexture(const Args& given) {
  Args args = given;
  std::string output;
  const bool exporting = !args.empty() && args[0] == "--export";
  if (exporting) args.erase(args.begin());
  if (!takeOutput(args, output) || args.size() != 1) {
    return report(kExitUsage,
                  "usage: vtafx texture IN -o OUT.VTT | vtafx texture --export FILE.VTT -o OUT");
  }
  return exporting ? exportTexture(args[0], output) : makeTexture(args[0], output);
}

}  // namespace vtafx
