// One stored value of any type and length, read back through the settings
// store as a number, a flag and a text: a usable value or the default, and
// never a read past the value's bytes.
#include "Check.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/FakeRegistry.h"
#include "fakes/SettingsLayout.h"
#include "settings/IniFile.h"
#include "ui/Headless.h"
#include "ui/Window.h"

using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint32_t type = data[0] < 240 ? data[0] % 12 : data[0];  // mostly the known types
  fakes::FakeRegistry registry;
  registry.Put(fakes::kSettingsRoot, "V", type, std::vector<uint8_t>(data + 1, data + size));

  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Window window(app, "MainForm");
  settings::TElIniFile store(&window, "IniFile", registry);
  int32_t n = 0;
  const bool isNumber = store.ReadInteger("V", -7, n);
  Check(isNumber == (type == platform::reg::kDword && size == 5));
  Check(isNumber || n == -7);
  bool flag = true;
  Check(store.ReadBool("V", true, flag) == isNumber && (isNumber || flag));
  std::string s;
  if (store.ReadString("V", "def", s)) {
    Check(s.find('\0') == std::string::npos);
    if (type == platform::reg::kSz || type == platform::reg::kExpandSz) Check(s.size() < size);
  } else {
    Check(s == "def");
  }
  // The store's writers leave values the readers take back unchanged.
  Check(store.WriteString("W", s) && store.ReadString("W", "", s));
  Check(store.WriteInteger("N", n) && store.ReadInteger("N", 0, n));
  return 0;
}
