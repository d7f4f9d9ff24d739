// TTextTrayIcon: the notification-area icon with its tooltip, menu, double
// click and animation, which can draw a short text (the free-memory number)
// over a background picture.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "gauges/TrayImageList.h"
#include "gfx/Canvas.h"
#include "gfx/IconImage.h"
#include "platform/NotifyArea.h"
#include "ui/Controls.h"
#include "ui/Menu.h"

namespace gauges {

struct TOffsetOptions {
  int OffsetX = 0, OffsetY = 0, LineDistance = 0;
  bool operator==(const TOffsetOptions&) const = default;
};

// The icon picture from the background (transparent pixels keep key) and
// the text image's pixels that differ from key; transparent exactly where
// the result equals key. Without a background the text image alone, with
// key transparent only when keyTransparent.
gfx::IconImage ComposeTrayIcon(const gfx::IconImage* background, const gfx::IconImage& text,
                               gfx::Color key, bool keyTransparent);

class TTextTrayIcon : public ui::NonVisual {
 public:
  UI_TAGGED_CLASS(TTextTrayIcon)
  TTextTrayIcon(ui::Window* owner, std::string name, platform::NotifyArea& area);
  ~TTextTrayIcon() override;

  // Present in the notification area; true adds the icon every time, which
  // brings it back after the shell lost it.
  bool IconVisible() const { return visible_; }
  void SetIconVisible(bool on);
  const std::string& Hint() const { return ui::NonVisual::Hint(); }
  void SetHint(const std::string& text);
  void SetShowHint(bool on);
  // The tooltip as the shell receives it.
  std::string Tip() const;

  // The shown picture: the program's icon.
  void SetProgramIcon();
  platform::IconHandle Icon() const { return icon_; }

  ui::Menu* PopupMenu() const { return popup_; }
  void SetPopupMenu(ui::Menu* m) { popup_ = m; }
  ui::Event OnDblClick;

  // Animation through an image list.
  const TImageList* IconList() const { return list_; }
  void SetIconList(const TImageList* list);
  size_t IconIndex() const { return index_; }
  void SetIconIndex(size_t i);
  bool CycleIcons() const { return cycling_; }
  void SetCycleIcons(bool on);
  unsigned CycleInterval() const { return interval_; }
  void SetCycleInterval(unsigned ms);

  // The text icon. Each writer redraws when the value changes.
  const std::string& Text() const { return text_; }
  void SetText(const std::string& t);
  const gfx::Font& Font() const { return font_; }
  void SetFont(const gfx::Font& f);
  gfx::Color Color() const { return color_; }
  void SetColor(gfx::Color c);
  bool Border() const { return border_; }
  void SetBorder(bool on);
  gfx::Color BorderColor() const { return borderColor_; }
  void SetBorderColor(gfx::Color c);
  const TOffsetOptions& Options() const { return options_; }
  void SetOptions(const TOffsetOptions& o);
  const std::optional<gfx::IconImage>& BackgroundIcon() const { return background_; }
  void SetBackgroundIcon(const std::optional<gfx::IconImage>& picture);
  // Replaces the background picture without redrawing: the next redraw uses it.
  void ReplaceBackground(const gfx::IconImage& picture) { background_ = picture; }
  void Redraw();

  // The shell's mouse message for this icon; ignored while disabled.
  void MouseMessage(uint32_t message);

 private:
  void ShowIcon(platform::IconHandle icon, bool owned);
  void ShowListPicture();
  void CycleTick();
  void ShowMenu();
  void Update();
  void Send(platform::NotifyOp op);

  platform::NotifyArea& area_;
  uint32_t id_;
  bool visible_ = false;
  platform::IconHandle icon_ = 0;
  bool ownsIcon_ = false;
  ui::Menu* popup_ = nullptr;
  const TImageList* list_ = nullptr;
  size_t index_ = 0;
  bool cycling_ = false;
  unsigned interval_ = 0;
  std::string text_;
  gfx::Font font_;
  gfx::Color color_ = gfx::clBtnFace, borderColor_ = gfx::clBlack;
  bool border_ = false;
  TOffsetOptions options_;
  std::optional<gfx::IconImage> background_;
  // Drawn into again at each redraw: a fresh one would select its font anew.
  std::unique_ptr<gfx::Canvas> image_;
};

}  // namespace gauges
