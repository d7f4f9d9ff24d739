#include "ui/win32/CaptionButtons.h"

#include <string>

#include "platform/win32/RecordSizes.h"
#include "ui/Controls.h"
#include "ui/Window.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Hints.h"

namespace ui::win32 {

namespace {

// A hit-test code of our own for the buttons; the system knows nothing of it
// and so starts no move or menu there.
constexpr LRESULT kHitCaptionButton = HTOBJECT;
// Tool ids of the buttons' hints on the window: far from any handle's value.
constexpr UINT_PTR kCaptionHintId = 0x7000;

struct CaptionLayout {
  RECT bar;     // the whole caption row
  RECT title;   // from the last of our buttons to the system buttons
  int button;   // side of a square button
};

CaptionLayout Layout(HWND hwnd, size_t buttons) {
  RECT window;
  GetWindowRect(hwnd, &window);
  const int frameX = GetSystemMetrics(SM_CXFIXEDFRAME), frameY = GetSystemMetrics(SM_CYFIXEDFRAME);
  const int captionH = GetSystemMetrics(SM_CYCAPTION) - 1, sizeX = GetSystemMetrics(SM_CXSIZE);
  CaptionLayout l;
  l.bar = {frameX, frameY, window.right - window.left - frameX, frameY + captionH};
  l.button = GetSystemMetrics(SM_CYSIZE) - 4;
  // Close, maximize and minimize take three button widths on the right.
  // The title starts right at the last button: the system's own text, drawn
  // from the icon on, must not show through a gap.
  const int titleLeft = frameX + sizeX + static_cast<int>(buttons) * (l.button + 2);
  l.title = {titleLeft, l.bar.top, l.bar.right - 3 * sizeX - 4, l.bar.bottom};
  return l;
}

// The pin: lying on its side while up, pushed in (seen from above) while down.
void DrawPin(HDC dc, const RECT& r, bool down) {
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(COLOR_BTNTEXT));
  const int cx = (r.left + r.right) / 2 + (down ? 1 : 0), cy = (r.top + r.bottom) / 2 - (down ? 1 : 0);
  HRGN inside = CreateRectRgn(r.left + 2, r.top + 2, r.right - 2, r.bottom - 2);
  SelectClipRgn(dc, inside);
  auto line = [dc](int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
  };
  if (down) {
    // Seen from above: the round head, the needle's shadow falling down-left.
    Ellipse(dc, cx - 3, cy - 3, cx + 4, cy + 4);
    line(cx - 2, cy + 2, cx - 5, cy + 5);
  } else {
    // On its side: needle, collar, body and end cap, pointing left.
    line(cx - 6, cy, cx - 1, cy);
    line(cx - 1, cy - 3, cx - 1, cy + 4);
    Rectangle(dc, cx, cy - 2, cx + 4, cy + 3);
    line(cx + 4, cy - 3, cx + 4, cy + 4);
  }
  SelectClipRgn(dc, nullptr);
  DeleteObject(inside);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

// The title over the caption's gradient, in the system's caption font.
void PaintTitle(HWND hwnd, HDC dc, const RECT& title, bool active) {
  if (title.right <= title.left) return;
  const COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  COLORREF to = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
  BOOL gradient = FALSE;
  if (!SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0) || !gradient) to = from;
  const int width = title.right - title.left;
  for (int x = 0; x < width; ++x) {
    auto mix = [&](int a, int b) { return a + (b - a) * x / (width > 1 ? width - 1 : 1); };
    HBRUSH brush = CreateSolidBrush(RGB(mix(GetRValue(from), GetRValue(to)),
                                        mix(GetGValue(from), GetGValue(to)),
                                        mix(GetBValue(from), GetBValue(to))));
    RECT column{title.left + x, title.top, title.left + x + 1, title.bottom};
    FillRect(dc, &column, brush);
    DeleteObject(brush);
  }
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = platform::win32::kNonClientMetricsSize;
  HFONT font = SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)
                   ? CreateFontIndirectA(&metrics.lfCaptionFont)
                   : nullptr;
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  RECT r = title;
  r.left += 3;
  DrawTextA(dc, text, -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (oldFont) SelectObject(dc, oldFont);
  if (font) DeleteObject(font);
}

void PaintCaption(HWND hwnd, CaptionBar& bar, bool active) {
  if (bar.ButtonCount() == 0 || IsIconic(hwnd)) return;
  HDC dc = GetWindowDC(hwnd);
  if (!dc) return;
  const CaptionLayout l = Layout(hwnd, bar.ButtonCount());
  PaintTitle(hwnd, dc, l.title, active);
  for (size_t i = 0; i < bar.ButtonCount(); ++i) {
    RECT r = CaptionButtonRect(hwnd, i);
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (bar.Down(i) ? DFCS_PUSHED : 0));
    DrawPin(dc, r, bar.Down(i));
  }
  ReleaseDC(hwnd, dc);
}

