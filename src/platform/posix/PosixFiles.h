// Files on a POSIX system, for the native build. The program names files the
// Windows way, so "\" separators are taken as "/".
#pragma once

#include "platform/Files.h"

namespace platform::posix {

class PosixFiles : public Files {
 public:
  ReadResult ReadAll(const std::string& path, size_t maxBytes, std::string& bytes) override;
};

}  // namespace platform::posix
