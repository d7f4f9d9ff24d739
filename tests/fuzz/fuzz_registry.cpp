// Stored settings of any type and length: every value the main window keeps
// is replaced by fuzzed bytes, then the window restores itself from them and
// runs a display tick. Slow (the whole window per input); fuzz_regvalue is
// the fast one for the reading rules.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "MainRig.h"
#include "fakes/SettingsLayout.h"
#include "settings/IniFile.h"

namespace {

struct Slot {
  std::string path, name;
};

// Every (key, value name) of the stored settings, plus one unknown value.
const std::vector<Slot>& Slots() {
  static const std::vector<Slot> slots = [] {
    std::vector<Slot> s;
    for (const auto& [below, values] : fakes::SettingsLayout()) {
      const std::string path = std::string(fakes::kSettingsRoot) + (below.empty() ? "" : "\\" + below);
      for (const auto& v : values) s.push_back({path, v.first});
    }
    s.push_back({fakes::kSettingsRoot, "Unknown"});
    return s;
  }();
  return slots;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::MainRig rig;
  rig.sys.registry.Clear();
  // Records: slot, type, length, then that many bytes (cut at the input's end).
  size_t i = 0;
  while (i + 3 <= size) {
    const Slot& slot = Slots()[data[i] % Slots().size()];
    const uint32_t type = data[i + 1] % 13;
    size_t length = data[i + 2];
    i += 3;
    if (length > size - i) length = size - i;
    platform::RegValue v{type, std::vector<uint8_t>(data + i, data + i + length)};
    i += length;
    if (auto n = settings::ValueAsInteger(v)) fuzz::Check(type == platform::reg::kDword && length == 4);
    if (auto s = settings::ValueAsString(v)) {
      if (type == platform::reg::kSz || type == platform::reg::kExpandSz) fuzz::Check(s->size() <= length);
      fuzz::Check(s->find('\0') == std::string::npos);
    }
    rig.sys.registry.Put(slot.path, slot.name, type, std::move(v.data));
  }
  rig.form->FormPersist->RestoreWindow();
  rig.form->ShowAutoFreeingState();
  rig.form->CaptionTrayAmounts();
  rig.form->SyncSensorActions();
  rig.form->TrayModeSwitch();
  rig.Settle();
  return 0;
}
