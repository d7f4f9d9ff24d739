#include "platform/win32/Win32Drives.h"

#include <windows.h>

namespace platform::win32 {

namespace {

std::string Root(char letter) { return std::string(1, letter) + ":\\"; }

using FreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

// The first Windows 95 release lacks the Ex function, and the old one
// reports at most 2 GB there.
FreeSpaceEx FindFreeSpaceEx() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  return kernel ? reinterpret_cast<FreeSpaceEx>(
                      reinterpret_cast<void*>(GetProcAddress(kernel, "GetDiskFreeSpaceExA")))
                : nullptr;
}

}  // namespace

std::string Win32Drives::Letters() {
  const DWORD mask = GetLogicalDrives();
  std::string letters;
  for (int i = 0; i < 26; ++i)
    if (mask & (1u << i)) letters += static_cast<char>('A' + i);
  return letters;
}

unsigned Win32Drives::DriveType(const std::string& root) { return GetDriveTypeA(root.c_str()); }

std::string Win32Drives::VolumeName(char letter) {
  // No error box for an empty floppy or CD drive while the list is built.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  char name[MAX_PATH + 1] = {};
  const BOOL ok = GetVolumeInformationA(Root(letter).c_str(), name, sizeof name, nullptr, nullptr,
                                        nullptr, nullptr, 0);
  SetErrorMode(oldMode);
  name[MAX_PATH] = '\0';
  return ok ? std::string(name) : std::string();
}

int64_t Win32Drives::FreeBytes(int driveNumber) {
  if (driveNumber < 1 || driveNumber > 26) return -1;
  const std::string root = Root(static_cast<char>('A' + driveNumber - 1));
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  int64_t result = -1;
  static const FreeSpaceEx freeSpaceEx = FindFreeSpaceEx();
  if (freeSpaceEx) {
    ULARGE_INTEGER available{}, total{}, free{};
    if (freeSpaceEx(root.c_str(), &available, &total, &free))
      result = static_cast<int64_t>(available.QuadPart & 0x7FFFFFFFFFFFFFFFull);
  } else {
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
      result = static_cast<int64_t>(sectorsPerCluster) * bytesPerSector * freeClusters;
  }
  SetErrorMode(oldMode);
  return result;
}

}  // namespace platform::win32
