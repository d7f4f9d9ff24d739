// Starting other programs, process priority and profile (ini) files.
#pragma once

#include <string>

namespace platform {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts commandLine (no separate application name) in its own console with
  // workDir as its folder, waits for it without limit; false when it did not start.
  virtual bool RunAndWait(const std::string& commandLine, const std::string& workDir) = 0;
};

class ProfileReader {
 public:
  virtual ~ProfileReader() = default;
  // The value, at most maxChars characters, or def when the key or file is missing.
  virtual std::string ReadString(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& def,
                                 size_t maxChars) = 0;
  virtual int ReadInt(const std::string& file, const std::string& section,
                      const std::string& key, int def) = 0;
};

}  // namespace platform
