// dump, build and validate.
#include <cstdio>

#include "commands.h"
#include "documents.h"
#include "json_access.h"
#include "raw_document.h"
#include "text_file.h"
#include "validate.h"

namespace vtafx {

int report(int code, const std::string& message) {
  std::fprintf(stderr, "vtafx: %s\n", message.c_str());
  return code;
}

bool takeOutput(Args& args, std::string& output) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "-o") continue;
    if (i + 1 == args.size()) return false;
    output = args[i + 1];
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    return true;
  }
  return false;
}

int runDump(const Args& args) {
  const bool raw = !args.empty() && args[0] == "--raw";
  if (args.size() != (raw ? 2u : 1u)) return report(kExitUsage, "usage: vtafx dump [--raw] FILE");
  const std::string& path = args.back();
  Json document;
  std::string error;
  bool complete = true;
  const bool loaded = raw ? rawDocument(path.c_str(), document, error)
                          : dumpDocument(path.c_str(), document, complete, error);
  if (!loaded) return report(kExitFailed, path + ": " + error);
  std::fputs(writeJson(document).c_str(), stdout);
  if (!complete)
    return report(kExitFailed,
                  path + ": the library's loader stopped early; shown is what it keeps");
  return kExitOk;
}

int runBuild(const Args& given) {
  Args args = given;
  std::string output;
  if (!takeOutput(args, output) || args.size() != 1)
    return report(kExitUsage, "usage: vtafx build FILE.json -o OUT");
  std::string text, error;
  Json document;
  if (!readTextFile(args[0], text, kMaxJsonBytes))
    return report(kExitFailed, args[0] + ": cannot read");
  if (!parseJson(text, document, error)) return report(kExitFailed, args[0] + ": " + error);
  try {
    buildDocument(document, output.c_str());
  } catch (const BuildError& e) {
    return report(kExitFailed, args[0] + ": " + e.what());
  }
  return kExitOk;
}

int runValidate(const Args& args) {
  if (args.empty()) return report(kExitUsage, "usage: vtafx validate FILE...");
  bool clean = true;
  for (const std::string& path : args) {
    for (const Problem& problem : validateFile(path.c_str())) {
      std::printf("%s\n", formatProblem(path, problem).c_str());
      clean = false;
    }
  }
  return clean ? kExitOk : kExitFailed;
}

}  // namespace vtafx
