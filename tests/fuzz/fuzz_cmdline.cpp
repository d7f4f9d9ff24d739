// Raw command lines: splitting, switch parsing and the "/FREE" amount.
#include "Check.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "platform/CommandLineSplit.h"

using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> args = platform::SplitArguments(line);
  size_t kept = 0;
  for (const auto& a : args) {
    Check(a.find('"') == std::string::npos);  // quotes group and are removed
    kept += a.size();
  }
  Check(kept <= size);
  args.insert(args.begin(), "C:\\Brantelle.exe");
  const app::CommandLine cl = app::ParseCommandLine(args);
  Check(cl.parameter.empty() || args.size() >= 3);
  if (cl.mode == app::Mode::Free) (void)app::FreeAmount(cl.parameter);
  (void)app::FreeAmount(line);
  return 0;
}
