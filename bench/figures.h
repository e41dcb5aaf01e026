// Machine-readable figures for scripts/bench.sh: a timing program started
// with --figures prints, besides its text, one line per measurement,
// "figure<TAB>key<TAB>value<TAB>unit", which the script collects over runs.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>

namespace bench {

// Whether --figures was given; removes it from the arguments.
inline bool takeFiguresFlag(int& argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--figures") != 0) continue;
    for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
    --argc;
    return true;
  }
  return false;
}

// Keeps the figure lines and prints them at the end, after the program's
// text, so that they never land inside a half-printed line of it.
class Figures {
 public:
  explicit Figures(bool on) : on_(on) {}
  ~Figures() { std::fputs(lines_.c_str(), stdout); }
  Figures(const Figures&) = delete;
  Figures& operator=(const Figures&) = delete;

  void add(const std::string& key, double value, const char* unit) {
    if (!on_) return;
    char number[32];
    std::snprintf(number, sizeof number, "%.9g", value);
    lines_ += "figure\t" + key + "\t" + number + "\t" + unit + "\n";
  }

 private:
  bool on_;
  std::string lines_;
};

}  // namespace bench
