// Hand-over records of any identifier, length and content, as a later copy
// (or any other program) can send them to the running one's message window.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "MainRig.h"
#include "app/CommandLine.h"
#include "app/OneInstance.h"
#include "platform/Instance.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::MainRig rig;
  if (size < 1) return 0;
  // First byte: the record's identifier (mostly 0, the one that is accepted).
  const uint32_t dataId = data[0] < 200 ? 0 : data[0];
  std::vector<uint8_t> record(data + 1, data + size);  // exactly the sent bytes
  const auto text = platform::DecodeHandOver(dataId, record.empty() ? nullptr : record.data(), record.size());
  if (!text) return 0;
  fuzz::Check(text->size() < record.size() && text->find('\0') == std::string::npos);
  const std::vector<std::string> lines = app::SplitHandOverText(*text);
  for (const auto& l : lines) fuzz::Check(l.find_first_of("\r\n") == std::string::npos);
  (void)app::ParseCommandLine(lines);
  rig.sys.instance.onHandOver(*text);
  rig.Settle();
  return 0;
}
