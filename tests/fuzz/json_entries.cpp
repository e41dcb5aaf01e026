// The vtafx document reader (JSON text, then the file a document describes)
// and the JSON and document writers.
#include <string>

#include "documents.h"
#include "fuzz_entries.h"
#include "json.h"
#include "json_access.h"
#include "scratch_file.h"

namespace vta::fuzz {

namespace {

// Parses the input as a document and builds its file at path; false when
// either step refuses it.
bool buildFrom(const uint8_t* data, size_t size, vtafx::Json& document, const char* path) {
  std::string error;
  if (!vtafx::parseJson(std::string(reinterpret_cast<const char*>(data), size), document, error)) {
    return false;
  }
  try {
    vtafx::buildDocument(document, path);
    return true;
  } catch (const vtafx::BuildError&) {
    return false;
  }
}

}  // namespace

bool readJsonDocument(const uint8_t* data, size_t size) {
  ScratchFiles files;
  vtafx::Json document;
  buildFrom(data, size, document, files.first());
  return true;
}

// Written JSON parses back to what writes the same text. What the library
// keeps of a built file survives dump and build: a file it reads whole dumps
// to a document whose file dumps the same again.
bool roundTripJson(const uint8_t* data, size_t size) {
  ScratchFiles files;
  vtafx::Json document, reparsed;
  std::string error;
  const bool builds = buildFrom(data, size, document, files.first());
  const std::string text = vtafx::writeJson(document);
  if (!vtafx::parseJson(text, reparsed, error) || vtafx::writeJson(reparsed) != text) return false;
  vtafx::Json kept, keptAgain;
  bool complete = false;
  // Files the library does not read whole are vtafx validate's to report.
  if (!builds || !vtafx::dumpDocument(files.first(), kept, complete, error) || !complete) {
    return true;
  }
  try {
    vtafx::buildDocument(kept, files.second());
  } catch (const vtafx::BuildError&) {
    return false;
  }
  return vtafx::dumpDocument(files.second(), keptAgain, complete, error) && complete &&
         vtafx::writeJson(keptAgain) == vtafx::writeJson(kept);
}

}  // namespace vta::fuzz
