// vtafx: makes, inspects and checks the data files of the effect library.
#include <cstdio>
#include <cstring>

#include "commands.h"
#include "image_io.h"
#include "render_commands.h"

namespace {

const char kHelp[] =
    "vtafx - make, inspect and check Vantaro effect data files\n"
    "\n"
    "  vtafx dump FILE\n"
    "      Print any chunk file (effect VTAE, texture VTAI, group list VTAG,\n"
    "      defaults VTAR, envelope VENV, path VPTH; known by its magic) as JSON,\n"
    "      as the library loads it.\n"
    "  vtafx dump --raw FILE\n"
    "      List the chunks exactly as stored: tag, offset, length, the payload\n"
    "      decoded where the tag is known, and its bytes as hex.\n"
    "  vtafx build FILE.json -o OUT\n"
    "      Write the file a dump (raw or not) describes.\n"
    "  vtafx validate FILE...\n"
    "      One line per problem: FILE:OFFSET: TAG: message. Exit 0 clean,\n"
    "      1 problems found, 2 usage error.\n"
    "  vtafx eval env FILE.env T...\n"
    "  vtafx eval path FILE.pth T...\n"
    "      Evaluate the curve: per argument one line, the argument, then the\n"
    "      value (a path: its nine placement values) printed with %.9g. \"N%\"\n"
    "      (whole N) means N x 0.01 as the editors make it; else a float.\n"
    "  vtafx texture IN -o OUT.VTT\n"
    "      Make a texture (24-bit, bottom-up rows aligned to 4) from a picture.\n"
    "  vtafx texture --export FILE.VTT -o OUT\n"
    "      Write a 24-bit texture back as a picture.\n"
    "  vtafx install SRC_DIR OUT_DIR [--renderer LIB] [--warp FILE]...\n"
    "      Build an installation tree from the sample sources. LIB goes into\n"
    "      LIBS and every warp FILE into WARPS; effects without an icon then get\n"
    "      one rendered by LIB at their best moment (else a schematic).\n"
    "  vtafx render (EFFECT | --record FILE) --install DIR [--size N|WxH]\n"
    "               [--frames N] [--out DIR] [--from IMG --to IMG] [--renderer LIB]\n"
    "               [--set INDEX=VALUE]...\n"
    "      Render a transition through a renderer plug-in (default\n"
    "      DIR/LIBS/Rnd_Software.so) into PNG frames and a contact sheet: the\n"
    "      installed EFFECT as the preview draws it, or a record saved by the\n"
    "      demo host as the host renders it. Pictures keep their aspect.\n"
    "  vtafx check-renderer LIB --install DIR [--effect NAME]\n"
    "      Check a renderer plug-in against the contract: entries, call order,\n"
    "      writes inside the output only, abort, context release.\n"
    "  vtafx check-effect --install DIR [--renderer LIB] [EFFECT...]\n"
    "      Check that each effect (default: every installed one) starts exactly\n"
    "      on the outgoing and ends exactly on the incoming clip, at 32, 64 and\n"
    "      128 pixels with and without antialiasing.\n"
    "\n"
    "Exit codes: 0 success, 1 failure or problems found, 2 usage error.\n"
    "See docs/vtafx.md.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace vtafx;
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
    std::printf("%s%s\n", kHelp, pictureFormatsNote());
    return argc < 2 ? kExitUsage : kExitOk;
  }
  const std::string command = argv[1];
  const Args args(argv + 2, argv + argc);
  if (command == "dump") return runDump(args);
  if (command == "build") return runBuild(args);
  if (command == "validate") return runValidate(args);
  if (command == "eval") return runEval(args);
  if (command == "texture") return runTexture(args);
  if (command == "install") return runInstall(args);
  if (command == "render") return runRender(args);
  if (command == "check-renderer") return runCheckRenderer(args);
  if (command == "check-effect") return runCheckEffect(args);
  return report(kExitUsage, "unknown command \"" + command + "\"; see vtafx --help");
}
