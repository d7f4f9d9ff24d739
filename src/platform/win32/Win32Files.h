// Files through the Win32 file API (ANSI names).
#pragma once

#include "platform/Files.h"

namespace platform::win32 {

class Win32Files : public Files {
 public:
  ReadResult ReadAll(const std::string& path, size_t maxBytes, std::string& bytes) override;
};

}  // namespace platform::win32
