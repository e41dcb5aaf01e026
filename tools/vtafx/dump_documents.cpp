// Loading every kind of file through the library into its JSON document.
#include "component_json.h"
#include "documents.h"
#include "effect_json.h"
#include "file_kind.h"
#include "image_json.h"
#include "json_access.h"
#include "model/components/component_factory.h"
#include "model/effect_settings.h"
#include "model/files/defaults_file.h"
#include "model/files/effect_file.h"
#include "model/files/group_list.h"
#include "model/files/texture_file.h"
#include "record_json.h"

namespace vtafx {

namespace {

bool dumpEffect(const char* path, Json& out) {
  vta::EffectDescription description;
  const bool complete = vta::loadDescriptionFile(description, path, 0) == 1;
  addEffectJson(description, out);
  return complete;
}

bool dumpTexture(const char* path, Json& out) {
  vta::TextureImage image;
  const bool complete = vta::loadTextureImage(image, path) == 1;
  out.add("image", imageJson(image));
  return complete;
}

bool dumpGroupList(const char* path, Json& out) {
  vta::EffectGroupList list;
  const bool complete = list.loadFromPath(path) == 1;
  Json groups = Json::array();
  for (int g = 0; g < list.groupCount(); ++g) {
    Json items = Json::array();
    for (int j = 0; j < list.itemCount(g); ++j) items.push(Json::string(list.itemName(g, j)));
    groups.push(Json::object()
                    .add("name", Json::string(list.group(g)->groupName))
                    .add("items", std::move(items)));
  }
  out.add("groups", std::move(groups));
  return complete;
}

bool dumpDefaults(const char* path, Json& out) {
  vta::EffectSettings record;
  const bool complete = vta::loadDefaultsFile(record, path) == 1;
  addRecordJson(record, out);
  return complete;
}

// Envelope and path files hold one component chunk; it is built by the
// library's component factory, header included.
bool dumpCurve(const char* path, FileKind kind, Json& out, std::string& error) {
  vta::ChunkFile file;
  vta::Chunk chunk;
  const vta::ComponentKind list = kind == FileKind::kEnvelope ? vta::kEnvelopes : vta::kPaths;
  const uint32_t tag = kind == FileKind::kEnvelope ? vta::fourCC("ENV0") : vta::fourCC("PTH0");
  if (file.open(path, kindMagic(kind), vta::kChunkReadFile) != vta::kChunkOk ||
      file.readChunk(chunk) != vta::kChunkOk || chunk.tag != tag) {
    error = std::string("no readable ") + tagText(tag) + " chunk";
    return false;
  }
  ComponentPtr component(
      vta::createComponentFromChunk(chunk.tag, chunk.length, chunk.payload, nullptr));
  if (!component) {
    error = "the " + tagText(tag) + " payload is refused by the library";
    return false;
  }
  const Json fields = componentJson(*component, list);
  for (const auto& member : fields.members()) out.add(member.first, member.second);
  return true;
}

}  // namespace

bool dumpDocument(const char* path, Json& out, bool& complete, std::string& error) {
  uint32_t magic = 0;
  if (!readMagic(path, magic)) {
    error = "cannot read a magic";
    return false;
  }
  const FileKind kind = kindFromMagic(magic);
  out = Json::object();
  out.add("kind", Json::string(kindName(kind)));
  complete = true;
  switch (kind) {
    case FileKind::kEffect: complete = dumpEffect(path, out); return true;
    case FileKind::kTexture: complete = dumpTexture(path, out); return true;
    case FileKind::kGroupList: complete = dumpGroupList(path, out); return true;
    case FileKind::kDefaults: complete = dumpDefaults(path, out); return true;
    case FileKind::kEnvelope:
    case FileKind::kPath: return dumpCurve(path, kind, out, error);
    case FileKind::kUnknown: break;
  }
  error = "unknown magic \"" + tagText(magic) + "\"";
  return false;
}

}  // namespace vtafx
