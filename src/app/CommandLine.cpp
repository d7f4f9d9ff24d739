#include "app/CommandLine.h"

#include "text/Text.h"

namespace app {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  if (args.size() < 2) return cl;
  const std::string first = text::Upper(args[1]);
  if (first == "/W") cl.mode = Mode::ShowWindow;
  else if (first == "/OPT") cl.mode = Mode::Optimize;
  else if (first == "/FREE") cl.mode = Mode::Free;
  else if (first == "/AWC") cl.mode = Mode::Launcher;
  if (args.size() >= 3) cl.parameter = args[2];
  return cl;
}

int32_t FreeAmount(const std::string& parameter) {
  return text::ParseInt(parameter).value_or(1);
}

}  // namespace app
