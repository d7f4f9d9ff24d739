// Global hot keys as a table; a test may make keys taken by "another program".
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/HotKeys.h"

namespace fakes {

class FakeHotKeys : public platform::HotKeys {
 public:
  struct Key {
    uint32_t window;
    int virtualKey;
  };
  std::map<std::string, uint16_t> atoms;  // name → atom
  std::map<uint16_t, int> atomRefs;
  std::map<int, Key> registered;  // id → key
  std::set<int> takenKeys;        // virtual keys another program holds
  int registerCalls = 0;

  uint16_t AddGlobalAtom(const std::string& name) override {
    auto [it, added] = atoms.try_emplace(name, static_cast<uint16_t>(0xC000 + atoms.size()));
    ++atomRefs[it->second];
    return it->second;
  }
  void DeleteGlobalAtom(uint16_t atom) override {
    if (atom && --atomRefs[atom] == 0) atomRefs.erase(atom);
  }
  bool Register(uint32_t window, int id, int virtualKey) override {
    ++registerCalls;
    if (takenKeys.count(virtualKey) || registered.count(id)) return false;
    registered[id] = {window, virtualKey};
    return true;
  }
  void Unregister(uint32_t, int id) override { registered.erase(id); }
  // The id registered for Ctrl+Alt+key, or 0.
  int IdOf(int virtualKey) const {
    for (const auto& [id, key] : registered)
      if (key.virtualKey == virtualKey) return id;
    return 0;
  }
};

}  // namespace fakes
