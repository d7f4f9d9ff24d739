// The profile and drive services the swap file window uses, on the real API.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/Win32System.h"

namespace {

std::string TempIni() {
  char dir[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + "brantelle-system-test.ini";
}

}  // namespace

TEST(RealProfile, WritesReadsAndRemovesKeys) {
  platform::win32::Win32Profile profile;
  const std::string ini = TempIni();
  DeleteFileA(ini.c_str());
  EXPECT_TRUE(profile.WriteString(ini, "386Enh", "PagingDrive", "E:"));
  EXPECT_TRUE(profile.WriteString(ini, "386Enh", "MinPagingFileSize", "262144"));
  EXPECT_TRUE(profile.WriteString(ini, "vcache", "MaxFileCache", "8192"));
  EXPECT_EQ(profile.ReadString(ini, "386Enh", "PagingDrive", "C:", 3), "E:");
  EXPECT_EQ(profile.ReadString(ini, "386ENH", "minpagingfilesize", "", 32), "262144");
  EXPECT_EQ(profile.ReadString(ini, "vcache", "MaxFileCache", "", 32), "8192");

  // A removed key reads as its default again; the rest of its section stays.
  EXPECT_TRUE(profile.DeleteKey(ini, "386Enh", "PagingDrive"));
  EXPECT_EQ(profile.ReadString(ini, "386Enh", "PagingDrive", "C:", 3), "C:");
  EXPECT_EQ(profile.ReadString(ini, "386Enh", "MinPagingFileSize", "", 32), "262144");
  // Removing what is not there is no failure.
  EXPECT_TRUE(profile.DeleteKey(ini, "386Enh", "Paging"));
  // A long value is cut to the length asked for.
  EXPECT_TRUE(profile.WriteString(ini, "386Enh", "Paging", "onwards"));
  EXPECT_EQ(profile.ReadString(ini, "386Enh", "Paging", "on", 4), "onwa");
  DeleteFileA(ini.c_str());
}

TEST(RealDrives, TheSystemDriveIsAFixedDiskWithFreeSpace) {
  platform::win32::Win32Drives drives;
  const std::string letters = drives.Letters();
  ASSERT_NE(letters.find('C'), std::string::npos) << letters;
  for (char c : letters) EXPECT_TRUE(c >= 'A' && c <= 'Z') << letters;
  EXPECT_EQ(drives.DriveType("C:\\"), platform::kDriveFixed);
  EXPECT_GT(drives.FreeBytes(3), 0);
  // Numbers outside A to Z, and letters the system does not have.
  EXPECT_EQ(drives.FreeBytes(0), -1);
  EXPECT_EQ(drives.FreeBytes(27), -1);
  for (char c = 'Z'; c > 'C'; --c)
    if (letters.find(c) == std::string::npos) {
      EXPECT_EQ(drives.FreeBytes(c - 'A' + 1), -1) << c;
      EXPECT_NE(drives.DriveType(std::string(1, c) + ":\\"), platform::kDriveFixed) << c;
      break;
    }
}
