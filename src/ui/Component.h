// The component model: every window owns named components in creation order.
// Components hold the state the behaviour reads and writes; a backend peer (a
// real control, or nothing in headless tests) is told about every change.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <type_traits>

#include "text/Error.h"
#include "ui/Callback.h"

namespace ui {

class Window;
class Application;

// An error that ends an event handler and is shown in the application's error
// box (text/Error.h), under the names the windows use.
using Error = text::Error;
using Status = text::Status;
template <class T>
using Result = text::Result<T>;

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

// An event handler; one that fails ends with the error it met.
using Event = Callback<Status()>;

class Component {
 public:
  Component(Window* owner, Component* parent, std::string name, Kind kind);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& Name() const { return name_; }
  Kind GetKind() const { return kind_; }
  // Class tests (As<T>), without the language's run-time type information,
  // which the program is built without: T::Is(c) answers whether c is a T.
  // The toolkit's classes are told apart by kind; a class made on one of
  // them (a gauge on the paint box, a store on the non-visual component)
  // answers with a tag of its own (UI_TAGGED_CLASS).
  using Identified = Component;
  static bool Is(const Component&) { return true; }
  virtual const void* ClassTag() const { return nullptr; }
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

// Runs a handler. This is the one place where a handler's error is taken;
// it goes to the application with the component whose event met it (a
// timer, say), when the caller knows it.
void Dispatch(Application& app, const Event& handler, const Component* source = nullptr);

// c as a T, or nullptr when it is none (or there is no c).
template <class T>
T* As(Component* c) {
  static_assert(std::is_same_v<typename T::Identified, T>, "T names how it is told apart (UI_KIND_CLASS)");
  return c && T::Is(*c) ? static_cast<T*>(c) : nullptr;
}
template <class T>
const T* As(const Component* c) {
  return As<T>(const_cast<Component*>(c));
}

}  // namespace ui

// Inside a toolkit class of its own kind: As<Class> tells it by the kind.
#define UI_KIND_CLASS(Class, kind)                                                       \
  using Identified = Class;                                                              \
  static bool Is(const ::ui::Component& c) { return c.GetKind() == ::ui::Kind::kind; }

// Inside a class made on a toolkit class: As<Class> tells it by a tag of its own.
#define UI_TAGGED_CLASS(Class)                                                            \
  using Identified = Class;                                                               \
  static constexpr char kClassTag = 0;                                                    \
  static bool Is(const ::ui::Component& c) { return c.ClassTag() == &Class::kClassTag; } \
  const void* ClassTag() const override { return &Class::kClassTag; }