bool Inside(HWND hwnd, const CaptionBar& bar, LPARAM lp, size_t& which) {
  RECT window;
  GetWindowRect(hwnd, &window);
  const POINT p{static_cast<short>(LOWORD(lp)) - window.left, static_cast<short>(HIWORD(lp)) - window.top};
  for (size_t i = 0; i < bar.ButtonCount(); ++i) {
    const RECT r = CaptionButtonRect(hwnd, i);
    if (PtInRect(&r, p)) {
      which = i;
      return true;
    }
  }
  return false;
}

}  // namespace

RECT CaptionButtonRect(HWND hwnd, size_t i) {
  const CaptionLayout l = Layout(hwnd, i + 1);
  const int left = l.bar.left + GetSystemMetrics(SM_CXSIZE) + static_cast<int>(i) * (l.button + 2);
  const int top = l.bar.top + (l.bar.bottom - l.bar.top - l.button) / 2;
  return RECT{left, top, left + l.button + 2, top + l.button};
}

namespace {

class CaptionPeer : public Peer {
 public:
  explicit CaptionPeer(CaptionBar& bar) : bar_(bar) {}
  void Changed(Prop prop) override {
    if (prop != Prop::Down) return;
    if (HWND hwnd = Win32Backend::HandleOf(*bar_.Owner()))
      RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }

 private:
  CaptionBar& bar_;
};

// Where a window's client area starts, in window coordinates.
POINT ClientOrigin(HWND hwnd) {
  RECT window;
  GetWindowRect(hwnd, &window);
  POINT p{0, 0};
  ClientToScreen(hwnd, &p);
  return POINT{p.x - window.left, p.y - window.top};
}

// The buttons' hints, as areas of the client's coordinates above it; put
// again whenever the caption is drawn anew, as it is when the window shows.
void PutButtonHints(HWND hwnd, const CaptionBar& bar) {
  const POINT o = ClientOrigin(hwnd);
  for (size_t i = 0; i < bar.ButtonCount(); ++i) {
    RECT r = CaptionButtonRect(hwnd, i);
    OffsetRect(&r, -o.x, -o.y);
    SetAreaHint(hwnd, kCaptionHintId + i, r, bar.ShowHint() ? bar.ButtonHint(i) : std::string());
  }
}

CaptionBar* CaptionOf(const Window& w) {
  for (const auto& c : w.Components())
    if (c->GetKind() == Kind::CaptionBar) return static_cast<CaptionBar*>(c.get());
  return nullptr;
}

}  // namespace

std::unique_ptr<Peer> MakeCaptionPeer(CaptionBar& bar) { return std::make_unique<CaptionPeer>(bar); }

bool CaptionMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, const Window& w, LRESULT& result) {
  const bool nonClient = (msg >= WM_NCCREATE && msg <= WM_NCACTIVATE) || msg == WM_NCLBUTTONDOWN ||
                         msg == WM_NCLBUTTONDBLCLK || msg == WM_SETTEXT || msg == WM_NCMOUSEMOVE;
  CaptionBar* found = nonClient ? CaptionOf(w) : nullptr;
  if (!found) return false;
  CaptionBar& bar = *found;
  size_t which = 0;
  switch (msg) {
    case WM_NCPAINT:
    case WM_SETTEXT:
      // The system draws the frame and its caption first; ours go on top.
      result = DefWindowProcA(hwnd, msg, wp, lp);
      PaintCaption(hwnd, bar, GetActiveWindow() == hwnd);
      PutButtonHints(hwnd, bar);
      return true;
    case WM_NCACTIVATE:
      result = DefWindowProcA(hwnd, msg, wp, lp);
      PaintCaption(hwnd, bar, wp != FALSE);
      return true;
    case WM_NCMOUSEMOVE: {
      // The tooltip sees client moves only; over the frame it is told, so
      // that it shows the buttons' hints and hides off them.
      POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      ScreenToClient(hwnd, &p);
      RelayPointer(hwnd, p);
      return false;
    }
    case WM_NCHITTEST:
      result = DefWindowProcA(hwnd, msg, wp, lp);
      if (result == HTCAPTION && Inside(hwnd, bar, lp, which)) result = kHitCaptionButton;
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (wp != static_cast<WPARAM>(kHitCaptionButton) || !Inside(hwnd, bar, lp, which)) return false;
      bar.ClickButton(which);
      result = 0;
      return true;
    default: return false;
  }
}

}  // namespace ui::win32
