// BIOS records of any type and length in the machine's registry, as both
// Windows families keep them: read at creation and for the box, never past
// a value's bytes, and never a box built from an unreadable record.
#include "Check.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/FakeRegistry.h"
#include "fakes/FakeTools.h"
#include "tools/BIOSDate.h"
#include "ui/Headless.h"
#include "ui/Window.h"

using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const bool win9x = data[0] & 1;
  fakes::FakeRegistry registry;
  fakes::FakeTools tools;
  if (win9x) tools.version.SetWin98();
  // Records: value, type, length, bytes; the 9x ones under two device keys.
  static const char* const kNt[] = {"SystemBiosVersion", "SystemBiosDate", "VideoBiosVersion"};
  static const char* const k9x[] = {"BIOSVersion", "BIOSDate"};
  size_t i = 1;
  while (i + 3 <= size) {
    const uint8_t which = data[i];
    const uint32_t type = data[i + 1] % 12;
    size_t length = data[i + 2] * 8u;  // up to 2040 bytes, past every buffer
    i += 3;
    if (length > size - i) length = size - i;
    std::vector<uint8_t> bytes(data + i, data + i + length);
    i += length;
    if (win9x)
      registry.Put(std::string("Enum\\Root\\Dev") + char('A' + which % 2) + "\\0000", k9x[which / 2 % 2],
                   type, std::move(bytes), platform::RegRoot::LocalMachine);
    else
      registry.Put("HARDWARE\\DESCRIPTION\\System", kNt[which % 3], type, std::move(bytes),
                   platform::RegRoot::LocalMachine);
  }
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Window window(app, "MainForm");
  tools::TBIOSDate bios(&window, "BIOSDate", registry, tools.tools);
  // NT reads into a 1001-byte buffer; a 9x string value has no such bound.
  Check(bios.BIOSVersion().find('\0') == std::string::npos);
  if (!win9x) Check(bios.BIOSVersion().size() <= 1001 && bios.VideoBIOSVersion().size() <= 1001);
  if (auto key = registry.Open(platform::RegRoot::LocalMachine, "HARDWARE\\DESCRIPTION\\System",
                               platform::RegOpen::Read)) {
    if (auto lines = tools::ReadMultiStringLines(*key, "SystemBiosVersion"))
      for (const auto& l : *lines) Check(!l.empty() && l.size() <= 99);
  }
  tools::ShowBiosInformation(bios, registry, tools.tools);
  Check(tools.boxes.shown.size() <= 1);
  return 0;
}
