// The common file dialogs.
#pragma once

#include "platform/FileDialogs.h"

namespace platform::win32 {

class Win32FileDialogs : public FileDialogs {
 public:
  std::optional<std::string> SaveFileName(const std::string& filter, const std::string& title,
                                          uint32_t ownerWindow) override;
};

}  // namespace platform::win32
