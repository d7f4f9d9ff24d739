#include <gtest/gtest.h>

#include <windows.h>

#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "ui/win32/Win32Backend.h"

namespace {

using ui::win32::Win32Backend;

RECT Client(HWND h) {
  RECT r{};
  GetClientRect(h, &r);
  return r;
}

struct Watched {
  app::TMainForm* form = nullptr;
  fakes::FakeSystem* sys = nullptr;
  Win32Backend* backend = nullptr;
  HWND main = nullptr;
  int ticks = 0, ticksAtOpen = -1;
  bool checked = false;
} g;

void CheckOpenReport(report::TReportForm& seen) {
  HWND report = Win32Backend::HandleOf(seen);
  ASSERT_TRUE(IsWindowVisible(report));
  EXPECT_FALSE(IsWindowEnabled(g.main));
  EXPECT_EQ(GetWindow(report, GW_OWNER), g.backend->AppWindow());
  EXPECT_FALSE(GetWindowLongA(report, GWL_STYLE) & WS_MINIMIZEBOX);
  EXPECT_EQ(Client(report).right, 317);
  EXPECT_EQ(Client(report).bottom, 281);
  SetWindowPos(report, nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Client(report).right, 317);
  EXPECT_EQ(Client(report).bottom, 281);
  RECT m, r;  // centred over the main window
  GetWindowRect(g.main, &m);
  GetWindowRect(report, &r);
  EXPECT_NEAR((r.left + r.right) / 2, (m.left + m.right) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, (m.top + m.bottom) / 2, 1);

  HWND memo = Win32Backend::HandleOf(*seen.Memo);
  EXPECT_TRUE(GetWindowLongA(memo, GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(GetWindowLongA(memo, GWL_STYLE) & WS_VSCROLL);
  char text[2048] = {};
  GetWindowTextA(memo, text, sizeof text);
  EXPECT_EQ(std::string(text), seen.Memo->Text());

  SendMessageA(Win32Backend::HandleOf(*seen.ElPopupButton2), BM_CLICK, 0, 0);
  g.sys->fileDialogs.answer = "C:\\report";
  SendMessageA(Win32Backend::HandleOf(*seen.ElPopupButton1), BM_CLICK, 0, 0);
  ASSERT_EQ(g.sys->fileDialogs.requests.size(), 1u);
  EXPECT_EQ(g.sys->fileDialogs.requests[0].owner, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(report)));
  g.checked = true;
}

void CALLBACK Watch(HWND, UINT, UINT_PTR, DWORD) {
  report::TReportForm* seen = g.form->Report();
  if (!seen || seen->Destroyed()) return;
  if (g.ticksAtOpen < 0) {
    g.ticksAtOpen = g.ticks;
    CheckOpenReport(*seen);
  }
  // The main window's timer keeps ticking while the report is open; then Close.
  if (g.ticks - g.ticksAtOpen >= 3 || !g.checked)
    PostMessageA(Win32Backend::HandleOf(*seen->ElPopupButton3), BM_CLICK, 0, 0);
}

}  // namespace

// The report as a real window, shown modally over the main window, with the
// printer and the save dialog faked.
TEST(ReportWindow, ModalOverTheMainWindowWithAFixedClientAreaAndWorkingButtons) {
  fakes::FakeSystem sys;
  sys.memory.figures.totalPhys = 268435456;
  sys.memory.figures.availPhys = 41943040;
  sys.environment.args.push_back("/W");
  Win32Backend backend;
  ui::Application app(backend);
  backend.SetApplication(app);
  app::TMainForm form(app, sys.system);
  app::StartUp(app, form);
  app.ProcessMessages();
  HWND main = Win32Backend::HandleOf(form);

  form.Timer->OnTimer = [&] { ++g.ticks; };  // the main window's display timer
  form.Timer->SetInterval(10);
  g = {&form, &sys, &backend, main};
  // Looks at the report from inside its modal loop, as soon as it shows.
  const UINT_PTR watch = SetTimer(nullptr, 0, 20, Watch);
  form.Go->Click();

  KillTimer(nullptr, watch);
  EXPECT_TRUE(g.checked);
  EXPECT_GE(g.ticks - g.ticksAtOpen, 3);
  EXPECT_EQ(form.Report(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(main));
  ASSERT_EQ(sys.printing.jobs.size(), 1u);
  EXPECT_EQ(sys.printing.jobs[0].pages.at(0).size(), 11u);
  EXPECT_EQ(sys.printing.jobs[0].pages[0][4].text, "Free RAM before freeing: 40 Mb (16% )");
  const std::string& saved = sys.textFiles.files["C:\\report"];
  EXPECT_EQ(saved.substr(saved.size() - 34), "\r\nAvailable Virtual Memory: 0 Mb\r\n");
}
