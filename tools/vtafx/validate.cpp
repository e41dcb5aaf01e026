#include "validate.h"

#include <cstring>

#include "chunk_rules.h"
#include "file_kind.h"
#include "model/files/texture_file.h"
#include "scene_checks.h"

namespace vtafx {

namespace {

using vta::fourCC;

constexpr uint32_t kIconHead = 44;
constexpr float kLastPercent = 100.0f;

class FileChecker {
 public:
  FileChecker(FileKind kind, const char* path) : kind_(kind), path_(path) {}

  void chunk(const WalkedChunk& c) {
    if (!tagKnown(kind_, c.tag)) {
      add(c, std::string("tag not used in ") + kindName(kind_) + " files; the library skips it");
    } else if (std::string problem = chunkProblem(kind_, c); !problem.empty()) {
      add(c, problem);
    }
    checkOrder(c);
    ++chunkCount_;
  }

  std::vector<Problem> finish() {
    if (kind_ == FileKind::kEffect && !titled_)
      problems_.push_back({4, 0, "no title (ENAM): the effect list cannot name it"});
    if (kind_ == FileKind::kDefaults && !recordSeen_) problems_.push_back({4, 0, "no RIN0 chunk"});
    if (kind_ == FileKind::kTexture) checkTexturePixels();
    if (kind_ == FileKind::kEnvelope || kind_ == FileKind::kPath) {
      if (chunkCount_ == 0) problems_.push_back({4, 0, "no chunk"});
    }
    scene_.finish(problems_);
    return std::move(problems_);
  }

 private:
  void add(const WalkedChunk& c, std::string message) {
    problems_.push_back({c.offset, c.tag, std::move(message)});
  }

  void checkOrder(const WalkedChunk& c) {
    switch (kind_) {
      case FileKind::kEffect:
        checkEffectChunk(c);
        scene_.chunk(c, problems_);
        return;
      case FileKind::kDefaults:
        recordSeen_ = recordSeen_ || c.tag == fourCC("RIN0");
        checkEffectChunk(c);
        scene_.chunk(c, problems_);
        return;
      case FileKind::kGroupList: checkListChunk(c); return;
      case FileKind::kTexture: checkTextureChunk(c); return;
      case FileKind::kEnvelope:
      case FileKind::kPath: checkCurveChunk(c); return;
      case FileKind::kUnknown: return;
    }
  }

  void checkEffectChunk(const WalkedChunk& c) {
    uint32_t word = 0;
    float real = 0.0f;
    const bool hasWord = c.length >= 4;
    if (hasWord) {
      std::memcpy(&word, c.payload, 4);
      std::memcpy(&real, c.payload, 4);
    }
    if (c.tag == fourCC("ENAM")) titled_ = c.length > 1;
    if (c.tag == fourCC("VCNT") && hasWord) {
      variants_ = word;
      if (word > 20) add(c, std::to_string(word) + " object entries; the library keeps 20");
    }
    if (c.tag == fourCC("VDSC") && hasWord && word >= (variants_ > 20 ? 20 : variants_)) {
      add(c, "variant index " + std::to_string(word) +
                 " has no entry (no VCNT before it, or not below it); ignored");
    }
    if (c.tag == fourCC("BEST") && hasWord && !(real >= 0.0f && real <= kLastPercent)) {
      add(c, "best position outside 0 to 100 percent");
    }
    if (c.tag == fourCC("IMG0")) checkIcon(c);
  }

  void checkIcon(const WalkedChunk& c) {
    if (c.length < kIconHead) return add(c, "icon shorter than its 44-byte head; ignored");
    vta::TextureImage image;
    if (!vta::readIconPayload(image, c.payload, c.length) &&
        (image.width || image.height || c.length > kIconHead)) {
      add(c, "icon pixels refused: sizes, row layout and payload do not agree");
    }
  }

  void checkListChunk(const WalkedChunk& c) {
    if (c.tag == fourCC("OGRP")) {
      items_ = 0;
      if (++groups_ == 4097) add(c, "group beyond the 4096th; dropped");
    } else if (c.tag == fourCC("OITM")) {
      if (groups_ == 0) return add(c, "item before the first group; ignored");
      if (++items_ == 17) add(c, "item beyond the 16th of its group; dropped");
    }
  }

  void checkTextureChunk(const WalkedChunk& c) {
    if (c.tag == fourCC("IDAT")) {
      pixelsOffset_ = c.offset;
      if (sized_ < 6) add(c, "pixels before the chunks that size them");
    } else if (c.tag == fourCC("IWID") || c.tag == fourCC("IHIT") || c.tag == fourCC("IPXR") ||
               c.tag == fourCC("ITRW") || c.tag == fourCC("IBPP") || c.tag == fourCC("IALN")) {
      ++sized_;
    }
  }

  void checkTexturePixels() {
    vta::TextureImage image;
    if (vta::loadTextureImage(image, path_)) return;
    const uint32_t tag = pixelsOffset_ ? fourCC("IDAT") : 0;
    problems_.push_back({pixelsOffset_ ? pixelsOffset_ : 4, tag,
                         pixelsOffset_
                             ? "pixels refused: sizes, row layout and payload do not agree"
                             : "no IDAT chunk: the texture has no pixels"});
  }

  void checkCurveChunk(const WalkedChunk& c) {
    const uint32_t expected = kind_ == FileKind::kEnvelope ? fourCC("ENV0") : fourCC("PTH0");
    if (chunkCount_ == 0 && c.tag != expected)
      add(c, "first chunk is not " + tagText(expected) + "; nothing loads");
    if (chunkCount_ > 0) add(c, "only the first chunk is read; this one is ignored");
  }

  FileKind kind_;
  const char* path_;
  std::vector<Problem> problems_;
  SceneChecks scene_;
  uint32_t chunkCount_ = 0;
  uint32_t variants_ = 0;
  bool titled_ = false;
  bool recordSeen_ = false;
  uint32_t groups_ = 0;
  uint32_t items_ = 0;
  uint32_t sized_ = 0;
  uint64_t pixelsOffset_ = 0;
};

}  // namespace

std::vector<Problem> validateFile(const char* path) {
  uint32_t magic = 0;
  const FileKind kind = readMagic(path, magic) ? kindFromMagic(magic) : FileKind::kUnknown;
  FileChecker checker(kind, path);
  const WalkResult walk = walkChunks(path, [&](const WalkedChunk& c) {
    if (kind != FileKind::kUnknown) checker.chunk(c);
  });
  if (walk.end == WalkEnd::kUnreadable || walk.end == WalkEnd::kNoMagic)
    return {{0, 0, describeWalkEnd(walk)}};
  if (kind == FileKind::kUnknown) return {{0, 0, "unknown magic \"" + tagText(walk.magic) + "\""}};
  std::vector<Problem> problems = checker.finish();
  if (walk.end != WalkEnd::kClean) problems.push_back({walk.endOffset, 0, describeWalkEnd(walk)});
  return problems;
}

std::string formatProblem(const std::string& file, const Problem& p) {
  return file + ":" + std::to_string(p.offset) + ": " +
         (p.tag ? tagText(p.tag) : std::string("-")) + ": " + p.message;
}

}  // namespace vtafx
