#include "gauges/TextTrayIcon.h"

#include <algorithm>
#include <vector>

#include "ui/Application.h"

namespace gauges {

namespace {

constexpr int kSize = gfx::IconImage::kSize;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\r') lines.emplace_back();
    else if (c != '\n') lines.back() += c;
  }
  return lines;
}

}  // namespace

gfx::IconImage ComposeTrayIcon(const gfx::IconImage* background, const gfx::IconImage& text,
                               gfx::Color key, bool keyTransparent) {
  gfx::IconImage out;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const gfx::Point p{x, y};
      gfx::Color c = text.At(p);
      if (background && c == key) c = background->ClearAt(p) ? key : background->At(p);
      out.Set(p, c, (background || keyTransparent) && c == key);
    }
  return out;
}

TTextTrayIcon::TTextTrayIcon(ui::Window* owner, std::string name, platform::NotifyArea& area)
    : ui::NonVisual(owner, std::move(name)), area_(area), id_(area.NewId()) {
  font_.name = "Arial";
  font_.height = -11;
  font_.bold = true;
  font_.color = gfx::clBlack;
  platform::NotifyArea::Listener l;
  l.mouse = [this](uint32_t m) { ui::Dispatch(App(), [&] { MouseMessage(m); }); };
  l.cycle = [this] { ui::Dispatch(App(), [this] { CycleTick(); }, this); };  // a timer's tick
  l.taskbarCreated = [this] {
    if (visible_) Send(platform::NotifyOp::Add);
  };
  area_.Listen(id_, std::move(l));
}

TTextTrayIcon::~TTextTrayIcon() {
  area_.Unlisten(id_);
  area_.StopCycle(id_);
  if (visible_) Send(platform::NotifyOp::Delete);
  if (ownsIcon_) area_.FreeIcon(icon_);
}

void TTextTrayIcon::Send(platform::NotifyOp op) { area_.Notify(op, {id_, icon_, Tip()}); }

void TTextTrayIcon::Update() {
  if (visible_) Send(platform::NotifyOp::Modify);
}

void TTextTrayIcon::SetIconVisible(bool on) {
  if (on) {
    visible_ = true;
    Send(platform::NotifyOp::Add);
  } else if (visible_) {
    Send(platform::NotifyOp::Delete);
    visible_ = false;
  }
}

// Each change is a message to the shell (a round trip to another process):
// an unchanged tip sends none.
void TTextTrayIcon::SetHint(const std::string& text) {
  if (text == Hint()) return;
  ui::NonVisual::SetHint(text);
  Update();
}

void TTextTrayIcon::SetShowHint(bool on) {
  if (on == ShowHint()) return;
  ui::NonVisual::SetShowHint(on);
  Update();
}

std::string TTextTrayIcon::Tip() const {
  if (!ShowHint()) return {};
  return Hint().substr(0, std::min(Hint().size(), platform::NotifyArea::kTipLength));
}

void TTextTrayIcon::ShowIcon(platform::IconHandle icon, bool owned) {
  const platform::IconHandle old = icon_;
  const bool ownedOld = ownsIcon_;
  icon_ = icon;
  ownsIcon_ = owned && icon;
  Update();
  if (ownedOld && old != icon) area_.FreeIcon(old);  // only once the shell holds the new one
}

void TTextTrayIcon::SetProgramIcon() { ShowIcon(area_.ProgramIcon(), false); }

void TTextTrayIcon::ShowListPicture() {
  if (list_ && index_ < list_->Count()) ShowIcon(area_.MakeIcon(list_->Image(index_)), true);
}

void TTextTrayIcon::SetIconList(const TImageList* list) {
  list_ = list;
  index_ = 0;
  ShowListPicture();
}

void TTextTrayIcon::SetIconIndex(size_t i) {
  if (!list_ || list_->Count() == 0) {
    index_ = i;
    return;
  }
  index_ = std::min(i, list_->Count() - 1);
  ShowListPicture();
}

void TTextTrayIcon::SetCycleIcons(bool on) {
  cycling_ = on;
  area_.StopCycle(id_);
  if (!on) return;
  SetIconIndex(0);
  if (interval_ > 0) area_.StartCycle(id_, interval_);
}

