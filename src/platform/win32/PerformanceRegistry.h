// Processor statistics from the Win32 registry branches and ntdll.
#pragma once

#include "platform/Performance.h"

namespace platform::win32 {

class PerformanceRegistry : public PerformanceSource {
 public:
  ~PerformanceRegistry() override;
  std::optional<Family> WindowsFamily() override;
  Key OpenDynData(const std::string& subKey, bool fullAccess) override;
  bool ReadDynValue(Key key, const std::string& value, uint32_t& out) override;
  void CloseDynData(Key key) override;
  long QueryPerformanceData(const std::string& value, uint8_t* buffer, uint32_t size) override;
  bool ProcessorIdleTimes(std::vector<int64_t>& idle, int64_t& stamp) override;

 private:
  bool queried_ = false;
};

}  // namespace platform::win32
