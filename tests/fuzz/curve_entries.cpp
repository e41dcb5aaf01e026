// Envelope and path files and their writers.
#include "fuzz_entries.h"
#include "model/files/envelope_file.h"
#include "model/files/path_file.h"
#include "scratch_file.h"

namespace vta::fuzz {

namespace {

template <class Kind>
struct Component {
  Kind* component = makeComponent<Kind>(uint16_t{1}, 0.0f, 1.0f, uint16_t{0}, uint16_t{0});
  ~Component() {
    if (component) component->destroy(true);
  }
};

template <class Kind, class Load>
bool readCurve(const uint8_t* data, size_t size, Load load) {
  ScratchFiles files;
  Component<Kind> curve;
  if (curve.component) load(files.input(data, size), *curve.component);
  return true;
}

// A curve the reader took must be written so that it reads back and writes
// the same bytes again (files are compared: a stored NaN compares unequal to
// itself).
template <class Kind, class Load, class Save>
bool roundTripCurve(const uint8_t* data, size_t size, Load load, Save save) {
  ScratchFiles files;
  Component<Kind> read, reread;
  if (!read.component || !reread.component) return true;
  if (load(files.input(data, size), *read.component) != CurveFileResult::kDone) return true;
  if (save(files.first(), *read.component) != CurveFileResult::kDone) return false;
  if (load(files.first(), *reread.component) != CurveFileResult::kDone) return false;
  return save(files.second(), *reread.component) == CurveFileResult::kDone && files.sameOutputs();
}

}  // namespace

bool readEnvelope(const uint8_t* data, size_t size) {
  return readCurve<EnvelopeComponent>(data, size, loadEnvelopeFile);
}

bool roundTripEnvelope(const uint8_t* data, size_t size) {
  return roundTripCurve<EnvelopeComponent>(data, size, loadEnvelopeFile, saveEnvelopeFile);
}

bool readPath(const uint8_t* data, size_t size) {
  return readCurve<PathComponent>(data, size, loadPathFile);
}

bool roundTripPath(const uint8_t* data, size_t size) {
  return roundTripCurve<PathComponent>(data, size, loadPathFile, savePathFile);
}

}  // namespace vta::fuzz
