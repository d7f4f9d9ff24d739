// The settings in the real registry: the layout a save leaves, a round trip,
// and the window values over a real window.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <memory>

#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "fakes/SettingsLayout.h"
#include "platform/win32/Win32Registry.h"
#include "ui/Headless.h"
#include "ui/win32/Win32Backend.h"

namespace {

using Layout = std::map<std::string, std::map<std::string, uint32_t>>;

// Closing a main window ends its application with a quit message; it must
// not reach the next test's message pumping.
void DrainMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

void DeleteTree(HKEY parent, const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  char name[512];
  for (;;) {
    DWORD n = sizeof name;
    if (RegEnumKeyExA(key, 0, name, &n, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    DeleteTree(key, name);
  }
  RegCloseKey(key);
  RegDeleteKeyA(parent, path.c_str());
}

// Every key below path with its values' names and types, as the registry has them.
void ReadTree(platform::Registry& reg, const std::string& path, const std::string& below, Layout& out) {
  auto key = reg.Open(platform::RegRoot::CurrentUser, path, platform::RegOpen::Read);
  ASSERT_TRUE(key) << path;
  auto& values = out[below];
  for (const auto& name : key->ValueNames()) values[name] = key->Read(name)->type;
  for (const auto& sub : key->SubKeyNames())
    ReadTree(reg, path + "\\" + sub, below.empty() ? sub : below + "\\" + sub, out);
}

struct Store : testing::Test {
  void SetUp() override { DeleteTree(HKEY_CURRENT_USER, "SOFTWARE\\Corvantis"); }
  void TearDown() override { DeleteTree(HKEY_CURRENT_USER, "SOFTWARE\\Corvantis"); }

  platform::win32::Win32Registry registry;
  fakes::FakeSystem fake;
  platform::System sys{fake.memory, fake.blocks, fake.launcher, fake.profile, fake.instance,
                       fake.dialogs, fake.environment, fake.performance, fake.files,
                       fake.clock, fake.priority, fake.clipboard, fake.sound, fake.opener,
                       fake.textFiles, registry, fake.hotKeys, fake.notifyArea, fake.fileDialogs,
                       fake.printing, fake.tools.tools, fake.profile, fake.drives};

  std::unique_ptr<app::TMainForm> Start(ui::Application& app) {
    fake.memory.figures.totalPhys = 256u << 20;
    fake.environment.args = {"C:\\Brantelle\\Brantelle.exe", "/W"};
    auto form = std::make_unique<app::TMainForm>(app, sys);
    app::StartUp(app, *form);
    return form;
  }
};

}  // namespace

TEST_F(Store, ASaveLeavesExactlyTheLayoutInTheRealRegistry) {
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  auto form = Start(app);
  form->FormPersist->SaveProperties();
  form->FormPersist->SaveWindowState();
  Layout found;
  ReadTree(registry, fakes::kSettingsRoot, "", found);
  EXPECT_EQ(found, fakes::SettingsLayout());

  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Corvantis\\Brantelle\\Options\\MainForm\\RAMLevel", 0,
                          KEY_READ, &key), ERROR_SUCCESS);
  char text[16] = {};
  DWORD type = 0, size = sizeof text;
  EXPECT_EQ(RegQueryValueExA(key, "Caption", nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 3u);
  EXPECT_STREQ(text, "15");
}

TEST_F(Store, SettingsRoundTripThroughTheRealRegistry) {
  {
    ui::HeadlessBackend backend;
    ui::Application app(backend);
    auto form = Start(app);
    form->Find("RAMLevel")->SetCaption("42");
    form->TryTo->SetChecked(true);
    form->FindAs<ui::MenuItem>("Fr")->SetChecked(true);
    form->FindAs<gauges::TSensor>("SwapUsage")->SetSensType(gauges::stColumn);
    form->AutoTimer->SetInterval(0xFFFFFFF0u);
    form->Hide();  // a hide saves
  }
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  auto form = Start(app);
  EXPECT_EQ(form->Setting("RAMLevel"), "42");
  EXPECT_TRUE(form->TryTo->Checked());
  EXPECT_TRUE(form->FindAs<ui::MenuItem>("Fr")->Checked());
  EXPECT_FALSE(form->FindAs<ui::MenuItem>("Eng")->Checked());
  EXPECT_EQ(form->FindAs<gauges::TSensor>("SwapUsage")->SensType(), gauges::stColumn);
  EXPECT_EQ(form->AutoTimer->Interval(), 0xFFFFFFF0u);
}

TEST_F(Store, TheRealWindowKeepsItsPlaceAndStaysOnTop) {
  {
    ui::win32::Win32Backend backend;
    ui::Application app(backend);
    backend.SetApplication(app);
    auto form = Start(app);
    HWND hwnd = ui::win32::Win32Backend::HandleOf(*form);
    SetWindowPos(hwnd, nullptr, 61, 47, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    form->FormPersist->SetTopMost(true);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    form->Hide();
    form->ExitRequested = true;
    form->Close();
    DrainMessages();
  }
  ui::win32::Win32Backend backend;
  ui::Application app(backend);
  backend.SetApplication(app);
  auto form = Start(app);
  app.ProcessMessages();
  HWND hwnd = ui::win32::Win32Backend::HandleOf(*form);
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, 61);
  EXPECT_EQ(r.top, 47);
  EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  form->ExitRequested = true;
  form->Close();
  DrainMessages();
}
