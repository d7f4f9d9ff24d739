// Peers of the value controls and page tabs: drop-down lists, colour
// pickers, spin boxes, hot-key fields, the tab control and its sheets.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "ui/EditControls.h"
#include "ui/Window.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Hints.h"
#include "ui/win32/Win32Peers.h"

namespace ui::win32 {

namespace {

constexpr int kDropDownHeight = 200;  // the list below a drop-down box
constexpr char kOriginalProc[] = "BrantelleOriginalProc";

COLORREF Shown(uint32_t color) {
  return (color & 0xFF000000u) == 0x80000000u ? GetSysColor(static_cast<int>(color & 0xFF)) : color & 0xFFFFFFu;
}

class InputPeer : public NativePeer {
 public:
  InputPeer(Component& c, Win32Backend& backend) : c_(c), backend_(backend) {
    const char* cls = WC_COMBOBOXA;
    DWORD style = WS_CHILD | WS_TABSTOP, ex = 0;
    switch (c.GetKind()) {
      case Kind::ComboBox: style |= CBS_DROPDOWNLIST | WS_VSCROLL; break;
      case Kind::ColorBox: style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL; break;
      case Kind::SpinEdit: cls = "EDIT", style |= ES_NUMBER | ES_AUTOHSCROLL, ex = WS_EX_CLIENTEDGE; break;
      case Kind::HotKeyEdit: cls = HOTKEY_CLASSA; break;
      default: break;
    }
    const POINT o = ControlOrigin(c);
    const Rect& b = c.Bounds();
    hwnd_ = CreateWindowExA(ex, cls, "", style, o.x + b.left, o.y + b.top, b.width, Height(), ParentHandleOf(c),
                            reinterpret_cast<HMENU>(static_cast<intptr_t>(id_ = backend.Register(c))),
                            GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&c));
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(backend.Font()), FALSE);
    if (c.GetKind() == Kind::SpinEdit) {
      spin_ = CreateWindowExA(0, UPDOWN_CLASSA, "",
                              WS_CHILD | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0,
                              0, 0, ParentHandleOf(c), nullptr, GetModuleHandleA(nullptr), nullptr);
      SendMessageA(spin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd_), 0);
      UDACCEL step{0, static_cast<UINT>(std::max(1, static_cast<SpinEdit&>(c).Increment()))};
      SendMessageA(spin_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
      Subclass(&SpinKeyProc);
    }
    if (c.GetKind() == Kind::HotKeyEdit) {
      // Every combination with a modifier becomes the plain key.
      SendMessageA(hwnd_, HKM_SETRULES,
                   HKCOMB_A | HKCOMB_C | HKCOMB_CA | HKCOMB_S | HKCOMB_SA | HKCOMB_SC | HKCOMB_SCA, 0);
      Subclass(&HotKeyProc);
    }
    for (Prop p : {Prop::Items, Prop::Range, Prop::Value, Prop::ItemIndex, Prop::Enabled, Prop::Visible})
      Changed(p);
  }
  ~InputPeer() override {
    backend_.Unregister(id_);
    if (!sentHint_.empty()) SetHints({});
    if (spin_ && IsWindow(spin_)) DestroyWindow(spin_);
    if (IsWindow(hwnd_)) {
      if (original_) {
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        RemovePropA(hwnd_, kOriginalProc);
      }
      DestroyWindow(hwnd_);
    }
  }
  HWND Handle() const override { return hwnd_; }

