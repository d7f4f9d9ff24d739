#include "gfx/Canvas.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Hints.h"

#include "ui/win32/Win32Menus.h"
#include "ui/win32/Win32Peers.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/LateBound.h"
#include "ui/Controls.h"
#include "ui/ListView.h"
#include "ui/Memo.h"
#include "ui/Menu.h"
#include "ui/PageControl.h"
#include "ui/Window.h"
#include "ui/win32/CaptionButtons.h"
#include "ui/win32/Win32Lists.h"

namespace ui::win32 {

namespace {

constexpr char kAppClass[] = "TApplication";
constexpr char kFormClass[] = "TBrantelleForm";
constexpr UINT kRebuildMenu = WM_APP + 1;
constexpr UINT kRunPosted = WM_APP + 2;

Win32Backend* g_backend = nullptr;

HWND WindowHandle(const Window& w);

// Placements are told in work-area coordinates; the window model keeps screen ones.
POINT WorkAreaOrigin() {
  RECT work{};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return POINT{0, 0};
  return POINT{work.left, work.top};
}

// Containers without a window of their own: what they hold is placed on
// their native parent. (A tab sheet is a window, the parent of what lies on it.)
bool PlacesOnParent(const Component& c) {
  return c.GetKind() == Kind::GroupBox || c.GetKind() == Kind::PageControl;
}

class WindowPeer : public NativePeer {
 public:
  WindowPeer(Window& w, Win32Backend& backend) : w_(w), backend_(backend) {
    // Other windows belong to the hidden application window, as dialogs do:
    // no task bar button of their own, and they stay when the main window hides.
    const Window* main = w.App().MainWindow();
    HWND owner = main && main != &w ? backend.AppWindow() : nullptr;
    hwnd_ = CreateWindowExA(0, kFormClass, w.Caption().c_str(),
                            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | (w.MinimizeBox() ? WS_MINIMIZEBOX : 0),
                            CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, owner, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&w));
    Resize();
    RECT r;
    GetWindowRect(hwnd_, &r);
    w.NotifyPlaced(r.left, r.top);
    if (w.TopMost()) Changed(Prop::TopMost);
  }
  ~WindowPeer() override {
    if (IsWindow(hwnd_)) {
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      DestroyWindow(hwnd_);
    }
  }
  HWND Handle() const override { return hwnd_; }

