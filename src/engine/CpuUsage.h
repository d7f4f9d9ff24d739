// The processor load meter: the busy share of each processor, from the
// Windows 9x dynamic statistics or from the NT idle-time counters over the
// interval between the last two readings. The program keeps one meter.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Performance.h"
#include "text/Error.h"

namespace engine {

class CpuUsage {
 public:
  explicit CpuUsage(platform::PerformanceSource& source);
  ~CpuUsage();
  CpuUsage(const CpuUsage&) = delete;
  CpuUsage& operator=(const CpuUsage&) = delete;
  // "Can't get the Windows version" when the platform family is unknown: a
  // meter that cannot be used.
  text::Status Created() const;

  // Takes a fresh reading.
  text::Status SampleProcessorLoad();
  // The busy share of processor index, nominally 0 to 1.
  text::Result<double> ProcessorLoad(int32_t index);
  // Ends the Windows 9x statistics collection if it was started.
  void StopProcessorMonitoring();

  bool IsNT() const { return isNT_; }
  bool Started() const { return started_; }
  int32_t InstanceCount() const { return instanceCount_; }
  uint32_t PerfBufferSize() const { return static_cast<uint32_t>(perfBuffer_.size()); }

 private:
  text::Status Sample9x();
  void SampleNT();
  bool QueryPerformanceData();
  // Reads the system's per-processor idle times; false when it offers none.
  bool SampleIdleTimes();
  void Accept(const std::vector<int64_t>& idle, int64_t stamp, bool stampValid);

  platform::PerformanceSource& source_;
  bool knownFamily_ = false, isNT_ = false;
  // Windows 9x
  bool started_ = false;
  platform::PerformanceSource::Key statDataKey_ = 0;
  uint32_t lastUsage_ = 0;
  // No dynamic statistics, but idle times: measured as on NT.
  bool idleTimes9x_ = false;
  // NT
  std::vector<uint8_t> perfBuffer_;
  bool idleTimesNT_ = false;  // the performance data proved to lack the processor object
  int32_t instanceCount_ = -1;
  std::vector<int64_t> current_, previous_, scratch_;
  int64_t currentTime_ = 0, previousTime_ = 0;
};

}  // namespace engine
