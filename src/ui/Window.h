// A window: a named component that owns its components in creation order.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Component.h"

namespace ui {

class Menu;

enum class WindowState { Normal, Minimized, Maximized };
// Where a window first shows: centred on the screen or over the main window.
enum class Placement { ScreenCenter, MainFormCenter };

class Window : public Component {
 public:
  UI_KIND_CLASS(Window, Window)
  Window(Application& app, std::string name);
  ~Window() override;

  Application& App() const { return app_; }

  // Creates a component owned by this window, in creation order.
  template <class T, class... Args>
  T& Add(Args&&... args) {
    return Make<T>(Decay(std::forward<Args>(args))...);
  }

  const std::vector<std::unique_ptr<Component>>& Components() const { return components_; }
  // Names are matched without regard to case, as language files and the
  // registry do; the first match wins.
  Component* Find(std::string_view name) const;
  template <class T>
  T* FindAs(std::string_view name) const {
    return As<T>(Find(name));
  }

  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  // A fixed client size (0 × 0: none): every resize snaps back to it.
  void SetClientSize(int w, int h);
  // The backend tells the client size the window got in its normal state.
  void NotifyClientResized(int w, int h);
  // Border icons, fixed before the window is realised: the close box always,
  // the minimize box unless this is off.
  bool MinimizeBox() const { return minimizeBox_; }
  void SetMinimizeBox(bool on) { minimizeBox_ = on; }
  Placement GetPlacement() const { return placement_; }
  void SetPlacement(Placement p) { placement_ = p; }

  WindowState State() const { return state_; }
  void SetState(WindowState s);
  bool TopMost() const { return topMost_; }
  void SetTopMost(bool on);
  // The top-left corner of the window's last normal-state bounds, in screen
  // pixels; a minimized or maximized window keeps where it returns to.
  int Left() const { return left_; }
  int Top() const { return top_; }
  // Moves the window's top-left corner there, keeping its size.
  void MoveTo(int left, int top);
  // The backend tells where the window was placed in its normal state.
  void NotifyPlaced(int left, int top) { left_ = left, top_ = top; }

  // Show notifications: the window is about to be shown (shown true) or has
  // been hidden; destroying marks the hide that comes with its destruction.
  // The main window is also hidden by minimizing the application and shown
  // by restoring it. Returns an id for UnlistenShowNotification.
  using ShowNotification = ui::Callback<void(bool shown, bool destroying)>;
  int ListenShowNotification(ShowNotification n);
  void UnlistenShowNotification(int id);
  void NotifyShowing(bool shown, bool destroying = false);
  Menu* MainMenu() const { return mainMenu_; }
  void SetMainMenu(Menu* m) { mainMenu_ = m; }

  void Show();
  void Hide();
  // Asks OnCloseQuery; when allowed, runs OnClose and destroys the native window.
  void Close();

  Event OnShow, OnHide, OnClose, OnDestroy;
  // Set the flag to false to keep the window open.
  ui::Callback<void(bool& canClose)> OnCloseQuery;
  // The end of the session: answer whether it may end.
  ui::Callback<bool()> OnQueryEndSession;
  // The session is really ending (no program refused it).
  Event OnEndSession;
  // A global hot key registered on this window was pressed; the id it was registered with.
  ui::Callback<Status(int id)> OnHotKey;
  // Called by the backend with a hot key's id.
  void NotifyHotKey(int id);

  // Called by the backend when the native window is destroyed.
  void NotifyDestroyed();
  bool Destroyed() const { return destroyed_; }

 private:
  // Takes ownership of a component just made (once per kind of Add, not per call).
  Component& Adopt(Component* made);
  template <class T, class... Args>
  T& Make(Args&&... args) {
    return static_cast<T&>(Adopt(new T(this, std::forward<Args>(args)...)));
  }
  // Names given as literals of different lengths share one Make.
  template <class A>
  static A&& Decay(A&& a) { return std::forward<A>(a); }
  template <class C, size_t N>
  static const C* Decay(C (&a)[N]) { return a; }
  bool HiddenByMinimize() const;
  Application& app_;
  std::vector<std::pair<int, ShowNotification>> showListeners_;
  int nextListener_ = 0;
  int left_ = 0, top_ = 0;
  std::vector<std::unique_ptr<Component>> components_;
  int clientWidth_ = 0, clientHeight_ = 0;
  WindowState state_ = WindowState::Normal;
  bool topMost_ = false, destroyed_ = false, minimizeBox_ = true;
  Placement placement_ = Placement::ScreenCenter;
  Menu* mainMenu_ = nullptr;
};

}  // namespace ui
