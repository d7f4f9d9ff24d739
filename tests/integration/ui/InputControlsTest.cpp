#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "ui/Controls.h"
#include "ui/EditControls.h"
#include "ui/PageControl.h"
#include "ui/Window.h"
#include "ui/win32/Win32Backend.h"

namespace {

using ui::win32::Win32Backend;

std::string Text(HWND h) {
  char buf[64] = {};
  GetWindowTextA(h, buf, sizeof buf);
  return buf;
}

struct Form {
  Win32Backend backend;
  ui::Application app{backend};
  ui::Window w{app, "TestForm"};
  ui::PageControl* pages;
  ui::ComboBox* list;
  ui::SpinEdit* spin;
  ui::HotKeyEdit* key;
  ui::ColorBox* color;
  Form() {
    backend.SetApplication(app);
    w.SetClientSize(300, 200);
    pages = &w.Add<ui::PageControl>(nullptr, "Pages");
    pages->SetBounds({4, 4, 292, 160});
    auto& first = w.Add<ui::TabSheet>(pages, "First");
    first.SetCaption("First");
    auto& second = w.Add<ui::TabSheet>(pages, "Second");
    second.SetCaption("Second");
    list = &w.Add<ui::ComboBox>(&first, "List");
    list->SetBounds({8, 8, 120, 21});
    list->SetItems({"a", "b", "c"});
    EXPECT_TRUE(list->SetItemIndex(1).Ok());
    spin = &w.Add<ui::SpinEdit>(&first, "Spin");
    spin->SetBounds({8, 40, 60, 21});
    spin->SetMax(180);
    spin->SetMin(1);
    spin->SetValue(60);
    key = &w.Add<ui::HotKeyEdit>(&second, "Key");
    key->SetBounds({8, 8, 90, 21});
    key->SetKey('T');
    color = &w.Add<ui::ColorBox>(&second, "Color");
    color->SetBounds({8, 40, 120, 21});
    color->SetSelected(0x0000FF00);
    backend.Realize(w);
    w.Show();
    app.ProcessMessages();
  }
  HWND H(const ui::Component& c) { return Win32Backend::HandleOf(c); }
};

}  // namespace

