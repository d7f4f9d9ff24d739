// Files as a map from full name to contents; names match without case, as on Windows.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "text/Text.h"

namespace fakes {

class FakeFiles : public platform::Files {
 public:
  struct Entry {
    std::string bytes;
    bool readable = true;
  };
  std::map<std::string, Entry> files;
  std::vector<std::string> reads;  // every name asked for

  void Put(const std::string& path, std::string bytes) { files[path] = {std::move(bytes), true}; }
  void PutLocked(const std::string& path) { files[path] = {"", false}; }

  platform::ReadResult ReadAll(const std::string& path, size_t maxBytes, std::string& bytes) override {
    reads.push_back(path);
    bytes.clear();
    for (const auto& [name, entry] : files) {
      if (!text::EqualsNoCase(name, path)) continue;
      if (!entry.readable) return platform::ReadResult::Unreadable;
      if (entry.bytes.size() > maxBytes) return platform::ReadResult::TooLarge;
      bytes = entry.bytes;
      return platform::ReadResult::Ok;
    }
    return platform::ReadResult::Missing;
  }
};

}  // namespace fakes