  void Changed(Prop prop) override {
    switch (prop) {
      case Prop::Enabled:
        EnableWindow(hwnd_, c_.Enabled());
        if (spin_) EnableWindow(spin_, c_.Enabled());
        break;
      case Prop::Visible:
        ShowWindow(hwnd_, c_.Showing() ? SW_SHOWNA : SW_HIDE);
        if (spin_) ShowWindow(spin_, c_.Showing() ? SW_SHOWNA : SW_HIDE);
        [[fallthrough]];
      case Prop::Hint:
        if (const std::string hint = HintToShow(c_); hint != sentHint_)
          SetHints(hint);
        break;
      case Prop::Bounds: {
        const POINT o = ControlOrigin(c_);
        const Rect& b = c_.Bounds();
        MoveWindow(hwnd_, o.x + b.left, o.y + b.top, b.width, Height(), TRUE);
        if (spin_) SendMessageA(spin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd_), 0);
        break;
      }
      case Prop::Items:
        if (c_.GetKind() == Kind::ComboBox) {
          auto& box = static_cast<ComboBox&>(c_);
          FillList(box.Items(), box.ItemIndex());
        } else if (c_.GetKind() == Kind::ColorBox) {
          auto& box = static_cast<ColorBox&>(c_);
          FillList(box.Items(), box.ItemIndex());
        }
        break;
      case Prop::ItemIndex:
        if (c_.GetKind() == Kind::ComboBox)
          SendMessageA(hwnd_, CB_SETCURSEL, static_cast<ComboBox&>(c_).ItemIndex(), 0);
        break;
      case Prop::Range:
        if (c_.GetKind() == Kind::SpinEdit) {
          auto& s = static_cast<SpinEdit&>(c_);
          SendMessageA(spin_, UDM_SETRANGE32, s.Min(), s.Max());
        }
        break;
      case Prop::Value: ShowValue(); break;
      case Prop::Color: InvalidateRect(hwnd_, nullptr, TRUE); break;
      default: break;
    }
  }

  // The spin box's arrows show the hint of its field.
  void SetHints(const std::string& hint) {
    SetControlHint(hwnd_, hint, false, RECT{});
    if (spin_) SetControlHint(spin_, hint, false, RECT{});
    sentHint_ = hint;
  }
  std::string sentHint_;

  bool Command(int code) {
    switch (c_.GetKind()) {
      case Kind::ComboBox:
        if (code == CBN_SELCHANGE) static_cast<ComboBox&>(c_).Choose(static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)));
        return true;
      case Kind::ColorBox:
        if (code == CBN_SELCHANGE) static_cast<ColorBox&>(c_).Choose(static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)));
        return true;
      case Kind::SpinEdit:
        if (code == EN_CHANGE && !showing_) {
          char buf[32] = {};
          GetWindowTextA(hwnd_, buf, sizeof buf);
          char* end = nullptr;
          const long v = std::strtol(buf, &end, 10);
          if (end != buf && *end == '\0') {
            typing_ = true;  // the text stays as typed until the box loses the focus
            static_cast<SpinEdit&>(c_).SetValue(static_cast<int>(std::clamp(v, -2147483647L, 2147483647L)));
            typing_ = false;
          }
        }
        if (code == EN_KILLFOCUS) ShowValue();
        return true;
      default: return false;
    }
  }

  void DrawItem(const DRAWITEMSTRUCT& d) {
    if (d.itemID == static_cast<UINT>(-1)) return;
    const int i = static_cast<int>(d.itemID);
    const auto& box = static_cast<ColorBox&>(c_);
    const bool selected = d.itemState & ODS_SELECTED;
    FillRect(d.hDC, &d.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    RECT swatch{d.rcItem.left + 2, d.rcItem.top + 2, d.rcItem.left + 22, d.rcItem.bottom - 2};
    HBRUSH brush = CreateSolidBrush(Shown(i < ColorBox::kBasicCount ? ColorBox::BasicColor(i) : box.Selected()));
    FillRect(d.hDC, &swatch, brush);
    DeleteObject(brush);
    FrameRect(d.hDC, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const std::string& name = box.Items()[std::min<size_t>(i, box.Items().size() - 1)];
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = d.rcItem;
    text.left += 26;
    DrawTextA(d.hDC, name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }

 private:
  void FillList(const std::vector<std::string>& items, int index) {
    SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(hwnd_, CB_SETCURSEL, index, 0);
  }
  int Height() const {
    const int h = c_.Bounds().height;
    return c_.GetKind() == Kind::ComboBox || c_.GetKind() == Kind::ColorBox ? h + kDropDownHeight : h;
  }
  void ShowValue() {
    switch (c_.GetKind()) {
      case Kind::ColorBox: SendMessageA(hwnd_, CB_SETCURSEL, static_cast<ColorBox&>(c_).ItemIndex(), 0); break;
      case Kind::SpinEdit:
        if (!typing_) {
          showing_ = true;
          SendMessageA(spin_, UDM_SETPOS32, 0, static_cast<SpinEdit&>(c_).Value());
          SetWindowTextA(hwnd_, std::to_string(static_cast<SpinEdit&>(c_).Value()).c_str());
          showing_ = false;
        }
        break;
      case Kind::HotKeyEdit: SendMessageA(hwnd_, HKM_SETHOTKEY, static_cast<HotKeyEdit&>(c_).Key() & 0xFF, 0); break;
      default: break;
    }
  }
  void Subclass(WNDPROC proc) {
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    SetPropA(hwnd_, kOriginalProc, reinterpret_cast<HANDLE>(original_));
  }
  // The page keys step a spin box by its large increment.
  static LRESULT CALLBACK SpinKeyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOriginalProc));
    if (!original) return DefWindowProcA(hwnd, msg, wp, lp);
    auto* spin = reinterpret_cast<SpinEdit*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (spin && msg == WM_KEYDOWN && (wp == VK_PRIOR || wp == VK_NEXT)) {
      const int64_t step = spin->LargeIncrement();
      spin->StepBy(wp == VK_PRIOR ? step : -step);
      return 0;
    }
    return CallWindowProcA(original, hwnd, msg, wp, lp);
  }
  // After the field has taken a released key, the model sees what it shows.
  static LRESULT CALLBACK HotKeyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // The field's own procedure runs first, also while the peer is being made.
    auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOriginalProc));
    if (!original) return DefWindowProcA(hwnd, msg, wp, lp);
    const LRESULT r = CallWindowProcA(original, hwnd, msg, wp, lp);
    auto* field = reinterpret_cast<HotKeyEdit*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (field && (msg == WM_KEYUP || msg == WM_SYSKEYUP)) {
      field->ShowKey(static_cast<int>(SendMessageA(hwnd, HKM_GETHOTKEY, 0, 0) & 0xFF));
      field->KeyUp();
    }
    return r;
  }

  Component& c_;
  Win32Backend& backend_;
  HWND hwnd_ = nullptr, spin_ = nullptr;
  WNDPROC original_ = nullptr;
  int id_ = 0;
  bool typing_ = false, showing_ = false;
};

}  // namespace

