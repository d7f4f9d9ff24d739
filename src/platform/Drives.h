// The drives of the system: which exist, their kind and their free space.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The system's code for a fixed disk.
constexpr unsigned kDriveFixed = 3;

class Drives {
 public:
  virtual ~Drives() = default;
  // The upper-case letters of every drive the system has, in order.
  virtual std::string Letters() = 0;
  // The system's drive-type code for a root path such as "C:\".
  virtual unsigned DriveType(const std::string& root) = 0;
  // The volume name of the drive with that letter; empty when it has none
  // or cannot be read.
  virtual std::string VolumeName(char letter) = 0;
  // Free bytes on the drive with that number (A = 1, B = 2 ...); -1 when
  // there is no such drive or it cannot be queried.
  virtual int64_t FreeBytes(int driveNumber) = 0;
};

}  // namespace platform
