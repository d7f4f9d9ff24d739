// An in-memory registry that keeps every value's type and exact bytes, with
// the registry's naming rules (names matched without regard to case, their
// first spelling kept). Tests can make opening chosen keys fail.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace fakes {

class FakeRegistry : public platform::Registry {
 public:
  struct Value {
    std::string name;
    platform::RegValue value;
  };
  struct Key {
    std::string path;           // as first spelled, relative to its root
    std::vector<Value> values;  // in the order they were first written
    // A key deleted and made again is another key: handles to the old one
    // read and write nothing, as the registry's do.
    unsigned serial = 0;
  };

  std::unique_ptr<platform::RegistryKey> Open(platform::RegRoot root, const std::string& path,
                                              platform::RegOpen mode) override;

  // Opening (and creating) these keys of HKEY_CURRENT_USER fails; paths are
  // matched without regard to case.
  void FailOpening(const std::string& path);
  // Any other rule: return true to make that open fail.
  std::function<bool(platform::RegRoot, const std::string& path, platform::RegOpen)> failOpen;
  bool failWrites = false;
  int opens = 0, created = 0, writes = 0;

  // Test helpers. Paths are relative to the root (HKEY_CURRENT_USER unless
  // said otherwise); Put creates the key and its parents.
  void Put(const std::string& path, const std::string& name, uint32_t type,
           std::vector<uint8_t> data, platform::RegRoot root = platform::RegRoot::CurrentUser);
  void PutDword(const std::string& path, const std::string& name, uint32_t v,
                platform::RegRoot root = platform::RegRoot::CurrentUser);
  // REG_SZ with its terminating NUL.
  void PutString(const std::string& path, const std::string& name, const std::string& text,
                 platform::RegRoot root = platform::RegRoot::CurrentUser);
  const platform::RegValue* Get(const std::string& path, const std::string& name,
                                platform::RegRoot root = platform::RegRoot::CurrentUser) const;
  bool HasKey(const std::string& path, platform::RegRoot root = platform::RegRoot::CurrentUser) const;
  // Every key path below (and including) prefix, as spelled, sorted without case.
  std::vector<std::string> KeysUnder(const std::string& prefix,
                                     platform::RegRoot root = platform::RegRoot::CurrentUser) const;
  std::vector<std::string> ValueNames(const std::string& path,
                                      platform::RegRoot root = platform::RegRoot::CurrentUser) const;
  void Clear() { keys_.clear(); }

  // For the keys it hands out.
  Key* Find(platform::RegRoot root, const std::string& path);
  Key& Create(platform::RegRoot root, const std::string& path);
  std::vector<std::string> Children(platform::RegRoot root, const std::string& path) const;

 private:
  static std::string Id(platform::RegRoot root, const std::string& path);
  std::map<std::string, Key> keys_;  // by root and upper-case path
  std::set<std::string> failing_;
  unsigned serials_ = 0;
};

}  // namespace fakes
