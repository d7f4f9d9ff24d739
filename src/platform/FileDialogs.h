// The system's file dialogs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Asks where to save. filter lists "description|pattern" pairs joined by
  // "|"; the name comes back as typed (no extension added, no question when
  // the file exists). Nothing when the user cancels or the dialog fails.
  virtual std::optional<std::string> SaveFileName(const std::string& filter,
                                                  const std::string& title,
                                                  uint32_t ownerWindow) = 0;
};

}  // namespace platform
