#include "platform/CommandLineSplit.h"

namespace platform {

std::vector<std::string> SplitArguments(const std::string& line) {
  std::vector<std::string> args;
  size_t i = 0;
  while (true) {
    while (i < line.size() && static_cast<unsigned char>(line[i]) <= ' ') ++i;
    if (i >= line.size()) break;
    std::string arg;
    bool quoted = false;
    for (; i < line.size(); ++i) {
      const char c = line[i];
      if (c == '"') quoted = !quoted;
      else if (!quoted && static_cast<unsigned char>(c) <= ' ') break;
      else arg += c;
    }
    args.push_back(arg);
  }
  return args;
}

}  // namespace platform
