// Effect files, whole and up to the icon, texture files, the defaults file,
// group lists, envelope and path files, and their writers.
#include <cstring>

#include "fuzz_entries.h"
#include "model/effect_description.h"
#include "model/effect_settings.h"
#include "model/files/defaults_file.h"
#include "model/files/effect_file.h"
#include "model/files/envelope_file.h"
#include "model/files/group_list.h"
#include "model/files/path_file.h"
#include "model/files/texture_file.h"
#include "model/texture_image.h"
#include "platform/byte_order.h"
#include "scratch_file.h"

namespace vta::fuzz {

namespace {

template <class Record, class Load>
bool readInto(const uint8_t* data, size_t size, Load load) {
  ScratchFiles files;
  Record record;
  load(record, files.input(data, size));
  return true;
}

// Whatever the reader keeps, the writer must store so that the file reads
// back and writes the same bytes again. Files, not records, are compared: a
// stored NaN compares unequal to itself. A texture reads back with pixels
// exactly when the input gave them (loading says whether it did); the other
// files must read back whole, group lists with the same names.
template <class Record, class Load, class Save>
bool roundTrip(const uint8_t* data, size_t size, Load load, Save save, bool loadsAsTheInput,
               bool (*same)(const Record&, const Record&) = nullptr) {
  ScratchFiles files;
  Record read, reread;
  const int loaded = load(read, files.input(data, size));
  if (!save(read, files.first())) return false;
  const int reloaded = load(reread, files.first());
  if (loadsAsTheInput ? reloaded != loaded : !reloaded) return false;
  if (same && !same(read, reread)) return false;
  return save(reread, files.second()) && files.sameOutputs();
}

bool sameGroups(const EffectGroupList& a, const EffectGroupList& b) {
  if (a.groupCount() != b.groupCount()) return false;
  for (int i = 0; i < a.groupCount(); ++i) {
    if (std::strcmp(a.group(i)->groupName, b.group(i)->groupName) != 0) return false;
    if (a.itemCount(i) != b.itemCount(i)) return false;
    for (int j = 0; j < a.itemCount(i); ++j) {
      if (std::strcmp(a.itemName(i, j), b.itemName(i, j)) != 0) return false;
    }
  }
  return true;
}

int loadGroups(EffectGroupList& list, const char* path) { return list.loadFromPath(path); }

int saveGroups(const EffectGroupList& list, const char* path) { return list.save(path); }

int loadEffect(EffectDescription& description, const char* path) {
  return loadDescriptionFile(description, path, 0);
}

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

bool readEffectFull(const uint8_t* data, size_t size) {
  return readInto<EffectDescription>(data, size, loadEffect);
}

bool readEffectIcon(const uint8_t* data, size_t size) {
  return readInto<EffectDescription>(data, size, [](EffectDescription& d, const char* path) {
    return loadDescriptionFile(d, path, fourCC("IMG0"));
  });
}

bool roundTripEffect(const uint8_t* data, size_t size) {
  return roundTrip<EffectDescription>(data, size, loadEffect, saveEffectFile, false);
}

bool readTexture(const uint8_t* data, size_t size) {
  return readInto<TextureImage>(data, size, loadTextureImage);
}

bool roundTripTexture(const uint8_t* data, size_t size) {
  return roundTrip<TextureImage>(data, size, loadTextureImage, saveTextureImage, true);
}

// The file stores the record's fixed part and components only (a type or
// texts it was read with are not saved), which is why files are compared.
bool readDefaults(const uint8_t* data, size_t size) {
  return readInto<EffectSettings>(data, size, loadDefaultsFile);
}

bool roundTripDefaults(const uint8_t* data, size_t size) {
  return roundTrip<EffectSettings>(data, size, loadDefaultsFile, saveDefaultsFile, false);
}

bool readGroupList(const uint8_t* data, size_t size) {
  return readInto<EffectGroupList>(data, size, loadGroups);
}

bool roundTripGroupList(const uint8_t* data, size_t size) {
  return roundTrip<EffectGroupList>(data, size, loadGroups, saveGroups, false, sameGroups);
}

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