  void Changed(Prop prop) override {
    switch (prop) {
      case Prop::Caption: SetWindowTextA(hwnd_, w_.Caption().c_str()); break;
      case Prop::Bounds: Resize(); break;
      case Prop::Visible:
        if (w_.Visible()) {
          if (!placed_) Center();
          ShowWindow(hwnd_, w_.State() == WindowState::Minimized   ? SW_SHOWMINNOACTIVE
                            : w_.State() == WindowState::Maximized ? SW_SHOWMAXIMIZED
                                                                   : SW_SHOW);
        } else {
          ShowWindow(hwnd_, SW_HIDE);
        }
        break;
      case Prop::WindowState:
        if (IsWindowVisible(hwnd_))
          ShowWindow(hwnd_, w_.State() == WindowState::Minimized   ? SW_MINIMIZE
                            : w_.State() == WindowState::Maximized ? SW_MAXIMIZE
                                                                   : SW_RESTORE);
        break;
      case Prop::Position: MoveTo(w_.Left(), w_.Top()); break;
      case Prop::TopMost:
        // "Not top-most" changes nothing for a window that is not (and a
        // top-level window's Z order is a round trip to the display).
        if (!w_.TopMost() && !(GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST)) break;
        SetWindowPos(hwnd_, w_.TopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
      case Prop::Closed:
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
        break;
      default: break;
    }
  }

 private:
  // The frame around the fixed client area is measured, not computed: a menu
  // bar that wraps takes more height than AdjustWindowRectEx knows of.
  void Resize() {
    if (w_.ClientWidth() == 0 || IsIconic(hwnd_)) return;
    RECT frame, client;
    GetWindowRect(hwnd_, &frame);
    GetClientRect(hwnd_, &client);
    if (client.right != w_.ClientWidth() || client.bottom != w_.ClientHeight())
      SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left - client.right + w_.ClientWidth(),
                   frame.bottom - frame.top - client.bottom + w_.ClientHeight(),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& c : w_.Components())
      if (c->GetKind() == Kind::StatusBar)
        if (HWND bar = Win32Backend::HandleOf(*c)) SendMessageA(bar, WM_SIZE, 0, 0);
  }
  // A minimized or maximized window gets the place it returns to.
  void MoveTo(int left, int top) {
    placed_ = true;
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (GetWindowPlacement(hwnd_, &wp) && (IsIconic(hwnd_) || IsZoomed(hwnd_))) {
      const POINT origin = WorkAreaOrigin();
      RECT& n = wp.rcNormalPosition;
      OffsetRect(&n, left - origin.x - n.left, top - origin.y - n.top);
      wp.showCmd = IsIconic(hwnd_) ? SW_SHOWMINNOACTIVE : SW_SHOWMAXIMIZED;
      if (!IsWindowVisible(hwnd_)) wp.showCmd = SW_HIDE;
      SetWindowPlacement(hwnd_, &wp);
      return;
    }
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Dialogs centre over the main window while it is on screen, others on the screen.
  void Center() {
    placed_ = true;
    RECT r, area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    GetWindowRect(hwnd_, &r);
    Window* main = w_.App().MainWindow();
    if (w_.GetPlacement() == Placement::MainFormCenter && main && main != &w_)
      if (HWND over = WindowHandle(*main)) {
        // A minimized or hidden main window still has the place it returns to.
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        if (IsIconic(over) || !IsWindowVisible(over)) {
          if (GetWindowPlacement(over, &wp)) {
            const POINT origin = WorkAreaOrigin();
            area = wp.rcNormalPosition;
            OffsetRect(&area, origin.x, origin.y);
          }
        } else {
          GetWindowRect(over, &area);
        }
      }
    const int w = r.right - r.left, h = r.bottom - r.top;
    int left = (area.left + area.right - w) / 2, top = (area.top + area.bottom - h) / 2;
    RECT work{};
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
      left = std::max<int>(work.left, std::min<int>(left, work.right - w));
      top = std::max<int>(work.top, std::min<int>(top, work.bottom - h));
    }
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Window& w_;
  Win32Backend& backend_;
  HWND hwnd_;
  bool placed_ = false;
};

HWND WindowHandle(const Window& w) {
  auto* peer = static_cast<WindowPeer*>(w.GetPeer());  // a window's peer is always one
  return peer ? peer->Handle() : nullptr;
}

// A page passes what its controls report on to the window, as if they lay on it.
LRESULT CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND: case WM_NOTIFY: case WM_HSCROLL: case WM_VSCROLL:
    case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_MEASUREITEM: case WM_DRAWITEM:  // a colour picker on a page is drawn by the window
      if (HWND form = GetParent(hwnd)) return SendMessageA(form, msg, wp, lp);
      break;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

POINT ControlOrigin(const Component& c) {
  POINT p{0, 0};
  for (const Component* up = c.Parent(); up && PlacesOnParent(*up); up = up->Parent())
    p.x += up->Bounds().left, p.y += up->Bounds().top;
  return p;
}

HWND ParentHandleOf(const Component& c) {
  if (c.Parent() && c.Parent()->GetKind() == Kind::StatusBar)
    if (auto* p = NativePeerOf(*c.Parent())) return p->Handle();
  for (const Component* up = c.Parent(); up; up = up->Parent())
    if (up->GetKind() == Kind::TabSheet)
      if (auto* p = NativePeerOf(*up)) return p->Handle();
  return WindowHandle(*c.Owner());
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* w = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!w || !g_backend) return DefWindowProcA(hwnd, msg, wp, lp);
  Application& app = w->App();
  if (LRESULT result = 0; CaptionMessage(hwnd, msg, wp, lp, *w, result)) return result;
  switch (msg) {
    case WM_COMMAND: {
      if (lp) {
        auto* c = reinterpret_cast<Component*>(GetWindowLongPtrA(reinterpret_cast<HWND>(lp), GWLP_USERDATA));
        if (!c) break;
        const int code = HIWORD(wp);
        if (code == BN_CLICKED) {
          if (c->GetKind() == Kind::Button) static_cast<Button*>(c)->Click();
          else if (c->GetKind() == Kind::CheckBox) static_cast<CheckBox*>(c)->Click();
          else if (c->GetKind() == Kind::RadioButton) static_cast<RadioButton*>(c)->Click();
        }
        InputCommand(*c, code);
        return 0;
      }
      if (auto* item = As<MenuItem>(g_backend->ById(LOWORD(wp)))) item->Click();
      return 0;
    }
    case WM_HSCROLL:
      if (lp) {
        auto* c = reinterpret_cast<Component*>(GetWindowLongPtrA(reinterpret_cast<HWND>(lp), GWLP_USERDATA));
        if (c && c->GetKind() == Kind::TrackBar)
          static_cast<TrackBar*>(c)->SetPosition(static_cast<int>(SendMessageA(reinterpret_cast<HWND>(lp), TBM_GETPOS, 0, 0)));
      }
      return 0;
    case WM_MEASUREITEM:
      if (auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp); m && m->CtlType == ODT_COMBOBOX) {
        m->itemHeight = 15;
        return TRUE;
      }
      break;
    case WM_DRAWITEM:
      if (lp && InputDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
      break;
    case DM_GETDEFID:
      for (const auto& c : w->Components())
        if (c->GetKind() == Kind::Button && static_cast<Button&>(*c).IsDefault())
          return MAKELONG(GetDlgCtrlID(Win32Backend::HandleOf(*c)), DC_HASDEFID);
      return 0;
    case kRebuildMenu:
      if (Menu* m = w->MainMenu())
        if (auto* peer = static_cast<MenuPeer*>(m->GetPeer())) {  // a menu's peer is always one
          HMENU old = GetMenu(hwnd);
          SetMenu(hwnd, nullptr);
          (void)old;  // owned by the peer, which rebuilds it
          SetMenu(hwnd, peer->Build());
          w->Changed(Prop::Bounds);  // the menu bar takes height outside the fixed client area
        }
      return 0;
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == SC_MINIMIZE && w == app.MainWindow()) {
        app.Minimize();
        return 0;
      }
      if ((wp & 0xFFF0) == SC_RESTORE && w == app.MainWindow()) {
        app.Restore();
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto* hdr = reinterpret_cast<const NMHDR*>(lp);
      if (!hdr || hdr->code != static_cast<UINT>(TCN_SELCHANGE) || GetParent(hdr->hwndFrom) != hwnd) break;
      auto* c = reinterpret_cast<Component*>(GetWindowLongPtrA(hdr->hwndFrom, GWLP_USERDATA));
      if (c && c->GetKind() == Kind::PageControl)
        static_cast<PageControl*>(c)->SelectTab(static_cast<int>(SendMessageA(hdr->hwndFrom, TCM_GETCURSEL, 0, 0)));
      return 0;
    }
    case WM_CTLCOLOREDIT:
      if (HBRUSH brush = InputBackground(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp)))
        return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_CTLCOLORSTATIC:
      // Disabled lists and spin boxes keep the colour they were given.
      if (HBRUSH brush = InputBackground(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp)))
        return reinterpret_cast<LRESULT>(brush);
      // A read-only memo keeps the white of a text box.
      if (auto* c = reinterpret_cast<Component*>(GetWindowLongPtrA(reinterpret_cast<HWND>(lp), GWLP_USERDATA));
          c && c->GetKind() == Kind::Memo) {
        SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      [[fallthrough]];
    case WM_CTLCOLORBTN: {
      // Header bars in the caption's colours; everything else on the button face.
      auto* c = reinterpret_cast<Component*>(GetWindowLongPtrA(reinterpret_cast<HWND>(lp), GWLP_USERDATA));
      const int face = c && c->GetKind() == Kind::Panel ? COLOR_ACTIVECAPTION : COLOR_BTNFACE;
      if (face == COLOR_ACTIVECAPTION) SetTextColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_CAPTIONTEXT));
      SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(face));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(face));
    }
    case WM_WINDOWPOSCHANGED: {
      // The normal-state bounds, also while the window is on its way to or
      // from minimized, when the window's own rectangle is the icon's.
      const LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
      WINDOWPLACEMENT placement{};
      placement.length = sizeof placement;
      if (pos && (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE) &&
          GetWindowPlacement(hwnd, &placement)) {
        const POINT origin = WorkAreaOrigin();
        w->NotifyPlaced(placement.rcNormalPosition.left + origin.x, placement.rcNormalPosition.top + origin.y);
      }
      return r;
    }
    case WM_SIZE:
      if (wp == SIZE_RESTORED) w->NotifyClientResized(LOWORD(lp), HIWORD(lp));
      break;
    case WM_CLOSE: w->Close(); return 0;
    case WM_HOTKEY: w->NotifyHotKey(static_cast<int>(wp)); return 0;
    case WM_DESTROY:
      DropHints(hwnd);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      w->NotifyDestroyed();
      return 0;
    case WM_QUERYENDSESSION: {
      bool ok = true;
      if (w->OnQueryEndSession) Dispatch(app, [&] { ok = w->OnQueryEndSession(); });
      return ok ? 1 : 0;
    }
    case WM_ENDSESSION:
      if (wp) Dispatch(app, w->OnEndSession);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK AppProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER && g_backend) {
    g_backend->TimerFired(static_cast<unsigned>(wp));
    return 0;
  }
  if (msg == kRunPosted && g_backend) {
    g_backend->RunOnePosted();
    return 0;
  }
  if (msg == WM_ACTIVATEAPP && !wp && g_backend && g_backend->app_) g_backend->app_->Deactivated();
  return DefWindowProcA(hwnd, msg, wp, lp);
}

