// The registry over the real API (ANSI functions, 8-bit texts).
#pragma once

#include <windows.h>

#include "platform/Registry.h"

namespace platform::win32 {

class Win32RegistryKey : public RegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}
  ~Win32RegistryKey() override;
  std::optional<RegValue> Read(const std::string& name) override;
  bool WriteDword(const std::string& name, uint32_t value) override;
  bool WriteString(const std::string& name, const std::string& text) override;
  bool DeleteValue(const std::string& name) override;
  std::vector<std::string> SubKeyNames() override;
  std::vector<std::string> ValueNames() override;
  HKEY Handle() const { return key_; }

 private:
  HKEY key_;
};

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> Open(RegRoot root, const std::string& path, RegOpen mode) override;
  static HKEY RootKey(RegRoot root);
};

}  // namespace platform::win32
