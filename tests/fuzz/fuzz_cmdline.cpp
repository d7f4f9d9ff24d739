// Raw command lines through the program's own reading: splitting into
// arguments, the switches and the "/FREE" amount.
#include "Check.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "platform/CommandLineSplit.h"

using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> args = platform::SplitArguments(line);
  // Arguments written back, each in quotes, split into the same arguments: a
  // program that starts this one with them is understood.
  std::string again;
  for (const auto& a : args) again += (again.empty() ? "\"" : " \"") + a + "\"";
  Check(platform::SplitArguments(again) == args);
  args.insert(args.begin(), "C:\\Brantelle.exe");
  const app::CommandLine cl = app::ParseCommandLine(args);
  if (cl.mode == app::Mode::Free) (void)app::FreeAmount(cl.parameter);
  (void)app::FreeAmount(line);
  return 0;
}
