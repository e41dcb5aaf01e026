#include "render_args.h"

#include <cstdlib>

namespace vtafx {

namespace {

constexpr uint32_t kMaxSide = 4096;

bool parseNumber(const std::string& text, uint32_t low, uint32_t high, uint32_t& out) {
  char* end = nullptr;
  unsigned long value = std::strtoul(text.c_str(), &end, 10);
  if (text.empty() || *end || value < low || value > high) return false;
  out = static_cast<uint32_t>(value);
  return true;
}

// "N" (square) or "WxH".
bool parseSize(const std::string& text, uint32_t& width, uint32_t& height) {
  const size_t x = text.find('x');
  if (x == std::string::npos) {
    if (!parseNumber(text, 1, kMaxSide, width)) return false;
    height = width;
    return true;
  }
  return parseNumber(text.substr(0, x), 1, kMaxSide, width) &&
         parseNumber(text.substr(x + 1), 1, kMaxSide, height);
}

bool parseOption(const std::string& text, std::map<int, float>& options) {
  size_t equals = text.find('=');
  uint32_t index = 0;
  if (equals == std::string::npos || !parseNumber(text.substr(0, equals), 0, 2009, index))
    return false;
  options[static_cast<int>(index)] = std::strtof(text.c_str() + equals + 1, nullptr);
  return true;
}

bool parseOne(const Args& args, size_t& i, RenderArgs& r) {
  const std::string& a = args[i];
  if (a.rfind("--", 0) != 0) {
    if (!r.effect.empty()) return false;
    r.effect = a;
    return true;
  }
  if (i + 1 >= args.size()) return false;
  const std::string& value = args[++i];
  if (a == "--install")
    r.install = value;
  else if (a == "--record")
    r.record = value;
  else if (a == "--out")
    r.out = value;
  else if (a == "--from")
    r.from = value;
  else if (a == "--to")
    r.to = value;
  else if (a == "--renderer")
    r.renderer = value;
  else if (a == "--size")
    return parseSize(value, r.width, r.height);
  else if (a == "--frames")
    return parseNumber(value, 1, 10000, r.frames);
  else if (a == "--threads")
    return parseNumber(value, 0, 64, r.threads);
  else if (a == "--set")
    return parseOption(value, r.options);
  else
    return false;
  return true;
}

}  // namespace

bool parseRenderArgs(const Args& args, RenderArgs& r) {
  for (size_t i = 0; i < args.size(); ++i)
    if (!parseOne(args, i, r)) return false;
  const bool fromRecord = !r.record.empty();
  if (r.width == 0) {
    r.width = fromRecord ? 640 : 128;
    r.height = fromRecord ? 360 : 128;
  }
  if (r.frames == 0) r.frames = fromRecord ? 50 : 20;
  return r.effect.empty() == fromRecord && !r.install.empty() && r.from.empty() == r.to.empty();
}

}  // namespace vtafx
