// System-wide hot keys, always with Ctrl+Alt, identified by global atoms.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class HotKeys {
 public:
  virtual ~HotKeys() = default;
  // A global atom for the name (its reference count goes up), 0 when refused.
  virtual uint16_t AddGlobalAtom(const std::string& name) = 0;
  virtual void DeleteGlobalAtom(uint16_t atom) = 0;
  // Ctrl+Alt+virtualKey, reported to the window with the id; false when the
  // system refuses it (another program may hold the combination).
  virtual bool Register(uint32_t window, int id, int virtualKey) = 0;
  virtual void Unregister(uint32_t window, int id) = 0;
};

}  // namespace platform
