#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "ui/win32/Win32Backend.h"

namespace {

std::string Text(HWND h) {
  char buf[512] = {};
  GetWindowTextA(h, buf, sizeof buf);
  return buf;
}

std::string ClassOf(HWND h) {
  char buf[64] = {};
  GetClassNameA(h, buf, sizeof buf);
  return buf;
}

}  // namespace

TEST(MainWindow, RealisedWithRealControlsAndAFixedClientArea) {
  fakes::FakeSystem sys;
  sys.memory.figures.totalPhys = 512u << 20;
  sys.environment.args.push_back("/W");
  ui::win32::Win32Backend backend;
  ui::Application app(backend);
  backend.SetApplication(app);
  app::TMainForm form(app, sys.system);
  app::StartUp(app, form);
  app.ProcessMessages();

  HWND main = ui::win32::Win32Backend::HandleOf(form);
  ASSERT_TRUE(IsWindow(main));
  EXPECT_TRUE(IsWindowVisible(main));
  RECT r;
  GetClientRect(main, &r);
  EXPECT_EQ(r.right, 459);
  EXPECT_EQ(r.bottom, 387);
  EXPECT_EQ(Text(main).rfind("Brantelle ", 0), 0u);  // the live title follows
  EXPECT_FALSE(GetWindowLongA(main, GWL_STYLE) & WS_MAXIMIZEBOX);
  EXPECT_TRUE(GetMenu(main) != nullptr);

  HWND go = ui::win32::Win32Backend::HandleOf(*form.Go);
  EXPECT_EQ(Text(go), "Go!");
  EXPECT_EQ(ClassOf(go), "Button");
  // Hidden controls get their window when they first show; the setting
  // labels never do.
  EXPECT_EQ(ui::win32::Win32Backend::HandleOf(*form.Find("RAMLevel")), nullptr);
  EXPECT_EQ(ui::win32::Win32Backend::HandleOf(*form.TrackBar), nullptr);

  // A click on the real radio button reaches the model and the group.
  SendMessageA(ui::win32::Win32Backend::HandleOf(*form.TryTo), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.TryTo->Checked());
  EXPECT_FALSE(form.Auto->Checked());
  EXPECT_EQ(SendMessageA(ui::win32::Win32Backend::HandleOf(*form.Auto), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // The slider shows with it, in its place in the Tab order.
  HWND slider = ui::win32::Win32Backend::HandleOf(*form.TrackBar);
  EXPECT_EQ(ClassOf(slider), "msctls_trackbar32");
  EXPECT_TRUE(IsWindowVisible(slider));
  EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 512);
  EXPECT_EQ(GetWindow(ui::win32::Win32Backend::HandleOf(*form.TryTo), GW_HWNDNEXT), slider);

  // The menu bar lists the top-level menus in order.
  HMENU bar = GetMenu(main);
  char caption[64];
  GetMenuStringA(bar, 0, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "File");
  EXPECT_EQ(GetMenuItemCount(bar), 6);

  form.ExitRequested = true;  // the close box alone would go to the tray
  form.Close();
  EXPECT_FALSE(IsWindow(main));
  EXPECT_TRUE(app.IsTerminated());
}
