// Drives through the Win32 volume functions.
#pragma once

#include "platform/Drives.h"

namespace platform::win32 {

class Win32Drives : public Drives {
 public:
  std::string Letters() override;
  unsigned DriveType(const std::string& root) override;
  std::string VolumeName(char letter) override;
  int64_t FreeBytes(int driveNumber) override;
};

}  // namespace platform::win32
