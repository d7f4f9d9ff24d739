// The real clock, priority, desktop and text-file services.
#pragma once

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/ProcessPriority.h"
#include "platform/TextFiles.h"

namespace platform::win32 {

class Win32Clock : public Clock {
 public:
  uint32_t TickCount() override;
  std::string TimeText() override;
  std::string DateText() override;
  std::string DecimalSeparator() override;
};

class Win32Priority : public ProcessPriority {
 public:
  void Set(PriorityClass priority) override;
};

class Win32Clipboard : public Clipboard {
 public:
  void Empty() override;
};

class Win32Sound : public Sound {
 public:
  void Beep(unsigned frequencyHz, unsigned durationMs) override;
};

class Win32Opener : public DocumentOpener {
 public:
  void Open(const std::string& path, uint32_t ownerWindow) override;
};

class Win32TextFiles : public TextFiles {
 public:
  unsigned Append(const std::string& path, const std::string& bytes) override;
  bool Create(const std::string& path) override;
  bool Delete(const std::string& path) override;
};

}  // namespace platform::win32
