// Global hot keys and atoms through the window manager.
#pragma once

#include "platform/HotKeys.h"

namespace platform::win32 {

class Win32HotKeys : public HotKeys {
 public:
  uint16_t AddGlobalAtom(const std::string& name) override;
  void DeleteGlobalAtom(uint16_t atom) override;
  bool Register(uint32_t window, int id, int virtualKey) override;
  void Unregister(uint32_t window, int id) override;
};

}  // namespace platform::win32
