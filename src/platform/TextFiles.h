// Writing small text files line by line: nothing stays open between calls.
#pragma once

#include <string>

namespace platform {

class TextFiles {
 public:
  virtual ~TextFiles() = default;
  // Appends bytes at the end of the file, creating it when it does not exist;
  // an existing file is never emptied. Flushed and closed before returning.
  // Returns 0, or the system's error code when opening, writing, flushing or
  // closing failed.
  virtual unsigned Append(const std::string& path, const std::string& bytes) = 0;
  // Creates the file anew with length 0; false when that failed.
  virtual bool Create(const std::string& path) = 0;
  // Deletes the file; false when it failed (for instance, there was none).
  virtual bool Delete(const std::string& path) = 0;
};

}  // namespace platform
