#include "model/files/envelope_file.h"

namespace vta {

CurveFileResult loadEnvelopeFile(const char* path, EnvelopeComponent& envelope) {
  // readChunk leaves the common header's id and owner alone but takes the
  // file's parameterIndex, which is put back.
  uint16_t parameter = envelope.parameterIndex;
  CurveFileResult result =
      loadComponentFile(path, kEnvelopeFileMagic, EnvelopeComponent::kTag, envelope);
  envelope.parameterIndex = parameter;
  return result;
}

CurveFileResult saveEnvelopeFile(const char* path, const EnvelopeComponent& envelope) {
  return saveComponentFile(path, kEnvelopeFileMagic, envelope);
}

}  // namespace vta