TEST(InputControls, ShowTheModelAndOnlyTheActiveSheet) {
  Form f;
  EXPECT_EQ(SendMessageA(f.H(*f.list), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(f.H(*f.list), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Text(f.H(*f.spin)), "60");
  EXPECT_EQ(SendMessageA(f.H(*f.key), HKM_GETHOTKEY, 0, 0) & 0xFF, 'T');
  EXPECT_EQ(SendMessageA(f.H(*f.color), CB_GETCURSEL, 0, 0), 10);  // Lime
  EXPECT_EQ(SendMessageA(f.H(*f.pages), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(f.H(*f.list)));
  EXPECT_FALSE(IsWindowVisible(f.H(*f.key)));

  // The user picks the second tab: its controls show, the first sheet's hide.
  SendMessageA(f.H(*f.pages), TCM_SETCURSEL, 1, 0);
  NMHDR note{f.H(*f.pages), static_cast<UINT_PTR>(GetDlgCtrlID(f.H(*f.pages))), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(Win32Backend::HandleOf(f.w), WM_NOTIFY, note.idFrom, reinterpret_cast<LPARAM>(&note));
  EXPECT_EQ(f.pages->ActivePageIndex(), 1);
  EXPECT_TRUE(IsWindowVisible(f.H(*f.key)));
  EXPECT_FALSE(IsWindowVisible(f.H(*f.spin)));
}

TEST(InputControls, TypedValuesReachTheModelLimitedToTheRange) {
  Form f;
  SetWindowTextA(f.H(*f.spin), "500");  // the edit reports the change to the form
  EXPECT_EQ(f.spin->Value(), 180);
  EXPECT_EQ(Text(f.H(*f.spin)), "500");  // left as typed while it is being edited
  SendMessageA(Win32Backend::HandleOf(f.w), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(f.H(*f.spin)), EN_KILLFOCUS),
               reinterpret_cast<LPARAM>(f.H(*f.spin)));
  EXPECT_EQ(Text(f.H(*f.spin)), "180");

  SendMessageA(f.H(*f.list), CB_SETCURSEL, 2, 0);
  SendMessageA(Win32Backend::HandleOf(f.w), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(f.H(*f.list)), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(f.H(*f.list)));
  EXPECT_EQ(f.list->ItemIndex(), 2);

  // The field takes a key, and its release shows the model what it holds.
  int released = 0;
  f.key->OnKeyUp = [&] { ++released; };
  SendMessageA(f.H(*f.key), HKM_SETHOTKEY, VK_F5, 0);
  SendMessageA(f.H(*f.key), WM_KEYUP, VK_F5, 0);
  EXPECT_EQ(released, 1);
  EXPECT_EQ(f.key->Key(), VK_F5);
}

TEST(InputControls, AResizedWindowSnapsBackToItsClientSize) {
  Form f;
  HWND h = Win32Backend::HandleOf(f.w);
  SetWindowPos(h, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
  RECT r;
  GetClientRect(h, &r);
  EXPECT_EQ(r.right, 300);
  EXPECT_EQ(r.bottom, 200);
}

TEST(InputControls, AColourPickerOnAPageDrawsItsColour) {
  Form f;
  HWND box = f.H(*f.color);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 120, 16);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  // What the picker asks of its parent, the page, to paint its selection field.
  DRAWITEMSTRUCT d{};
  d.CtlType = ODT_COMBOBOX;
  d.CtlID = static_cast<UINT>(GetDlgCtrlID(box));
  d.itemID = 10;  // Lime
  d.itemAction = ODA_DRAWENTIRE;
  d.hwndItem = box;
  d.hDC = dc;
  d.rcItem = {0, 0, 120, 16};
  EXPECT_TRUE(SendMessageA(GetParent(box), WM_DRAWITEM, d.CtlID, reinterpret_cast<LPARAM>(&d)));
  EXPECT_EQ(GetPixel(dc, 12, 8), RGB(0, 255, 0));  // inside the colour's swatch
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

// A modal window's loop ends with the message that closes it, not at the next
// one (here a timer three seconds later), and gives its owner back.
TEST(ModalWindow, ItsLoopEndsWithTheMessageThatClosesIt) {
  Form f;
  f.app.SetMainWindow(&f.w);
  ui::Window dialog{f.app, "Dialog"};
  dialog.SetClientSize(200, 100);
  auto& ok = dialog.Add<ui::Button>(nullptr, "Ok");
  ok.SetBounds({60, 40, 75, 25});
  ok.OnClick = [&] { dialog.Close(); };
  dialog.OnShow = [&] { PostMessageA(Win32Backend::HandleOf(ok), BM_CLICK, 0, 0); };
  const UINT_PTR timer = SetTimer(nullptr, 0, 3000, nullptr);
  f.app.ShowModal(dialog);
  MSG late;
  EXPECT_FALSE(PeekMessageA(&late, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE));  // still to come
  KillTimer(nullptr, timer);
  EXPECT_TRUE(dialog.Destroyed());
  EXPECT_TRUE(IsWindowEnabled(Win32Backend::HandleOf(f.w)));
  f.app.SetMainWindow(nullptr);
}

// Timers of one period tick together from one timer message; one that stops
// itself leaves the others running.
TEST(Timers, OfOnePeriodTickTogetherFromOneTimerMessage) {
  Form f;
  int ticks[3] = {}, messages = 0;
  for (int i = 0; i < 3; ++i) {
    auto& t = f.w.Add<ui::Timer>("Timer" + std::to_string(i));
    t.SetInterval(40);
    t.OnTimer = [&ticks, &t, i] { if (++ticks[i] == 2 && i == 2) t.SetEnabled(false); };
  }
  MSG m;
  for (const DWORD until = GetTickCount() + 3000; ticks[0] < 5 && GetTickCount() < until;) {
    if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      continue;
    }
    messages += m.message == WM_TIMER && m.hwnd == f.backend.AppWindow();
    DispatchMessageA(&m);
  }
  EXPECT_EQ(messages, 5);
  EXPECT_EQ(ticks[1], 5);
  EXPECT_EQ(ticks[2], 2);
}
