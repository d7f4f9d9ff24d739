#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>

#include "platform/win32/Win32Desktop.h"

namespace {

std::string TempPath(const char* name) {
  char dir[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

TEST(RealTextFiles, AppendCreatesThenAddsBytesUnchanged) {
  platform::win32::Win32TextFiles files;
  const std::string path = TempPath("brantelle-log-test.txt");
  DeleteFileA(path.c_str());
  EXPECT_EQ(files.Append(path, "one\r\n"), 0u);
  EXPECT_EQ(files.Append(path, "two\r\n"), 0u);
  EXPECT_EQ(Contents(path), "one\r\ntwo\r\n");
  EXPECT_TRUE(files.Create(path));
  EXPECT_EQ(Contents(path), "");
  EXPECT_EQ(files.Append(path, "three\r\n"), 0u);
  EXPECT_EQ(Contents(path), "three\r\n");
  EXPECT_TRUE(files.Delete(path));
  EXPECT_FALSE(files.Delete(path));
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(RealTextFiles, FailuresAreReportedAndAnOpenFileKeepsItsContent) {
  platform::win32::Win32TextFiles files;
  EXPECT_EQ(files.Append(TempPath("no-such-folder\\log.txt"), "x\r\n"), unsigned{ERROR_PATH_NOT_FOUND});
  EXPECT_FALSE(files.Create(TempPath("no-such-folder\\log.txt")));
  EXPECT_NE(files.Append(TempPath(""), "x\r\n"), 0u);  // a folder, not a file

  // Held open by another program that shares nothing: the line is refused, the file kept.
  const std::string path = TempPath("brantelle-locked-log.txt");
  DeleteFileA(path.c_str());
  ASSERT_EQ(files.Append(path, "old\r\n"), 0u);
  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files.Append(path, "new\r\n"), unsigned{ERROR_SHARING_VIOLATION});
  CloseHandle(lock);
  EXPECT_EQ(Contents(path), "old\r\n");
  DeleteFileA(path.c_str());
}

// A log past 4 GB (a sparse file here) still takes its lines, at its end.
TEST(RealTextFiles, AppendLandsAtTheEndOfALogPast4GB) {
  platform::win32::Win32TextFiles files;
  const std::string path = TempPath("brantelle-big-log.txt");
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  LONG high = 1;
  SetFilePointer(f, 10, &high, FILE_BEGIN);
  ASSERT_TRUE(SetEndOfFile(f));
  CloseHandle(f);
  EXPECT_EQ(files.Append(path, "line\r\n"), 0u);
  EXPECT_EQ(files.Append(path, "next\r\n"), 0u);
  f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  DWORD sizeHigh = 0, read = 0;
  EXPECT_EQ(GetFileSize(f, &sizeHigh), 22u);
  EXPECT_EQ(sizeHigh, 1u);
  char tail[16] = {};
  high = 1;
  SetFilePointer(f, 10, &high, FILE_BEGIN);
  ReadFile(f, tail, sizeof tail, &read, nullptr);
  CloseHandle(f);
  EXPECT_EQ(std::string(tail, read), "line\r\nnext\r\n");
  DeleteFileA(path.c_str());
}

TEST(RealClock, TimeAndDateFollowTheUserFormats) {
  platform::win32::Win32Clock clock;
  const std::string time = clock.TimeText(), date = clock.DateText();
  EXPECT_FALSE(time.empty());
  EXPECT_FALSE(date.empty());
  EXPECT_EQ(time.find('\0'), std::string::npos);
  const uint32_t a = clock.TickCount();
  Sleep(20);
  EXPECT_GE(clock.TickCount() - a, 10u);
}