// The common controls of Windows 95's first library (4.00) lack
// InitCommonControlsEx; the older call registers the same classes there.
static void InitControlClasses() {
  using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  auto initEx = reinterpret_cast<InitEx>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("comctl32.dll"), "InitCommonControlsEx")));
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS |
                                           ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
  if (!initEx || !initEx(&icc)) InitCommonControls();
}

Win32Backend::Win32Backend() {
  g_backend = this;
  InitControlClasses();
  HINSTANCE inst = GetModuleHandleA(nullptr);
  HICON icon = LoadIconA(inst, "MAINICON");
  WNDCLASSA wc{};
  wc.hInstance = inst;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hIcon = icon ? icon : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  wc.lpfnWndProc = AppProc;
  wc.lpszClassName = kAppClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = FormProc;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = PaintProc;
  wc.hbrBackground = nullptr;
  wc.hIcon = nullptr;
  wc.cbWndExtra = sizeof(LONG_PTR);  // the window's back buffer
  wc.lpszClassName = kPaintClass;
  RegisterClassA(&wc);
  wc.lpszClassName = kPictureClass;
  RegisterClassA(&wc);
  wc.cbWndExtra = 0;
  wc.lpfnWndProc = PageProc;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPageClass;
  RegisterClassA(&wc);
  appWindow_ = CreateWindowExA(0, kAppClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, inst, nullptr);
  font_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, gfx::kDefaultFontName);
}

