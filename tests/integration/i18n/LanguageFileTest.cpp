// Language files beside the test program, read through the Win32 file API.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "i18n/IniLang.h"
#include "platform/Shell.h"
#include "platform/win32/Win32Files.h"
#include "ui/Controls.h"
#include "ui/Headless.h"
#include "ui/Window.h"

using namespace i18n;

namespace {

std::string ModuleFolder() {
  char path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

struct ModuleEnvironment : platform::Environment {
  std::vector<std::string> Arguments() override { return {}; }
  std::string ProgramFolder() override { return ModuleFolder(); }
  platform::Family PlatformFamily() override { return platform::Family::NT; }
  std::string ProgramVersion() override { return "1.0"; }
};

void WriteFile(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  ASSERT_EQ(written, bytes.size());
}

// "Выход", "Освободить!", "Отчёт" and two report lines in code page 1251.
const std::string kExit = "\xC2\xFB\xF5\xEE\xE4";
const std::string kGo = "\xCE\xF1\xE2\xEE\xE1\xEE\xE4\xE8\xF2\xFC!";
const std::string kReport = "\xCE\xF2\xF7\xB8\xF2";

struct Win32LanguageFiles : ::testing::Test {
  ModuleEnvironment env;
  platform::win32::Win32Files files;
  std::string folder = ModuleFolder() + "Language";
  // A file of its own: the shipped language files lie in the same folder.
  std::string sample = folder + "\\Testing.ini";

  void SetUp() override {
    CreateDirectoryA(folder.c_str(), nullptr);
    WriteFile(sample, "\xEF\xBB\xBF; cp1251, no byte-order mark is recognised\r\n"
                       "[MainForm]\r\n"
                       "\tMainForm.Go.Caption = " + kGo + "\r\n"
                       "mainform.exitb.caption=" + kExit + "\n"
                       "[ReportForm]\rReportForm.Caption=" + kReport + "\r"
                       "[Misc]\r\nM14=" + kExit + "\r\nM02=" + kExit + "*|*" + kGo + "\r\n");
    SetCurrentLanguage(std::nullopt);
  }
  void TearDown() override {
    SetCurrentLanguage(std::nullopt);
    DeleteFileA(sample.c_str());
    RemoveDirectoryA((folder + "\\Folder.ini").c_str());
    RemoveDirectoryA(folder.c_str());
  }
};

}  // namespace

TEST_F(Win32LanguageFiles, CodePageBytesPassThroughUnchanged) {
  ASSERT_TRUE(*OpenLanguageFile("Language/Testing.ini", env, files));
  EXPECT_EQ(Message("M14"), kExit);
  EXPECT_EQ(Message("M02"), kExit + "\r\n" + kGo);
  EXPECT_EQ(Message("M93"), "");

  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Window main(app, "MainForm"), report(app, "ReportForm");
  auto& go = main.Add<ui::Button>(nullptr, "Go");
  auto& exitButton = main.Add<ui::Button>(nullptr, "Exitb");
  go.SetCaption("Go!");
  ui::Window* windows[] = {&main, &report};
  ApplyLanguage(windows, *CurrentLanguage());
  EXPECT_EQ(go.Caption(), kGo);
  EXPECT_EQ(exitButton.Caption(), kExit);
  EXPECT_EQ(report.Caption(), kReport);
}

TEST_F(Win32LanguageFiles, LeadingAndDoubledSeparatorsFindTheSameFile) {
  for (const char* name : {"/Language/Testing.ini", "Language//Testing.ini", "\\Language\\testing.INI"}) {
    const auto table = *LoadLanguageFile(name, env, files);
    ASSERT_TRUE(table.has_value()) << name;
    EXPECT_EQ(table->Read("Misc", "M14", "?"), kExit) << name;
  }
}

TEST_F(Win32LanguageFiles, MissingFileOrAFolderOfThatNameIsNoLanguage) {
  EXPECT_FALSE(LoadLanguageFile("/Language/Klingon.ini", env, files)->has_value());
  CreateDirectoryA((folder + "\\Folder.ini").c_str(), nullptr);
  EXPECT_FALSE(LoadLanguageFile("/Language/Folder.ini", env, files)->has_value());
}

TEST_F(Win32LanguageFiles, FileHeldExclusivelyRaisesTheFileErrorAndKeepsTheTable) {
  ASSERT_TRUE(*OpenLanguageFile("/Language/Testing.ini", env, files));
  HANDLE held = CreateFileA(sample.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::string message = OpenLanguageFile("/Language/Testing.ini", env, files).Message();
  CloseHandle(held);
  EXPECT_EQ(message, "Cannot open file " + sample);
  EXPECT_EQ(Message("M14"), kExit);
}

TEST_F(Win32LanguageFiles, ReaderReturnsEveryByteOfALargeFile) {
  std::string big = "[Misc]\r\n";
  for (int i = 0; big.size() < 3000000; ++i) {
    big += 'K';
    big += std::to_string(i);
    big.append("=\xC0\xFF\0x\r\n", 7);  // with a NUL inside
  }
  big.push_back('\0');
  WriteFile(sample, big);
  std::string bytes;
  ASSERT_EQ(files.ReadAll(sample, kMaxLanguageFileBytes, bytes), platform::ReadResult::Ok);
  EXPECT_EQ(bytes, big);
  EXPECT_EQ(files.ReadAll(sample, big.size() - 1, bytes), platform::ReadResult::TooLarge);
  EXPECT_TRUE(bytes.empty());
}
