// Standard controls and the backend's own drawn ones: created from the
// component's kind, then kept in step with its properties one by one.
#include "ui/win32/Win32Peers.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/ListView.h"
#include "ui/Memo.h"
#include "ui/PageControl.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Hints.h"
#include "ui/win32/Win32Lists.h"

namespace ui::win32 {

namespace {

class ControlPeer : public NativePeer {
 public:
  ControlPeer(Component& c, Win32Backend& backend) : c_(c), backend_(backend) {
    const char* cls = "STATIC";
    DWORD style = WS_CHILD, exStyle = 0;
    switch (c.GetKind()) {
      // Labels and panels take the pointer, so that it rests on them for their hints.
      case Kind::Label:
        style |= (static_cast<Label&>(c).Centered() ? SS_CENTER : SS_LEFT) | SS_NOPREFIX | SS_NOTIFY;
        break;
      case Kind::Button:
        cls = "BUTTON";
        style |= WS_TABSTOP | (static_cast<Button&>(c).IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        break;
      case Kind::CheckBox: cls = "BUTTON", style |= WS_TABSTOP | BS_CHECKBOX | BS_MULTILINE; break;
      case Kind::RadioButton: cls = "BUTTON", style |= WS_TABSTOP | BS_RADIOBUTTON | BS_MULTILINE; break;
      case Kind::GroupBox: cls = "BUTTON", style |= BS_GROUPBOX; break;
      case Kind::TrackBar: cls = TRACKBAR_CLASSA, style |= WS_TABSTOP | TBS_AUTOTICKS | TBS_HORZ; break;
      case Kind::ProgressBar:
        cls = PROGRESS_CLASSA;
        if (static_cast<ProgressBar&>(c).Smooth()) style |= PBS_SMOOTH;
        break;
      case Kind::Memo:
        cls = "EDIT", exStyle = WS_EX_CLIENTEDGE;
        style |= WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                 (static_cast<Memo&>(c).ReadOnly() ? ES_READONLY : 0) |
                 (static_cast<Memo&>(c).VerticalScrollBar() ? WS_VSCROLL : 0);
        break;
      case Kind::StatusBar: cls = STATUSCLASSNAMEA, style |= CCS_BOTTOM; break;
      case Kind::Bevel: style |= SS_ETCHEDHORZ; break;
      case Kind::Picture: cls = kPictureClass; break;
      case Kind::PaintBox: cls = kPaintClass; break;
      case Kind::Panel: style |= SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | SS_NOTIFY; break;
      case Kind::ListView:
        cls = WC_LISTVIEWA, exStyle = WS_EX_CLIENTEDGE;
        style |= WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
        break;
      case Kind::PageControl: cls = WC_TABCONTROLA, style |= WS_TABSTOP | WS_CLIPSIBLINGS; break;
      case Kind::TabSheet: cls = kPageClass, exStyle = WS_EX_CONTROLPARENT; break;
      default: break;
    }
    const POINT o = ControlOrigin(c);
    const Rect& b = c.Bounds();
    if (c.Showing()) style |= WS_VISIBLE;  // shown as made: no second call to show it
    hwnd_ = CreateWindowExA(exStyle, cls, c.Caption().c_str(), style, o.x + b.left, o.y + b.top, b.width,
                            b.height, ParentHandleOf(c), reinterpret_cast<HMENU>(static_cast<intptr_t>(id_ = backend.Register(c))),
                            GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&c));
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(backend.Font()), FALSE);
    // A page lies above its page control, over the control's display area.
    if (c.GetKind() == Kind::TabSheet) FitSheet();
    for (Prop p : {Prop::Enabled, Prop::Checked, Prop::Range, Prop::Frequency, Prop::Position,
                   Prop::Panels, Prop::Lines, Prop::Items})
      Changed(p);
    UpdateHint();
  }
  ~ControlPeer() override {
    backend_.Unregister(id_);
    if (!sentHint_.empty()) SetControlHint(hwnd_, {}, false, RECT{});
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  HWND Handle() const override { return hwnd_; }

  void Changed(Prop prop) override {
    switch (prop) {
      case Prop::Caption:
        SetWindowTextA(hwnd_, c_.Caption().c_str());
        if (c_.GetKind() == Kind::TabSheet) static_cast<TabSheet&>(c_).Control().Changed(Prop::Items);
        break;
      case Prop::Hint:
        if (c_.GetKind() == Kind::StatusBar) UpdatePanels(static_cast<StatusBar&>(c_));
        else UpdateHint();
        break;
      case Prop::Enabled: EnableWindow(hwnd_, c_.Enabled()); break;
      case Prop::Visible:
        ShowWindow(hwnd_, c_.Showing() ? SW_SHOWNA : SW_HIDE);
        UpdateHint();
        break;
      case Prop::Bounds: {
        const POINT o = ControlOrigin(c_);
        const Rect& b = c_.Bounds();
        MoveWindow(hwnd_, o.x + b.left, o.y + b.top, b.width, b.height, TRUE);
        UpdateHint();
        if (c_.GetKind() == Kind::TabSheet) FitSheet();
        if (c_.GetKind() == Kind::PageControl)
          for (TabSheet* page : static_cast<PageControl&>(c_).Pages()) page->Changed(Prop::Bounds);
        break;
      }
      case Prop::Checked:
        if (c_.GetKind() == Kind::CheckBox)
          SendMessageA(hwnd_, BM_SETCHECK, static_cast<CheckBox&>(c_).Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        if (c_.GetKind() == Kind::RadioButton)
          SendMessageA(hwnd_, BM_SETCHECK, static_cast<RadioButton&>(c_).Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
      case Prop::Default:
        if (c_.GetKind() == Kind::Button)
          SendMessageA(hwnd_, BM_SETSTYLE, static_cast<Button&>(c_).IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        break;
      case Prop::Range:
        if (c_.GetKind() == Kind::TrackBar) {
          auto& t = static_cast<TrackBar&>(c_);
          SendMessageA(hwnd_, TBM_SETRANGEMIN, FALSE, t.Min());
          SendMessageA(hwnd_, TBM_SETRANGEMAX, TRUE, t.Max());
        }
        break;
      case Prop::Frequency:
        if (c_.GetKind() == Kind::TrackBar)
          SendMessageA(hwnd_, TBM_SETTICFREQ, static_cast<TrackBar&>(c_).Frequency(), 0);
        break;
      case Prop::Position:
        if (c_.GetKind() == Kind::TrackBar)
          SendMessageA(hwnd_, TBM_SETPOS, TRUE, static_cast<TrackBar&>(c_).Position());
        if (c_.GetKind() == Kind::ProgressBar)
          SendMessageA(hwnd_, PBM_SETPOS, static_cast<ProgressBar&>(c_).Position(), 0);
        break;
      case Prop::Panels:
        if (c_.GetKind() == Kind::StatusBar) UpdatePanels(static_cast<StatusBar&>(c_));
        break;
      case Prop::Lines:
        if (c_.GetKind() == Kind::Memo) SetWindowTextA(hwnd_, static_cast<Memo&>(c_).Text().c_str());
        break;
      case Prop::Items:
        if (c_.GetKind() == Kind::ListView) FillListView(hwnd_, static_cast<ListView&>(c_));
        if (c_.GetKind() == Kind::PageControl) FillTabs(hwnd_, static_cast<PageControl&>(c_));
        break;
      case Prop::ItemIndex:
        if (c_.GetKind() == Kind::PageControl) SelectTab(hwnd_, static_cast<PageControl&>(c_));
        break;
      // A hidden control is painted whole when it shows; asking now would
      // only cost a server call (the gauges of a window in the tray, each second).
      case Prop::Repaint:
        if (IsWindowVisible(hwnd_)) InvalidateRect(hwnd_, nullptr, FALSE);
        break;
      default: break;
    }
  }

 private:
  // A group box lets the pointer through to its parent: its hint is an area
  // there. A status bar's hints are its panels'.
  void UpdateHint() {
    if (c_.GetKind() == Kind::StatusBar) return;
    const bool seeThrough = c_.GetKind() == Kind::GroupBox;
    RECT area{};
    if (seeThrough && c_.Showing()) {
      const POINT o = ControlOrigin(c_);
      const Rect& b = c_.Bounds();
      area = RECT{o.x + b.left, o.y + b.top, o.x + b.left + b.width, o.y + b.top + b.height};
    }
    const std::string hint = HintToShow(c_);
    if (hint == sentHint_ && EqualRect(&area, &sentArea_)) return;
    SetControlHint(hwnd_, hint, seeThrough, area);
    sentHint_ = hint, sentArea_ = area;
  }
  // Over the display area the page control reports, which its look decides.
  void FitSheet() {
    HWND tabs = Win32Backend::HandleOf(static_cast<TabSheet&>(c_).Control());
    RECT r;
    if (tabs && GetWindowRect(tabs, &r)) {
      SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
      MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
      MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // Only what changed goes to the control: each message repaints it, and the
  // free-memory panel changes every second (its hint changing alone sends none).
  void UpdatePanels(StatusBar& s) {
    const int n = static_cast<int>(std::min<size_t>(s.PanelCount(), 16));
    std::vector<int> edges(n);
    int right = 0;
    for (int i = 0; i < n; ++i) {
      // A hidden panel gives its room to the next one.
      const int w = s.PanelAt(i).visible ? s.PanelAt(i).width : 0;
      edges[i] = w < 0 ? -1 : (right += w);
    }
    if (edges != sentEdges_) {
      SendMessageA(hwnd_, SB_SETPARTS, n, reinterpret_cast<LPARAM>(edges.data()));
      sentEdges_ = edges;
      sentTexts_.clear();  // new parts start empty
    }
    sentTexts_.resize(n);
    for (int i = 0; i < n; ++i) {
      const std::string& text = s.PanelAt(i).visible ? s.PanelAt(i).text : std::string();
      if (sentTexts_[i] && *sentTexts_[i] == text) continue;
      SendMessageA(hwnd_, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(text.c_str()));
      sentTexts_[i] = text;
    }
    sentPanelHints_.resize(n);
    for (int i = 0; i < n; ++i) {
      RECT area{};
      SendMessageA(hwnd_, SB_GETRECT, i, reinterpret_cast<LPARAM>(&area));
      std::string hint = s.PanelAt(i).visible && s.ShowHint() ? s.PanelAt(i).hint : std::string();
      auto& sent = sentPanelHints_[i];
      if (sent.first == hint && EqualRect(&sent.second, &area)) continue;
      SetAreaHint(hwnd_, static_cast<UINT_PTR>(i) + 1, area, hint);
      sent = {std::move(hint), area};
    }
  }
  std::vector<std::pair<std::string, RECT>> sentPanelHints_;
  std::string sentHint_;
  RECT sentArea_{};
  std::vector<int> sentEdges_;
  std::vector<std::optional<std::string>> sentTexts_;
  Component& c_;
  Win32Backend& backend_;
  HWND hwnd_;
  int id_;
};

}  // namespace

std::unique_ptr<Peer> CreateControlPeer(Component& c, Win32Backend& backend) {
  return std::make_unique<ControlPeer>(c, backend);
}

}  // namespace ui::win32
