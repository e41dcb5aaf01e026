#pragma once
// Envelope files (*.env): the magic "VENV" and one "ENV0" chunk.

#include <cstdint>

#include "model/files/curve_file.h"
#include "model/components/envelope.h"

namespace vta {

constexpr uint32_t kEnvelopeFileMagic = fourCC("VENV");

// Takes only the keys of the file's first chunk (then completes the end
// keys); the envelope keeps its id, owner and parameterIndex.
CurveFileResult loadEnvelopeFile(const char* path, EnvelopeComponent& envelope);

// Saves the envelope, replacing path only when the whole file was written.
CurveFileResult saveEnvelopeFile(const char* path, const EnvelopeComponent& envelope);

}  // namespace vta