std::unique_ptr<Peer> CreateInputPeer(Component& c, Win32Backend& backend) {
  switch (c.GetKind()) {
    case Kind::ComboBox: case Kind::ColorBox: case Kind::SpinEdit: case Kind::HotKeyEdit:
      return std::make_unique<InputPeer>(c, backend);
    default: return nullptr;
  }
}

bool InputCommand(Component& c, int code) {
  auto* peer = HasInputPeer(c) ? static_cast<InputPeer*>(c.GetPeer()) : nullptr;
  return peer && peer->Command(code);
}

HBRUSH InputBackground(HWND control, HDC dc) {
  auto* c = reinterpret_cast<Component*>(GetWindowLongPtrA(control, GWLP_USERDATA));
  if (!c || !HasInputPeer(*c) || !c->GetPeer()) return nullptr;
  uint32_t color = 0;
  if (c->GetKind() == Kind::SpinEdit) color = static_cast<SpinEdit*>(c)->Color();
  else if (c->GetKind() == Kind::ComboBox) color = static_cast<ComboBox*>(c)->Color();
  else return nullptr;
  if (color == kFieldColor) return nullptr;  // the system's own look, grey when disabled
  SetBkColor(dc, Shown(color));
  if ((color & 0xFF000000u) == 0x80000000u) return GetSysColorBrush(static_cast<int>(color & 0xFF));
  // Few colours ever: each brush lives as long as the program.
  static std::map<uint32_t, HBRUSH> brushes;
  HBRUSH& brush = brushes[color];
  if (!brush) brush = CreateSolidBrush(Shown(color));
  return brush;
}

bool InputDrawItem(const DRAWITEMSTRUCT& item) {
  auto* c = reinterpret_cast<Component*>(GetWindowLongPtrA(item.hwndItem, GWLP_USERDATA));
  auto* peer = c && c->GetKind() == Kind::ColorBox ? static_cast<InputPeer*>(c->GetPeer()) : nullptr;
  if (!peer) return false;
  peer->DrawItem(item);
  return true;
}

}  // namespace ui::win32
