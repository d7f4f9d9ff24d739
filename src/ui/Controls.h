// The controls of the component model. Each is state plus change notices;
// setting a value equal to the current one does nothing.
#pragma once

#include "ui/Component.h"

namespace gfx {
class Canvas;
}

namespace ui {

class Label : public Component {
 public:
  UI_KIND_CLASS(Label, Label)
  Label(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::Label) {}
  // A style of the control: set it before the window is realised.
  bool Centered() const { return centered_; }
  void SetCentered(bool on) { centered_ = on; }

 private:
  bool centered_ = false;
};

class Button : public Component {
 public:
  UI_KIND_CLASS(Button, Button)
  Button(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::Button) {}
  bool IsDefault() const { return default_; }
  void SetDefault(bool on);
  Event OnClick;
  void Click();

 private:
  bool default_ = false;
};

class CheckBox : public Component {
 public:
  UI_KIND_CLASS(CheckBox, CheckBox)
  CheckBox(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::CheckBox) {}
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  Event OnClick;
  // A user's click toggles the mark, then runs OnClick.
  void Click();

 private:
  bool checked_ = false;
};

// Radio buttons with the same parent form one group: checking one clears the rest.
class RadioButton : public Component {
 public:
  UI_KIND_CLASS(RadioButton, RadioButton)
  RadioButton(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::RadioButton) {}
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  Event OnClick;
  void Click();

 private:
  bool checked_ = false;
};

class TrackBar : public Component {
 public:
  UI_KIND_CLASS(TrackBar, TrackBar)
  TrackBar(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::TrackBar) {}
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int Frequency() const { return frequency_; }
  void SetMin(int v);
  void SetMax(int v);
  // Limited to [Min, Max].
  void SetPosition(int v);
  void SetFrequency(int v);
  Event OnChange;

 private:
  int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1;
};

class ProgressBar : public Component {
 public:
  UI_KIND_CLASS(ProgressBar, ProgressBar)
  ProgressBar(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::ProgressBar) {}
  int Position() const { return position_; }
  void SetPosition(int v);
  // A continuous bar instead of blocks; set it before the window is realised.
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool on) { smooth_ = on; }

 private:
  int position_ = 0;
  bool smooth_ = false;
};

class StatusBar : public Component {
 public:
  UI_KIND_CLASS(StatusBar, StatusBar)
  struct Panel {
    std::string text, hint;
    int width = 0;
    bool visible = true;
  };
  StatusBar(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::StatusBar) {}
  size_t PanelCount() const { return panels_.size(); }
  const Panel& PanelAt(size_t i) const { return panels_.at(i); }
  void AddPanel(int width);
  void SetPanelText(size_t i, const std::string& text);
  void SetPanelHint(size_t i, const std::string& text);
  void SetPanelVisible(size_t i, bool on);

 private:
  std::vector<Panel> panels_;
};

class GroupBox : public Component {
 public:
  UI_KIND_CLASS(GroupBox, GroupBox)
  GroupBox(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::GroupBox) {}
};

class Bevel : public Component {
 public:
  UI_KIND_CLASS(Bevel, Bevel)
  Bevel(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::Bevel) {}
};

// A picture, such as a clickable strip along a window edge. It shows what
// OnPaint draws over its whole area, or an etched frame when nothing draws.
class Picture : public Component {
 public:
  UI_KIND_CLASS(Picture, Picture)
  Picture(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::Picture) {}
  Event OnClick;
  void Click();
  ui::Callback<void(gfx::Canvas&)> OnPaint;
};

// A control that draws itself through the canvas (the gauges).
class PaintBox : public Component {
 public:
  UI_KIND_CLASS(PaintBox, PaintBox)
  PaintBox(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::PaintBox) {}
  virtual void Paint(gfx::Canvas& canvas) = 0;
  void Invalidate() const { Changed(Prop::Repaint); }
  Event OnClick;
};

// The caption bar with its toggle buttons (the stay-on-top pin is button 0).
class CaptionBar : public Component {
 public:
  UI_KIND_CLASS(CaptionBar, CaptionBar)
  struct CaptionButton {
    std::string hint;
    bool down = false;
    bool toggle = true;
  };
  CaptionBar(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::CaptionBar) {}
  size_t ButtonCount() const { return buttons_.size(); }
  void AddButton(const std::string& hint);
  bool Down(size_t i) const { return buttons_.at(i).down; }
  void SetDown(size_t i, bool on);
  const std::string& ButtonHint(size_t i) const { return buttons_.at(i).hint; }
  ui::Callback<void(size_t)> OnButtonClick;
  void ClickButton(size_t i);

 private:
  std::vector<CaptionButton> buttons_;
};

class Timer : public Component {
 public:
  UI_KIND_CLASS(Timer, Timer)
  Timer(Window* owner, std::string name)
      : Component(owner, nullptr, std::move(name), Kind::Timer) {
    SetVisible(false);
  }
  ~Timer() override;
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);
  // A timer runs while Enabled is on and its interval is above zero.
  bool Running() const { return Enabled() && interval_ > 0; }
  Event OnTimer;
  // One tick, dispatched like any event (the backend calls it; tests too).
  void Tick();

 private:
  unsigned interval_ = 1000;
};

// Something without a control of its own (engine, store, guard ...): it is
// listed in its window by name so that persistence and language files find it.
class NonVisual : public Component {
 public:
  UI_KIND_CLASS(NonVisual, NonVisual)
  NonVisual(Window* owner, std::string name)
      : Component(owner, nullptr, std::move(name), Kind::NonVisual) {
    SetVisible(false);
  }
};

}  // namespace ui
