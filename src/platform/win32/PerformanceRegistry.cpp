#include "platform/win32/PerformanceRegistry.h"

#include <windows.h>
#include <winperf.h>

#include <cstddef>

namespace platform::win32 {

// The performance data reader walks these layouts by byte offset.
static_assert(offsetof(PERF_DATA_BLOCK, HeaderLength) == 24);
static_assert(offsetof(PERF_DATA_BLOCK, NumObjectTypes) == 28);
static_assert(offsetof(PERF_DATA_BLOCK, SystemTime) == 36);
static_assert(sizeof(PERF_DATA_BLOCK) == 88);
static_assert(offsetof(PERF_OBJECT_TYPE, DefinitionLength) == 4);
static_assert(offsetof(PERF_OBJECT_TYPE, HeaderLength) == 8);
static_assert(offsetof(PERF_OBJECT_TYPE, ObjectNameTitleIndex) == 12);
static_assert(offsetof(PERF_OBJECT_TYPE, NumCounters) == 32);
static_assert(offsetof(PERF_OBJECT_TYPE, NumInstances) == 40);
static_assert(sizeof(PERF_OBJECT_TYPE) == 64);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterNameTitleIndex) == 4);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterOffset) == 36);
static_assert(sizeof(PERF_COUNTER_DEFINITION) == 40);
static_assert(sizeof(PERF_INSTANCE_DEFINITION) == 24);

namespace {
// SYSTEM_PROCESSOR_PERFORMANCE_INFORMATION, information class 8.
struct ProcessorTimes {
  LARGE_INTEGER idleTime, kernelTime, userTime, reserved1[2];
  ULONG reserved2;
};
constexpr ULONG kSystemProcessorPerformanceInformation = 8;
using NtQuerySystemInformationFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
constexpr size_t kMaxProcessors = 64;
}  // namespace

PerformanceRegistry::~PerformanceRegistry() {
  if (queried_) RegCloseKey(HKEY_PERFORMANCE_DATA);
}

std::optional<Family> PerformanceRegistry::WindowsFamily() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148
  if (!GetVersionExA(&info)) return std::nullopt;
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT ? Family::NT : Family::Win9x;
}

PerformanceSource::Key PerformanceRegistry::OpenDynData(const std::string& subKey, bool fullAccess) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_DYN_DATA, subKey.c_str(), 0, fullAccess ? KEY_ALL_ACCESS : KEY_READ, &key) !=
      ERROR_SUCCESS)
    return 0;
  return reinterpret_cast<Key>(key);
}

bool PerformanceRegistry::ReadDynValue(Key key, const std::string& value, uint32_t& out) {
  if (!key) return false;
  DWORD data = 0, size = sizeof data, type = 0;
  if (RegQueryValueExA(reinterpret_cast<HKEY>(key), value.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
      size != sizeof data)
    return false;
  out = data;
  return true;
}

void PerformanceRegistry::CloseDynData(Key key) {
  if (key) RegCloseKey(reinterpret_cast<HKEY>(key));
}

long PerformanceRegistry::QueryPerformanceData(const std::string& value, uint8_t* buffer, uint32_t size) {
  queried_ = true;
  DWORD type = 0, length = size;
  return RegQueryValueExA(HKEY_PERFORMANCE_DATA, value.c_str(), nullptr, &type, buffer, &length);
}

bool PerformanceRegistry::ProcessorIdleTimes(std::vector<int64_t>& idle, int64_t& stamp) {
  static const auto query = reinterpret_cast<NtQuerySystemInformationFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return false;
  ProcessorTimes times[kMaxProcessors];
  ULONG returned = 0;
  if (query(kSystemProcessorPerformanceInformation, times, sizeof times, &returned) < 0) return false;
  const size_t count = returned / sizeof(ProcessorTimes);
  if (count == 0 || count > kMaxProcessors) return false;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  stamp = static_cast<int64_t>(uint64_t(now.dwHighDateTime) << 32 | now.dwLowDateTime);
  idle.resize(count);
  for (size_t i = 0; i < count; ++i) idle[i] = times[i].idleTime.QuadPart;
  return true;
}

}  // namespace platform::win32
