// eval prints the argument as given and the value(s) with %.9g.
#include <gtest/gtest.h>

#include "commands.h"
#include "documents.h"
#include "tool_files.h"

namespace vtafx {
namespace {

class Eval : public ::testing::Test {
 protected:
  std::string built(const std::string& json, const char* name) {
    const std::string path = folder.file(name);
    buildDocument(parsedJson(json), path.c_str());
    return path;
  }
  vta::TempFolder folder;
};

TEST_F(Eval, EnvelopePrintsOneValuePerArgument) {
  const std::string env = built(
      R"({"kind": "envelope", "id": 1, "keys": [{"time": 0, "value": 10}, {"time": 1, "value": 20}]})",
      "e.env");
  const CommandRun run = runCaptured(runEval, {"env", env, "0", "50%", "0.25", "1e0"});
  EXPECT_EQ(kExitOk, run.code);
  EXPECT_EQ("0 10\n50% 15\n0.25 12.5\n1e0 20\n", run.out);
}

TEST_F(Eval, PercentFindsAKeyMadeFromTheSamePercentExactly) {
  // 0.35 typed as a float is not 35 x 0.01f; the key was made from 35%.
  const std::string env = built(R"({"kind": "envelope", "id": 1, "keys": [{"time": 0, "value": 0},
      {"time": "35%", "value": 7, "linear": 1}, {"time": 1, "value": 0, "linear": 1}]})",
                                "k.env");
  EXPECT_EQ("35% 7\n", runCaptured(runEval, {"env", env, "35%"}).out);
}

TEST_F(Eval, PathPrintsTheNinePlacementValuesInKeyOrder) {
  const std::string pth = built(R"({"kind": "path", "id": 2, "keys": [
      {"time": 0, "position": [0, 0, 0], "rotation": [0, 0, 0], "scale": [1, 1, 1]},
      {"time": 1, "position": [2, 4, 6], "rotation": [10, 20, 30], "scale": [3, 3, 3], "linear": 1}]})",
                                "p.pth");
  EXPECT_EQ("50% 1 2 3 5 10 15 2 2 2\n", runCaptured(runEval, {"path", pth, "50%"}).out);
}

TEST_F(Eval, BadTimesAreUsageErrorsAndMissingFilesFailures) {
  const std::string env = built(R"({"kind": "envelope", "id": 1, "keys": []})", "z.env");
  EXPECT_EQ(kExitUsage, runCaptured(runEval, {"env", env, "half"}).code);
  EXPECT_EQ(kExitUsage, runCaptured(runEval, {"env", env, "2.5%"}).code);
  EXPECT_EQ(kExitUsage, runCaptured(runEval, {"env", env, "0.5x"}).code);
  EXPECT_EQ(kExitFailed, runCaptured(runEval, {"path", env, "0"}).code);  // an envelope is no path
}

}  // namespace
}  // namespace vtafx
