// Writing every kind of file from its JSON document with the library's
// writers.
#include "component_json.h"
#include "documents.h"
#include "effect_json.h"
#include "model/components/envelope.h"
#include "model/files/envelope_file.h"
#include "file_kind.h"
#include "image_json.h"
#include "json_access.h"
#include "model/effect_settings.h"
#include "model/files/defaults_file.h"
#include "model/files/effect_file.h"
#include "model/files/group_list.h"
#include "model/files/texture_file.h"
#include "model/components/path.h"
#include "model/files/path_file.h"
#include "raw_document.h"
#include "record_json.h"
#include "text_file.h"

namespace vtafx {

namespace {

constexpr size_t kNameLength = vta::kGroupNameSize - 1;

void saved(bool ok, const char* path) {
  if (!ok) throw BuildError(std::string("cannot write ") + path);
}

void buildEffect(const Json& in, const char* path) {
  vta::EffectDescription description;
  effectFromJson(in, description);
  saved(vta::saveEffectFile(description, path) == 1, path);
}

void buildTexture(const Json& in, const char* path) {
  vta::TextureImage image;
  imageFromJson(required(in, "image"), image);
  saved(vta::saveTextureImage(image, path) == 1, path);
}

void addGroup(vta::EffectGroupList& list, const Json& group) {
  if (!list.addGroup(readText(required(group, "name"), "name", kNameLength).c_str())) {
    throw BuildError("too many groups");
  }
  const int index = list.groupCount() - 1;
  for (const Json& item : readArray(required(group, "items"), "items", vta::kMaxGroupItems)) {
    list.addItem(index, readText(item, "items", kNameLength).c_str());
  }
}

void buildGroupList(const Json& in, const char* path) {
  vta::EffectGroupList list;
  for (const Json& group : readArray(required(in, "groups"), "groups", vta::kMaxGroups))
    addGroup(list, group);
  saved(list.save(path) == 1, path);
}

void buildDefaults(const Json& in, const char* path) {
  vta::EffectSettings record;
  recordFromJson(in, record);
  saved(vta::saveDefaultsFile(record, path) == 1, path);
}

void buildCurve(const Json& in, FileKind kind, const char* path) {
  const vta::ComponentKind list = kind == FileKind::kEnvelope ? vta::kEnvelopes : vta::kPaths;
  ComponentPtr component = componentFromJson(in, list);
  const vta::CurveFileResult result =
      kind == FileKind::kEnvelope
          ? vta::saveEnvelopeFile(path, static_cast<const vta::EnvelopeComponent&>(*component))
          : vta::savePathFile(path, static_cast<const vta::PathComponent&>(*component));
  saved(result == vta::CurveFileResult::kDone, path);
}

}  // namespace

void buildDocument(const Json& document, const char* path) {
  if (document.type() != Json::Type::kObject) throw BuildError("the document must be an object");
  const std::string kind = readText(required(document, "kind"), "kind", 16);
  if (kind == "raw") return buildRawDocument(document, path);
  switch (kindFromName(kind)) {
    case FileKind::kEffect: return buildEffect(document, path);
    case FileKind::kTexture: return buildTexture(document, path);
    case FileKind::kGroupList: return buildGroupList(document, path);
    case FileKind::kDefaults: return buildDefaults(document, path);
    case FileKind::kEnvelope:
    case FileKind::kPath: return buildCurve(document, kindFromName(kind), path);
    case FileKind::kUnknown: break;
  }
  throw BuildError("unknown kind \"" + kind + "\"");
}

Json readDocumentFile(const std::string& path) {
  std::string text, error;
  Json document;
  if (!readTextFile(path, text, kMaxJsonBytes)) throw BuildError(path + ": cannot read");
  if (!parseJson(text, document, error)) throw BuildError(path + ": " + error);
  return document;
}

}  // namespace vtafx
