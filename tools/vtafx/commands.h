#pragma once
// The tool's commands. Each takes the arguments after the command's name
// and returns the process exit code: 0 success, 1 failure (or problems
// found), 2 a usage error.

#include <string>
#include <vector>

namespace vtafx {

using Args = std::vector<std::string>;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int runDump(const Args& args);
int runBuild(const Args& args);
int runValidate(const Args& args);
int runEval(const Args& args);
int runTexture(const Args& args);
int runInstall(const Args& args);

// Prints "vtafx: <message>" to stderr and returns code.
int report(int code, const std::string& message);

// Splits "-o OUT" out of args; false when -o is missing or has no value.
bool takeOutput(Args& args, std::string& output);

}  // namespace vtafx
