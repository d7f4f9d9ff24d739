#include "platform/win32/Win32Registry.h"

#include <cstring>

namespace platform::win32 {

HKEY Win32Registry::RootKey(RegRoot root) {
  switch (root) {
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegRoot::Users: return HKEY_USERS;
    case RegRoot::CurrentConfig: return HKEY_CURRENT_CONFIG;
  }
  return HKEY_CURRENT_USER;
}

std::unique_ptr<RegistryKey> Win32Registry::Open(RegRoot root, const std::string& path, RegOpen mode) {
  HKEY key = nullptr;
  LONG r;
  if (mode == RegOpen::Create) {
    DWORD disposition = 0;
    r = RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, &disposition);
  } else {
    r = RegOpenKeyExA(RootKey(root), path.c_str(), 0,
                      mode == RegOpen::Read ? KEY_READ : KEY_READ | KEY_WRITE, &key);
  }
  if (r != ERROR_SUCCESS || !key) return nullptr;
  return std::make_unique<Win32RegistryKey>(key);
}

Win32RegistryKey::~Win32RegistryKey() {
  if (key_) RegCloseKey(key_);
}

std::optional<RegValue> Win32RegistryKey::Read(const std::string& name) {
  DWORD type = 0;
  // Most values fit the first buffer: one call to the registry instead of a
  // size query first (each is a round trip to Wine's server, hundreds at start).
  // A value that grows between calls gets a few tries, then is given up.
  DWORD size = 255;
  for (int attempt = 0; attempt < 9; ++attempt) {
    std::vector<uint8_t> data(size + 1);
    DWORD got = size;
    const LONG r = RegQueryValueExA(key_, name.c_str(), nullptr, &type, data.data(), &got);
    if (r == ERROR_SUCCESS) {
      data.resize(got <= size ? got : size);
      return RegValue{type, std::move(data)};
    }
    if (r != ERROR_MORE_DATA) return std::nullopt;
    size = got > size ? got : size * 2 + 64;
  }
  return std::nullopt;
}

bool Win32RegistryKey::WriteDword(const std::string& name, uint32_t value) {
  const BYTE bytes[4] = {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)};
  return RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, bytes, 4) == ERROR_SUCCESS;
}

bool Win32RegistryKey::WriteString(const std::string& name, const std::string& text) {
  const char* s = text.c_str();
  return RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(s),
                        static_cast<DWORD>(std::strlen(s) + 1)) == ERROR_SUCCESS;
}

bool Win32RegistryKey::DeleteValue(const std::string& name) {
  return RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> Win32RegistryKey::SubKeyNames() {
  std::vector<std::string> names;
  std::vector<char> buffer(16384);
  for (DWORD i = 0;; ++i) {
    DWORD n = static_cast<DWORD>(buffer.size());
    const LONG r = RegEnumKeyExA(key_, i, buffer.data(), &n, nullptr, nullptr, nullptr, nullptr);
    if (r != ERROR_SUCCESS) break;
    names.emplace_back(buffer.data(), n);
  }
  return names;
}

std::vector<std::string> Win32RegistryKey::ValueNames() {
  std::vector<std::string> names;
  std::vector<char> buffer(32768);
  for (DWORD i = 0;; ++i) {
    DWORD n = static_cast<DWORD>(buffer.size());
    const LONG r = RegEnumValueA(key_, i, buffer.data(), &n, nullptr, nullptr, nullptr, nullptr);
    if (r != ERROR_SUCCESS) break;
    names.emplace_back(buffer.data(), n);
  }
  return names;
}

}  // namespace platform::win32