void TTextTrayIcon::SetCycleInterval(unsigned ms) {
  interval_ = ms;
  SetCycleIcons(cycling_);
}

void TTextTrayIcon::CycleTick() {
  if (!list_ || list_->Count() == 0) return;
  index_ = (index_ + 1) % list_->Count();
  ShowListPicture();
}

void TTextTrayIcon::SetText(const std::string& t) {
  if (t == text_) return;
  text_ = t;
  Redraw();
}

void TTextTrayIcon::SetFont(const gfx::Font& f) {
  if (f == font_) return;
  font_ = f;
  Redraw();
}

void TTextTrayIcon::SetColor(gfx::Color c) {
  if (c == color_) return;
  color_ = c;
  Redraw();
}

void TTextTrayIcon::SetBorder(bool on) {
  if (on == border_) return;
  border_ = on;
  Redraw();
}

void TTextTrayIcon::SetBorderColor(gfx::Color c) {
  if (c == borderColor_) return;
  borderColor_ = c;
  Redraw();
}

void TTextTrayIcon::SetOptions(const TOffsetOptions& o) {
  if (o == options_) return;
  options_ = o;
  Redraw();
}

void TTextTrayIcon::SetBackgroundIcon(const std::optional<gfx::IconImage>& picture) {
  background_ = picture;
  Redraw();
}

void TTextTrayIcon::Redraw() {
  SetCycleIcons(false);
  if (!image_) image_ = area_.CreateImage(kSize, kSize);
  if (!image_) return;
  gfx::Canvas* image = image_.get();
  const gfx::Rect whole{0, 0, kSize, kSize};
  // The key must differ from the ink in value, or the text would vanish into
  // it: a system colour and a plain one can be the same colour.
  const gfx::Color ink = image->Rgb(font_.color);
  gfx::Color key = color_;
  if (color_ == gfx::clNone || image->Rgb(color_) == ink) key = ink ^ 0xFFFFFF;
  image->FillRect(whole, key);
  const gfx::Color keyRgb = image->Pixel({0, 0});  // as the image holds it

  // Blended edge pixels would be neither ink nor key: over the coloured
  // backgrounds they would show as a halo of the key colour.
  gfx::Font font = font_;
  font.antialiased = false;
  image->SetFont(font);
  const std::vector<std::string> lines = Lines(text_);
  const int lineHeight = image->TextExtent("0").cy;
  const int blockHeight = static_cast<int>(lines.size()) * (lineHeight + options_.LineDistance) -
                          options_.LineDistance;
  int y = (15 - blockHeight) / 2 + options_.OffsetY;
  for (const std::string& line : lines) {
    if (!line.empty())
      image->WriteText({(15 - image->TextExtent(line).cx) / 2 + options_.OffsetX, y}, line,
                       font_.color);
    y += lineHeight + options_.LineDistance;
  }
  if (border_) {
    image->SetPen(borderColor_);
    image->Polyline({{0, 0}, {kSize - 1, 0}, {kSize - 1, kSize - 1}, {0, kSize - 1}, {0, 0}});
  }

  gfx::IconImage drawn;
  for (int py = 0; py < kSize; ++py)
    for (int px = 0; px < kSize; ++px) drawn.Set({px, py}, image->Pixel({px, py}));
  const gfx::IconImage composed = ComposeTrayIcon(background_ ? &*background_ : nullptr, drawn,
                                                  keyRgb, color_ == gfx::clNone);
  ShowIcon(area_.MakeIcon(composed), true);
}

void TTextTrayIcon::MouseMessage(uint32_t message) {
  if (!Enabled()) return;
  if (message == platform::kLButtonDblClk) {
    ui::Dispatch(App(), OnDblClick);
    // The menu's default item answers a double click, as choosing it would.
    if (popup_)
      if (ui::MenuItem* item = popup_->DefaultItem()) item->Click();
  } else if (message == platform::kRButtonDown) {
    ShowMenu();
  }
}

void TTextTrayIcon::ShowMenu() {
  gfx::Point at;
  if (!popup_ || !area_.CursorPos(at)) return;
  // Foreground first: a menu of a background program does not close when
  // the user clicks elsewhere.
  App().GetBackend().ForegroundApp();
  App().ProcessMessages();
  App().GetBackend().PopupMenu(*popup_, at.x, at.y);
}

}  // namespace gauges
