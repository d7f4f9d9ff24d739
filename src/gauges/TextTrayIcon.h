// TTextTrayIcon: the notification-area icon that draws a number onto its
// picture. This much carries the state that is persisted: the font of the
// number (its colour is the tray text colour).
#pragma once

#include <string>

#include "gfx/Canvas.h"
#include "ui/Controls.h"

namespace gauges {

class TTextTrayIcon : public ui::NonVisual {
 public:
  TTextTrayIcon(ui::Window* owner, std::string name) : ui::NonVisual(owner, std::move(name)) {
    font_.name = "Arial";
    font_.height = -11;
    font_.bold = true;
    font_.color = gfx::clBlack;
  }

  const gfx::Font& Font() const { return font_; }
  // A changed font redraws the icon.
  void SetFont(const gfx::Font& f) {
    if (f == font_) return;
    font_ = f;
    Changed(ui::Prop::Repaint);
  }

 private:
  gfx::Font font_;
};

}  // namespace gauges
