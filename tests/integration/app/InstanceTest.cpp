#include <gtest/gtest.h>

#include <windows.h>

#include "app/OneInstance.h"
#include "child/Child.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32System.h"

using platform::OpenResult;

namespace {

std::string UniqueName(const char* what) {
  return std::string("BrantelleTest-") + what + "-" + std::to_string(GetCurrentProcessId());
}

}  // namespace

TEST(InstanceGuard, SecondOpenOfTheBlockSeesTheFirst) {
  const std::string name = UniqueName("open");
  platform::win32::Win32Instance first, second;
  ASSERT_EQ(first.Open(name), OpenResult::Created);
  first.Write({1, 2, 3, 4});
  ASSERT_EQ(second.Open(name), OpenResult::Existed);
  const auto b = second.Read();
  EXPECT_EQ(b.instance, 1u);
  EXPECT_EQ(b.messageWindow, 4u);
}

TEST(InstanceGuard, ALaterProcessHandsItsCommandLineOver) {
  const std::string name = UniqueName("handover");
  platform::win32::Win32Instance first;
  ASSERT_EQ(first.Open(name), OpenResult::Created);
  first.Write(first.Own(0, 0));
  std::string received;
  first.onHandOver = [&](const std::string& text) { received = text; };
  const unsigned long reply = child::SpawnAndPump("handover " + name + " /W");
  EXPECT_EQ(reply, 1458u);
  EXPECT_EQ(received, platform::win32::ModulePath() + "\r\n/W\r\n");
  EXPECT_EQ(app::SplitHandOverText(received).size(), 2u);
}

TEST(InstanceGuard, GarbageInTheBlockNeverCrashesTheSender) {
  const std::string name = UniqueName("garbage");
  platform::win32::Win32Instance first;
  ASSERT_EQ(first.Open(name), OpenResult::Created);
  EXPECT_EQ(child::SpawnAndPump("garbage " + name), 0u);
  // the block now names windows that do not exist: the hand-over answers 0
  EXPECT_EQ(child::SpawnAndPump("handover " + name + " x"), 0u);
}

TEST(InstanceGuard, MalformedCopyDataIsRefused) {
  platform::win32::Win32Instance first;
  ASSERT_EQ(first.Open(UniqueName("malformed")), OpenResult::Created);
  const auto own = first.Own(0, 0);
  HWND target = platform::win32::WindowFromBits(own.messageWindow);
  bool called = false;
  first.onHandOver = [&](const std::string&) { called = true; };
  char noZero[4] = {'a', 'b', 'c', 'd'};
  COPYDATASTRUCT cds{0, sizeof noZero, noZero};
  EXPECT_EQ(SendMessageA(target, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds)), 0);
  COPYDATASTRUCT empty{0, 0, nullptr};
  EXPECT_EQ(SendMessageA(target, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&empty)), 0);
  EXPECT_FALSE(called);
  char good[] = "ok\r\n";
  COPYDATASTRUCT fine{0, sizeof good, good};
  EXPECT_EQ(SendMessageA(target, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&fine)), 1458);
  EXPECT_TRUE(called);
}
