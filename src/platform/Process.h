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

class ProfileWriter {
 public:
  virtual ~ProfileWriter() = default;
  // Sets the key to the value, creating section and file as needed; false
  // when the system refused.
  virtual bool WriteString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
  // Removes the key (written with no value); false when the system refused.
  virtual bool DeleteKey(const std::string& file, const std::string& section,
                         const std::string& key) = 0;
};

}  // namespace platform
