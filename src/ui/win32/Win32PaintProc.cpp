// The window procedure of the controls that draw themselves: gauges (paint
// boxes) and pictures.
#include "ui/win32/Win32Peers.h"

#include <functional>

#include "ui/Controls.h"

#if __has_include("gfx/win32/GdiCanvas.h")
#include "gfx/win32/GdiCanvas.h"
#define BRANTELLE_HAVE_GDI_CANVAS 1
#endif

namespace ui::win32 {

// Gauges and pictures draw themselves through the canvas.
LRESULT CALLBACK PaintProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* c = reinterpret_cast<Component*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  auto* box = c && c->GetKind() == Kind::PaintBox ? static_cast<PaintBox*>(c) : nullptr;
  auto* picture = c && c->GetKind() == Kind::Picture ? static_cast<Picture*>(c) : nullptr;
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      std::function<void(gfx::Canvas&)> draw;
      if (box) draw = [box](gfx::Canvas& canvas) { box->Paint(canvas); };
      if (picture) draw = picture->OnPaint;
#ifdef BRANTELLE_HAVE_GDI_CANVAS
      // Each window keeps its off-screen bitmap between paints (slot 0).
      auto* buffer = reinterpret_cast<gfx::win32::BackBuffer*>(GetWindowLongPtrA(hwnd, 0));
      if (draw && !buffer) {
        buffer = new gfx::win32::BackBuffer;
        SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(buffer));
      }
      if (draw) Dispatch(c->App(), [&] { buffer->Paint(dc, r.right, r.bottom, draw); });
#endif
      if (picture && !draw) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
#ifdef BRANTELLE_HAVE_GDI_CANVAS
    case WM_NCDESTROY:
      delete reinterpret_cast<gfx::win32::BackBuffer*>(SetWindowLongPtrA(hwnd, 0, 0));
      break;
#endif
    case WM_LBUTTONUP:
      if (box) Dispatch(box->App(), box->OnClick);
      if (picture) picture->Click();
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace ui::win32
