// The processor detection window realised with real controls.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "cpu/CpuFrm.h"
#include "cpu/CpuidQuery.h"
#include "ui/win32/Win32Backend.h"

namespace {

std::string ItemText(HWND list, int item, int sub) {
  char buf[128] = {};
  LVITEMA li{};
  li.iSubItem = sub;
  li.pszText = buf;
  li.cchTextMax = sizeof buf;
  SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&li));
  return buf;
}

int ItemImage(HWND list, int item) {
  LVITEMA li{};
  li.mask = LVIF_IMAGE;
  li.iItem = item;
  SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&li));
  return li.iImage;
}

RECT Client(HWND h) {
  RECT r{};
  GetClientRect(h, &r);
  return r;
}

}  // namespace

TEST(CpuFormWin32, RealControlsOnTwoPagesAndAClientAreaThatSnapsBack) {
  cpu::UseHostProcessor();
  ui::win32::Win32Backend backend;
  ui::Application app(backend);
  backend.SetApplication(app);
  cpu::TCpuForm form(app);
  backend.Realize(form);
  form.Show();
  app.ProcessMessages();

  HWND window = ui::win32::Win32Backend::HandleOf(form);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(Client(window).right, 415);
  EXPECT_EQ(Client(window).bottom, 404);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

  RECT r;
  GetWindowRect(window, &r);
  SetWindowPos(window, nullptr, 0, 0, r.right - r.left + 50, r.bottom - r.top + 30, SWP_NOMOVE | SWP_NOZORDER);
  app.ProcessMessages();
  EXPECT_EQ(Client(window).right, 415);
  EXPECT_EQ(Client(window).bottom, 404);

  HWND tabs = ui::win32::Win32Backend::HandleOf(*form.PageControl1);
  HWND list = ui::win32::Win32Backend::HandleOf(*form.FeatureList);
  HWND vendor = ui::win32::Win32Backend::HandleOf(*form.lblVendor);
  EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(vendor));
  EXPECT_FALSE(IsWindowVisible(list));

  // The user picks the second tab.
  SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
  NMHDR hdr{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(window, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
  EXPECT_EQ(form.PageControl1->ActivePage(), form.tabFeatureSet);
  EXPECT_FALSE(IsWindowVisible(vendor));
  EXPECT_TRUE(IsWindowVisible(list));

  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 30);
  EXPECT_EQ(ItemText(list, 0, 0), "3DNOW");
  EXPECT_EQ(ItemText(list, 0, 1), "3DNow! Extensions");
  EXPECT_NE(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
  EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & LVS_NOCOLUMNHEADER);
  int fpu = 0;
  while (fpu < 30 && ItemText(list, fpu, 0) != "FPU") ++fpu;
  EXPECT_EQ(ItemImage(list, fpu), 0);  // every processor running this has one

  form.Go->Click();
  EXPECT_TRUE(form.Destroyed());
  EXPECT_FALSE(IsWindow(window));
}