Win32Backend::~Win32Backend() {
  if (appWindow_) DestroyWindow(appWindow_);
  if (font_) DeleteObject(font_);
  g_backend = nullptr;
}

std::unique_ptr<Peer> Win32Backend::CreatePeer(Component& c) {
  switch (c.GetKind()) {
    case Kind::Window: return std::make_unique<WindowPeer>(static_cast<Window&>(c), *this);
    case Kind::Timer: return CreateTimerPeer(static_cast<Timer&>(c), *this);
    case Kind::Menu: return std::make_unique<MenuPeer>(static_cast<Menu&>(c), *this);
    case Kind::MenuItem: return CreateMenuItemPeer(static_cast<MenuItem&>(c), *this);
    case Kind::CaptionBar: return MakeCaptionPeer(static_cast<CaptionBar&>(c));
    case Kind::NonVisual:
    case Kind::Action: return nullptr;
    default:
      if (auto peer = CreateInputPeer(c, *this)) return peer;
      return CreateControlPeer(c, *this);
  }
}

void Win32Backend::Realize(Window& w) {
  const bool late = w.GetPeer() != nullptr;
  if (!late) w.AttachPeer(CreatePeer(w));
  const auto& all = w.Components();
  for (size_t i = 0; i < all.size(); ++i) {
    Component& c = *all[i];
    // Parts that are no controls got their peer (or none) with the window.
    if (c.GetPeer() || c.WaitsToShow() || (late && !c.IsControl())) continue;
    c.AttachPeer(CreatePeer(c));
    if (late) KeepCreationOrder(all, i);
  }
}

