#include "ui/Controls.h"

#include "ui/Application.h"

#include <algorithm>

#include "ui/Window.h"

namespace ui {

void Button::SetDefault(bool on) {
  if (on == default_) return;
  default_ = on;
  Changed(Prop::Default);
}

void Button::Click() {
  if (Enabled()) Dispatch(App(), OnClick);
}

void CheckBox::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  Changed(Prop::Checked);
}

void CheckBox::Click() {
  if (!Enabled()) return;
  SetChecked(!checked_);
  Dispatch(App(), OnClick);
}

void RadioButton::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  Changed(Prop::Checked);
  if (!on) return;
  for (const auto& c : Owner()->Components()) {
    if (c.get() != this && c->GetKind() == Kind::RadioButton && c->Parent() == Parent())
      static_cast<RadioButton&>(*c).SetChecked(false);
  }
}

void RadioButton::Click() {
  if (!Enabled()) return;
  SetChecked(true);
  Dispatch(App(), OnClick);
}

void TrackBar::SetMin(int v) {
  if (v == min_) return;
  min_ = v;
  if (max_ < min_) max_ = min_;
  Changed(Prop::Range);
  SetPosition(position_);
}

void TrackBar::SetMax(int v) {
  if (v == max_) return;
  max_ = v;
  if (min_ > max_) min_ = max_;
  Changed(Prop::Range);
  SetPosition(position_);
}

void TrackBar::SetPosition(int v) {
  v = std::clamp(v, min_, max_);
  if (v == position_) return;
  position_ = v;
  Changed(Prop::Position);
  Dispatch(App(), OnChange);
}

void TrackBar::SetFrequency(int v) {
  if (v == frequency_) return;
  frequency_ = v;
  Changed(Prop::Frequency);
}

void ProgressBar::SetPosition(int v) {
  v = std::clamp(v, 0, 100);
  if (v == position_) return;
  position_ = v;
  Changed(Prop::Position);
}

void StatusBar::AddPanel(int width) {
  panels_.push_back(Panel{{}, {}, width, true});
  Changed(Prop::Panels);
}

void StatusBar::SetPanelText(size_t i, const std::string& text) {
  if (i >= panels_.size() || panels_[i].text == text) return;
  panels_[i].text = text;
  Changed(Prop::Panels);
}

void StatusBar::SetPanelHint(size_t i, const std::string& text) {
  if (i >= panels_.size() || panels_[i].hint == text) return;
  panels_[i].hint = text;
  Changed(Prop::Panels);
}

void StatusBar::SetPanelVisible(size_t i, bool on) {
  if (i >= panels_.size() || panels_[i].visible == on) return;
  panels_[i].visible = on;
  Changed(Prop::Panels);
}

void Picture::Click() {
  if (Enabled()) Dispatch(App(), OnClick);
}

void CaptionBar::AddButton(const std::string& hint) {
  buttons_.push_back(CaptionButton{hint, false, true});
  Changed(Prop::Down);
}

void CaptionBar::SetDown(size_t i, bool on) {
  if (i >= buttons_.size() || buttons_[i].down == on) return;
  buttons_[i].down = on;
  Changed(Prop::Down);
}

void CaptionBar::ClickButton(size_t i) {
  if (i >= buttons_.size()) return;
  if (buttons_[i].toggle) SetDown(i, !buttons_[i].down);
  if (OnButtonClick) Dispatch(App(), [&] { OnButtonClick(i); });
}

void Timer::SetInterval(unsigned ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Changed(Prop::Interval);
}

Timer::~Timer() {
  if (Owner()) App().Forget(this);
}

void Timer::Tick() {
  if (Running()) Dispatch(App(), OnTimer, this);
}

}  // namespace ui
