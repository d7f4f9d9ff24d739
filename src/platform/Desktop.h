// Small desktop services: the clipboard, the speaker and opening a document
// with the program the desktop associates with it.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Removes whatever the clipboard holds; a clipboard held by another program stays as it is.
  virtual void Empty() = 0;
};

class Sound {
 public:
  virtual ~Sound() = default;
  virtual void Beep(unsigned frequencyHz, unsigned durationMs) = 0;
};

class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // Opens path with its default verb, owned by the given native window; the
  // outcome is not reported.
  virtual void Open(const std::string& path, uint32_t ownerWindow) = 0;
};

}  // namespace platform
