#include "engine/CpuUsage.h"

#include "engine/PerfData.h"
#include "text/Error.h"

namespace engine {

namespace {
constexpr const char* kUsageValue = "KERNEL\\CPUUsage";
constexpr const char* kProcessorObject = "238";
constexpr size_t kInitialBufferSize = 8192;
constexpr size_t kBufferGrowth = 4096;
// A system that keeps asking for more would otherwise grow the buffer forever.
constexpr size_t kBufferLimit = 64u << 20;
// More processors than this in one reading means a corrupt count.
constexpr int32_t kMaxProcessors = 1024;
}  // namespace

CpuUsage::CpuUsage(platform::PerformanceSource& source) : source_(source) {
  const auto family = source_.WindowsFamily();
  if (!family) return;
  knownFamily_ = true;
  isNT_ = *family == platform::Family::NT;
  perfBuffer_.assign(kInitialBufferSize, 0);
}

CpuUsage::~CpuUsage() { StopProcessorMonitoring(); }

text::Status CpuUsage::Created() const {
  if (!knownFamily_) return text::Error("Can't get the Windows version");
  return {};
}

text::Status CpuUsage::SampleProcessorLoad() {
  if (!isNT_) return Sample9x();
  SampleNT();
  return {};
}

text::Result<double> CpuUsage::ProcessorLoad(int32_t index) {
  if (!isNT_) {
    if (index != 0) return text::Error("CPU index out of bounds");
    if (!started_ && !idleTimes9x_) RETURN_IF_FAILED(SampleProcessorLoad());
    if (!idleTimes9x_) return lastUsage_ / 100.0;
  }
  if (instanceCount_ == -1) RETURN_IF_FAILED(SampleProcessorLoad());
  if (index < 0 || index >= instanceCount_) return 0.0;
  if (currentTime_ == previousTime_) return 0.0;
  // The counters are raw system figures: their difference may not fit in 64 bits.
  const long double idle = static_cast<long double>(current_[index]) - previous_[index];
  const long double elapsed = static_cast<long double>(currentTime_) - previousTime_;
  return static_cast<double>(1.0L - idle / elapsed);
}

void CpuUsage::StopProcessorMonitoring() {
  if (isNT_ || !started_) return;
  started_ = false;
  source_.CloseDynData(statDataKey_);
  statDataKey_ = 0;
  if (auto key = source_.OpenDynData("PerfStats\\StopStat", true)) {
    uint32_t ignored = 0;
    source_.ReadDynValue(key, kUsageValue, ignored);
    source_.CloseDynData(key);
  }
}

text::Status CpuUsage::Sample9x() {
  if (idleTimes9x_) {
    SampleIdleTimes();
    return {};
  }
  if (!started_) {
    const auto start = source_.OpenDynData("PerfStats\\StartStat", true);
    if (!start) {
      // A 9x-family system without the dynamic statistics (Wine reporting
      // Windows 98) may still offer the idle times that NT systems read.
      if (SampleIdleTimes()) {
        idleTimes9x_ = true;
        return {};
      }
      return text::Error("Unable to start performance monitoring");
    }
    // This read starts the statistic; its figure means nothing yet.
    source_.ReadDynValue(start, kUsageValue, lastUsage_);
    source_.CloseDynData(start);
    statDataKey_ = source_.OpenDynData("PerfStats\\StatData", false);
    if (!statDataKey_) return text::Error("Unable to read performance data");
    started_ = true;
  }
  source_.ReadDynValue(statDataKey_, kUsageValue, lastUsage_);
  return {};
}

bool CpuUsage::QueryPerformanceData() {
  for (;;) {
    const long rc = source_.QueryPerformanceData(kProcessorObject, perfBuffer_.data(),
                                                 static_cast<uint32_t>(perfBuffer_.size()));
    if (rc != platform::kErrorMoreData) return true;
    if (perfBuffer_.size() + kBufferGrowth > kBufferLimit) return false;
    perfBuffer_.resize(perfBuffer_.size() + kBufferGrowth, 0);
  }
}

void CpuUsage::SampleNT() {
  if (idleTimesNT_) {
    SampleIdleTimes();
    return;
  }
  // Other failures go unnoticed: the buffer is read with whatever it holds.
  if (!QueryPerformanceData()) return;
  PerfDataReader reader(perfBuffer_.data(), perfBuffer_.size());
  const auto found = reader.FindProcessorObject();
  if (found == PerfDataReader::Status::NoObject) {
    // Some systems (Wine) answer with no processor object at all; the system's
    // own idle times then serve in its place, with the same units. Such a
    // system does not grow the object later, and asking again costs Wine a
    // walk of every service key each second: the idle times serve from now on.
    idleTimesNT_ = SampleIdleTimes();
    return;
  }
  if (found != PerfDataReader::Status::Ok) return;
  if (instanceCount_ == -1) {
    const int32_t n = reader.NumInstances();
    if (n <= 0 || n > kMaxProcessors) return;
    instanceCount_ = n;
    current_.assign(n, 0);
    previous_.assign(n, 0);
    scratch_.reserve(n);
  }
  scratch_.assign(instanceCount_, 0);
  int64_t stamp = 0;
  bool stampValid = false;
  if (reader.ReadIdleCounters(instanceCount_, scratch_, stamp, stampValid) != PerfDataReader::Status::Ok)
    return;
  Accept(scratch_, stamp, stampValid);
}

bool CpuUsage::SampleIdleTimes() {
  int64_t stamp = 0;
  if (!source_.ProcessorIdleTimes(scratch_, stamp) || scratch_.empty() ||
      scratch_.size() > size_t(kMaxProcessors))
    return false;
  if (instanceCount_ == -1) {
    instanceCount_ = static_cast<int32_t>(scratch_.size());
    current_.assign(instanceCount_, 0);
    previous_.assign(instanceCount_, 0);
  }
  if (scratch_.size() < size_t(instanceCount_)) return false;
  Accept(scratch_, stamp, true);
  return true;
}

void CpuUsage::Accept(const std::vector<int64_t>& idle, int64_t stamp, bool stampValid) {
  for (int32_t i = 0; i < instanceCount_; ++i) {
    previous_[i] = current_[i];
    current_[i] = idle[i];
  }
  previousTime_ = currentTime_;
  // An impossible time stamp leaves the time where it was: that interval reads 0.
  if (stampValid) currentTime_ = stamp;
}

}  // namespace engine