// A control created when it first shows takes the place in the Z order (and
// so in the Tab order) that it would have had if created with the window:
// after the nearest earlier control on the same native parent.
void Win32Backend::KeepCreationOrder(const std::vector<std::unique_ptr<Component>>& all, size_t i) {
  HWND self = HandleOf(*all[i]);
  if (!self) return;
  HWND parent = GetParent(self), after = HWND_TOP;
  for (size_t j = i; j-- > 0;)
    if (HWND h = HandleOf(*all[j]); h && GetParent(h) == parent) {
      after = h;
      break;
    }
  SetWindowPos(self, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

HWND Win32Backend::HandleOf(const Component& c) {
  auto* p = NativePeerOf(c);
  return p ? p->Handle() : nullptr;
}

int Win32Backend::Register(Component& c) {
  for (const auto& [id, comp] : ids_)
    if (comp == &c) return id;
  if (nextId_ > 0xEFFF) nextId_ = 100;
  while (ids_.count(nextId_)) ++nextId_;
  ids_[nextId_] = &c;
  return nextId_++;
}

void Win32Backend::Unregister(int id) { ids_.erase(id); }

Component* Win32Backend::ById(int id) const {
  auto it = ids_.find(id);
  return it == ids_.end() ? nullptr : it->second;
}

void Win32Backend::MenuChanged(Menu& m) {
  if (m.IsPopup()) return;  // built when it pops up
  if (HWND hwnd = WindowHandle(*m.Owner())) {
    MSG pending;
    if (!PeekMessageA(&pending, hwnd, kRebuildMenu, kRebuildMenu, PM_NOREMOVE))
      PostMessageA(hwnd, kRebuildMenu, 0, 0);
  }
}

bool Win32Backend::Pump(MSG& msg) {
  if (msg.message == WM_QUIT) {
    if (app_) app_->Terminate();
    return false;
  }
  if (RunShortCut(msg, kFormClass)) return true;
  // Only keyboard input needs a form's dialog navigation (Tab, arrows, Enter,
  // mnemonics); asking for the active window is a server request under Wine,
  // and the timers alone bring five messages a second.
  const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
  HWND form = key ? GetActiveWindow() : nullptr;
  if (!form || !IsDialogMessageA(form, &msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

void Win32Backend::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    if (!Pump(msg)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
}

void Win32Backend::Run() {
  MSG msg;
  while (!(app_ && app_->IsTerminated()) && GetMessageA(&msg, nullptr, 0, 0) > 0) Pump(msg);
}

void Win32Backend::RunModal(Window& w) {
  Realize(w);
  // The main window and any modal window below this one wait for it.
  HWND owner = app_ && app_->MainWindow() ? WindowHandle(*app_->MainWindow()) : nullptr;
  HWND below = modal_.empty() ? owner : modal_.back();
  std::vector<HWND> disabled;
  for (HWND h : {owner, below})
    if (h && IsWindowEnabled(h) && std::find(disabled.begin(), disabled.end(), h) == disabled.end()) {
      EnableWindow(h, FALSE);
      disabled.push_back(h);
    }
  HWND self = WindowHandle(w);
  modal_.push_back(self);
  w.Show();
  MSG msg;
  while (!w.Destroyed() && !(app_ && app_->IsTerminated()) && GetMessageA(&msg, nullptr, 0, 0) > 0)
    Pump(msg);
  modal_.pop_back();
  for (HWND h : disabled) EnableWindow(h, TRUE);
  if (below && IsWindow(below)) SetForegroundWindow(below);
}

bool Win32Backend::PickColor(Window* owner, uint32_t& color) {
  static COLORREF custom[16] = {};
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner ? WindowHandle(*owner) : nullptr;
  // A system colour starts the dialog at what it looks like now.
  cc.rgbResult = (color & 0xFF000000u) == 0x80000000u ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  static const auto choose = platform::win32::LateBound<decltype(&ChooseColorA)>("comdlg32.dll", "ChooseColorA");
  if (!choose || !choose(&cc)) return false;
  color = cc.rgbResult;
  return true;
}

void Win32Backend::PopupMenu(Menu& m, int x, int y) {
  auto* peer = static_cast<MenuPeer*>(m.GetPeer());  // a menu's peer is always one
  HWND owner = app_ && app_->MainWindow() ? WindowHandle(*app_->MainWindow()) : appWindow_;
  if (!peer || !owner) return;
  HMENU menu = peer->Build();
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
  PostMessageA(owner, WM_NULL, 0, 0);
}

void Win32Backend::ForegroundApp() {
  HWND owner = app_ && app_->MainWindow() ? WindowHandle(*app_->MainWindow()) : appWindow_;
  if (owner) SetForegroundWindow(owner);
}

void Win32Backend::Post(Event call) {
  posted_.push_back(std::move(call));
  PostMessageA(appWindow_, kRunPosted, 0, 0);
}

void Win32Backend::RunOnePosted() {
  if (posted_.empty()) return;
  Event call = std::move(posted_.front());
  posted_.pop_front();
  if (app_) Dispatch(*app_, call);
}

void Win32Backend::ShowError(const std::string& title, const std::string& message) {
  HWND owner = app_ && app_->MainWindow() ? WindowHandle(*app_->MainWindow()) : nullptr;
  MessageBoxA(owner, message.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

static HWND MainHandle(Application* app) {
  return app && app->MainWindow() ? WindowHandle(*app->MainWindow()) : nullptr;
}

void Win32Backend::MinimizeApp() {
  if (HWND h = MainHandle(app_); h && IsWindowVisible(h)) ShowWindow(h, SW_MINIMIZE);
}

void Win32Backend::RestoreApp() {
  if (HWND h = MainHandle(app_)) {
    ShowWindow(h, IsIconic(h) || !IsWindowVisible(h) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(h);
  }
}

void Win32Backend::HideApp() {
  if (HWND h = MainHandle(app_)) ShowWindow(h, SW_HIDE);
}

void Win32Backend::ShowApp() {
  if (HWND h = MainHandle(app_)) ShowWindow(h, SW_SHOWNA);
}

void Win32Backend::TitleChanged(const std::string& title) { SetWindowTextA(appWindow_, title.c_str()); }

void Win32Backend::Terminated() { PostQuitMessage(0); }

uint32_t Win32Backend::NativeHandle(const Window& w) {
  return platform::win32::HandleBits(WindowHandle(w));
}

uint32_t Win32Backend::AppHandle() { return platform::win32::HandleBits(appWindow_); }

}  // namespace ui::win32
