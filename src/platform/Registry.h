// The registry: keys under the predefined roots, values with their type and
// their bytes as stored. Logic reads values through RegistryKey::Read and
// decides itself what a type or a byte count means.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class RegRoot { CurrentUser, LocalMachine, ClassesRoot, Users, CurrentConfig };

// The registry's value types, by the numbers the registry uses.
namespace reg {
constexpr uint32_t kNone = 0;
constexpr uint32_t kSz = 1;
constexpr uint32_t kExpandSz = 2;
constexpr uint32_t kBinary = 3;
constexpr uint32_t kDword = 4;
constexpr uint32_t kDwordBigEndian = 5;
constexpr uint32_t kLink = 6;
constexpr uint32_t kMultiSz = 7;
constexpr uint32_t kQword = 11;
}  // namespace reg

// A value as stored: its type and exactly its bytes (a REG_SZ includes its
// terminating NUL when the writer stored one).
struct RegValue {
  uint32_t type = reg::kNone;
  std::vector<uint8_t> data;
};

// How a key is opened.
enum class RegOpen {
  Read,       // an existing key, for reading only
  ReadWrite,  // an existing key, for reading and writing
  Create,     // created (with its missing parents) when missing; reading and writing
};

// An open key; closed when destroyed.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // The value, or nothing when it is missing or cannot be read. name "" is
  // the key's default value.
  virtual std::optional<RegValue> Read(const std::string& name) = 0;
  // REG_DWORD, 4 bytes little-endian.
  virtual bool WriteDword(const std::string& name, uint32_t value) = 0;
  // REG_SZ: the text up to its first NUL, and one terminating NUL.
  virtual bool WriteString(const std::string& name, const std::string& text) = 0;
  // False when the value could not be deleted (a missing value included).
  virtual bool DeleteValue(const std::string& name) = 0;
  // Names in the order the registry lists them.
  virtual std::vector<std::string> SubKeyNames() = 0;
  virtual std::vector<std::string> ValueNames() = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // path is relative to the root, its parts separated by "\" (no leading
  // "\"); "" is the root itself. Nothing when the key cannot be opened.
  virtual std::unique_ptr<RegistryKey> Open(RegRoot root, const std::string& path, RegOpen mode) = 0;
};

}  // namespace platform
