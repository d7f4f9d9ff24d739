#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fakes/FakeFiles.h"
#include "fakes/Fakes.h"
#include "i18n/IniLang.h"
#include "platform/posix/PosixFiles.h"
#include "ui/Component.h"
#include "ui/Headless.h"

using namespace i18n;

TEST(LanguageFilePath, SlashesAndDoubledSeparatorsResolveToOneFolder) {
  const std::string want = "C:\\Brantelle\\Language\\English.ini";
  EXPECT_EQ(LanguageFilePath("C:\\Brantelle\\", "/Language/English.ini"), want);
  EXPECT_EQ(LanguageFilePath("C:\\Brantelle\\", "Language/English.ini"), want);
  EXPECT_EQ(LanguageFilePath("C:\\Brantelle", "Language//English.ini"), want);
  EXPECT_EQ(LanguageFilePath("C:/Brantelle/", "\\Language\\English.ini"), want);
  // A network folder keeps its two leading separators.
  EXPECT_EQ(LanguageFilePath("\\\\server\\share\\", "/Language/Russian.ini"),
            "\\\\server\\share\\Language\\Russian.ini");
}

namespace {

struct Loader : ::testing::Test {
  fakes::FakeEnvironment env;  // folder C:\Brantelle\ .
  fakes::FakeFiles files;
  const std::string german = "C:\\Brantelle\\Language\\German.ini";
  void SetUp() override { SetCurrentLanguage(std::nullopt); }
  void TearDown() override { SetCurrentLanguage(std::nullopt); }
};

}  // namespace

TEST_F(Loader, FileBesideTheProgramBecomesTheCurrentTable) {
  files.Put(german, "[Misc]\nM14=Beenden\n");
  EXPECT_TRUE(*OpenLanguageFile("/Language/German.ini", env, files));
  ASSERT_EQ(files.reads, std::vector<std::string>{german});
  EXPECT_EQ(Message("M14"), "Beenden");
}

TEST_F(Loader, MissingFileMeansEnglishWithoutError) {
  files.Put(german, "[Misc]\nM14=Beenden\n");
  ASSERT_TRUE(*OpenLanguageFile("Language/German.ini", env, files));
  EXPECT_FALSE(LoadLanguageFile("/Language/English.ini", env, files)->has_value());
  EXPECT_FALSE(*OpenLanguageFile("/Language/English.ini", env, files));
  EXPECT_EQ(CurrentLanguage(), nullptr);
  EXPECT_EQ(Message("M14"), "Exit");
}

TEST_F(Loader, UnreadableFileRaisesTheFileErrorAndKeepsThePreviousTable) {
  files.Put(german, "[Misc]\nM14=Beenden\n");
  files.PutLocked("C:\\Brantelle\\Language\\Russian.ini");
  ASSERT_TRUE(*OpenLanguageFile("/Language/German.ini", env, files));
  EXPECT_EQ(OpenLanguageFile("Language/Russian.ini", env, files).Message(),
            "Cannot open file C:\\Brantelle\\Language\\Russian.ini");
  EXPECT_EQ(Message("M14"), "Beenden");
}

TEST_F(Loader, OversizedFileIsRefusedLikeAnUnreadableOne) {
  files.Put(german, std::string(kMaxLanguageFileBytes + 1, ';'));
  EXPECT_FALSE(LoadLanguageFile("/Language/German.ini", env, files).Ok());
}

TEST_F(Loader, ThroughTheErrorBoxTheApplicationGoesOn) {
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  files.PutLocked(german);
  ui::Dispatch(app, [&] { return ui::Status(OpenLanguageFile("/Language/German.ini", env, files)); });
  ASSERT_EQ(backend.errors.size(), 1u);
  EXPECT_NE(backend.errors[0].find("Cannot open file C:\\Brantelle\\Language\\German.ini"),
            std::string::npos);
}

// The native file reader against real files.
TEST(PosixFiles, ReadsWholeFilesAndTellsMissingFromTooLarge) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("brantelle-i18n-" + std::to_string(getpid()));
  fs::create_directories(dir / "Language");
  std::string big;
  for (int i = 0; big.size() < 300000; ++i) big += "k" + std::to_string(i) + "=\xE0\xE1\r\n";
  big += std::string("\0tail", 5);
  std::ofstream(dir / "Language" / "Russian.ini", std::ios::binary) << "[Misc]\r\n" << big;

  platform::posix::PosixFiles files;
  std::string bytes;
  const std::string path = (dir / "Language" / "Russian.ini").string();
  ASSERT_EQ(files.ReadAll(path, kMaxLanguageFileBytes, bytes), platform::ReadResult::Ok);
  EXPECT_EQ(bytes, "[Misc]\r\n" + big);
  EXPECT_EQ(files.ReadAll(path, bytes.size(), bytes), platform::ReadResult::Ok);
  EXPECT_EQ(files.ReadAll(path, 1000, bytes), platform::ReadResult::TooLarge);
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(files.ReadAll((dir / "none.ini").string(), 1000, bytes), platform::ReadResult::Missing);
  EXPECT_EQ(files.ReadAll((dir / "Language").string(), 1000, bytes), platform::ReadResult::Missing);

  struct Folder : platform::Environment {
    std::string folder;
    std::vector<std::string> Arguments() override { return {}; }
    std::string ProgramFolder() override { return folder; }
    platform::Family PlatformFamily() override { return platform::Family::NT; }
    std::string ProgramVersion() override { return "1.0"; }
  } env;
  env.folder = dir.string() + "/";
  const auto table = *LoadLanguageFile("/Language//Russian.ini", env, files);
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(table->Read("misc", "K7", "?"), "\xE0\xE1");
  fs::remove_all(dir);
}
