#include "raw_document.h"

#include "file_kind.h"
#include "json_access.h"
#include "platform/byte_order.h"
#include "platform/chunk_file.h"

namespace vtafx {

namespace {

constexpr size_t kMaxRawChunks = size_t{1} << 20;
constexpr size_t kMaxRawPayload = size_t{1} << 30;

uint32_t readCode(const Json& value, const char* what) {
  const std::string text = readText(value, what, 4);
  if (text.size() != 4) throw BuildError(std::string("\"") + what + "\": expected four characters");
  return vta::readU32LE(reinterpret_cast<const uint8_t*>(text.data()));
}

std::string codeString(uint32_t code) {
  std::string text(4, '\0');
  vta::writeU32LE(reinterpret_cast<uint8_t*>(&text[0]), code);
  return text;
}

}  // namespace

bool rawDocument(const char* path, Json& out, std::string& error) {
  Json chunks = Json::array();
  uint32_t magic = 0;
  readMagic(path, magic);
  const WalkResult walk = walkChunks(path, [&](const WalkedChunk& c) {
    Json entry = Json::object();
    entry.add("tag", Json::string(codeString(c.tag)))
        .add("offset", jsonUint(c.offset))
        .add("length", jsonUint(c.length));
    Json decoded = decodeChunk(magic, c);
    if (!decoded.isNull()) entry.add("decoded", std::move(decoded));
    entry.add("hex", jsonHex(c.payload, c.length));
    chunks.push(std::move(entry));
  });
  if (walk.end == WalkEnd::kUnreadable || walk.end == WalkEnd::kNoMagic) {
    error = describeWalkEnd(walk);
    return false;
  }
  out = Json::object();
  out.add("kind", Json::string("raw")).add("magic", Json::string(codeString(walk.magic)));
  out.add("chunks", std::move(chunks));
  if (walk.end != WalkEnd::kClean) {
    out.add("damage", Json::object()
                          .add("offset", jsonUint(walk.endOffset))
                          .add("problem", Json::string(describeWalkEnd(walk))));
  }
  return true;
}

void buildRawDocument(const Json& document, const char* path) {
  vta::ChunkFile out;
  if (out.open(path, readCode(required(document, "magic"), "magic"), vta::kChunkWriteFile) !=
      vta::kChunkOk) {
    throw BuildError(std::string("cannot write ") + path);
  }
  for (const Json& chunk : readArray(required(document, "chunks"), "chunks", kMaxRawChunks)) {
    const std::vector<uint8_t> payload = readHex(required(chunk, "hex"), "hex", kMaxRawPayload);
    out.writeChunk(readCode(required(chunk, "tag"), "tag"), static_cast<uint32_t>(payload.size()),
                   payload.data());
  }
  if (!out.commit()) throw BuildError(std::string("cannot write ") + path);
}

}  // namespace vtafx
