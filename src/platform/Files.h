// Reading whole files as bytes.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

enum class ReadResult {
  Ok,
  Missing,     // no file of that name (a folder of that name counts as none)
  Unreadable,  // the file exists but cannot be opened or read
  TooLarge,    // the file is longer than the caller accepts
};

class Files {
 public:
  virtual ~Files() = default;
  // Reads the whole file into bytes, unchanged; bytes is left empty unless
  // the result is Ok. Files longer than maxBytes are not read.
  virtual ReadResult ReadAll(const std::string& path, size_t maxBytes, std::string& bytes) = 0;
};

}  // namespace platform
