// The component model: every window owns named components in creation order.
// Components hold the state the behaviour reads and writes; a backend peer (a
// real control, or nothing in headless tests) is told about every change.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "text/Error.h"
#include "ui/Callback.h"

namespace ui {

class Window;
class Application;

// An error that ends an event handler and is shown in the application's error
// box (text/Error.h), under the name the windows use.
using Error = text::Error;

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

enum class Kind {
  Window, Label, Button, CheckBox, RadioButton, TrackBar, ProgressBar, StatusBar,
  GroupBox, Bevel, Picture, PaintBox, CaptionBar, Memo, ComboBox, ColorBox, SpinEdit,
  HotKeyEdit, ListView, PageControl, TabSheet, Panel, Menu, MenuItem, Timer, Action, NonVisual,
};

// Which property changed, so that a peer updates only what it must.
enum class Prop {
  Caption, Hint, Enabled, Visible, Bounds, Checked, Items, ItemIndex, Lines,
  Position, Range, Frequency, Panels, Down, Default, Interval, Repaint, Color,
  WindowState, TopMost, Icon, Closed, Value,
};

class Peer {
 public:
  virtual ~Peer() = default;
  virtual void Changed(Prop prop) = 0;
};

using Event = Callback<void()>;

class Component {
 public:
  Component(Window* owner, Component* parent, std::string name, Kind kind);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& Name() const { return name_; }
  Kind GetKind() const { return kind_; }
  Window* Owner() const { return owner_; }
  Component* Parent() const { return parent_; }
  Application& App() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view text);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view text);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  const Rect& Bounds() const { return bounds_; }
  void SetBounds(const Rect& r);
  // Whether the hint shows; switching it off keeps the text.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);

  // Indexed texts that language files address as lines[i] and items[i];
  // components without them answer false.
  virtual bool SetLine(size_t, const std::string&) { return false; }
  virtual bool SetItem(size_t, const std::string&) { return false; }
  // How many lines[i] and items[i] there are now; a language file replaces
  // existing ones only. Components whose items are not translated answer 0.
  virtual size_t LineCount() const { return 0; }
  virtual size_t ItemCount() const { return 0; }
  // Whether the component shows its caption (a slider or a text box has none,
  // so a language file must not set one).
  virtual bool HasCaption() const;

 protected:
  // After the caption changed (an action passes it on to its menu items).
  virtual void CaptionChanged() {}

 public:

  // Whether the component is on screen when its native parent is: visible
  // itself and inside containers that are.
  bool Showing() const;
  // A control, as opposed to a window, menu, timer or other part without a
  // place of its own on a window.
  bool IsControl() const;
  // A hidden control, or one inside a hidden container, gets its peer when it
  // first shows: some never do (the main window's setting labels), and each
  // native control costs its creation. Tab sheets are the exception: their
  // pages are made whole with the window, ready for the user's switch.
  bool WaitsToShow() const;

  Peer* GetPeer() const { return peer_.get(); }
  void AttachPeer(std::unique_ptr<Peer> peer);
  // Called once the backend has given this component its peer (or none):
  // a component that owns parts of its own (a gauge's timer) realises them.
  virtual void Realized() {}
  void Changed(Prop prop) const {
    if (peer_) peer_->Changed(prop);
  }

 private:
  Window* owner_;
  Component* parent_;
  std::string name_;
  Kind kind_;
  std::string caption_, hint_;
  bool enabled_ = true, visible_ = true, showHint_ = true;
  Rect bounds_;
  std::unique_ptr<Peer> peer_;
};

// Runs a handler. This is the one place where a handler's error is caught,
// whatever its type; it goes to the application with the component whose
// event raised it (a timer, say), when the caller knows it.
void Dispatch(Application& app, const Event& handler, const Component* source = nullptr);

}  // namespace ui
