// The application object and the backend that realises the component model.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ui/Component.h"

namespace ui {

class Window;
class Menu;

// Realises components as native controls. The headless backend realises
// nothing and records what was asked of it.
class Backend {
 public:
  virtual ~Backend() = default;
  // A peer for a component of a realised window, or none.
  virtual std::unique_ptr<Peer> CreatePeer(Component& c) = 0;
  // Creates the native window, if it has none, and the peers its components
  // are due (controls that wait to show are left until they do).
  virtual void Realize(Window& w) = 0;
  virtual void ProcessMessages() = 0;
  // Runs the message loop until the application terminates.
  virtual void Run() = 0;
  // Runs a modal loop until the window is closed.
  virtual void RunModal(Window& w) = 0;
  virtual void PopupMenu(Menu& m, int x, int y) = 0;
  // Brings the application's window to the foreground (before a popup menu).
  virtual void ForegroundApp() = 0;
  virtual void ShowError(const std::string& title, const std::string& message) = 0;
  // The system's colour dialog over the window, starting at color; false
  // when the user cancels.
  virtual bool PickColor(Window* owner, uint32_t& color) = 0;
  // Application window: minimize, restore, hide from the task bar, title.
  virtual void MinimizeApp() = 0;
  virtual void RestoreApp() = 0;
  virtual void HideApp() = 0;
  virtual void ShowApp() = 0;
  virtual void TitleChanged(const std::string& title) = 0;
  virtual void Terminated() = 0;
  // The native handle of a realised window (0 when there is none).
  virtual uint32_t NativeHandle(const Window& w) = 0;
  // The native handle of the application's own window (0 when there is none).
  virtual uint32_t AppHandle() { return 0; }
  // Runs the call later, from the message loop (or the next message pumping).
  virtual void Post(Event call) {
    if (app) Dispatch(*app, call);
    else (void)call();  // no application to show an error
  }
  // Set by the application that uses this backend.
  Application* app = nullptr;
};

class Application {
 public:
  explicit Application(Backend& backend) : backend_(backend) { backend.app = this; }
  Backend& GetBackend() const { return backend_; }

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& t);

  Window* MainWindow() const { return main_; }
  void SetMainWindow(Window* w) { main_ = w; }

  bool Minimized() const { return minimized_; }
  // Minimizing hides the main window and restoring shows it again: each
  // sends the main window's show notification.
  void Minimize();
  void Restore();
  // Minimizes later, from the message loop, as a posted system command does.
  void PostMinimize();
  void HideTaskButton() { backend_.HideApp(); }
  void ShowTaskButton() { backend_.ShowApp(); }
  void ProcessMessages() { backend_.ProcessMessages(); }
  void Terminate();
  bool IsTerminated() const { return terminated_; }
  void Run();
  void ShowModal(Window& w);

  // The error box: shows the message and the program goes on. With quiet
  // errors (a one-shot start, which has no window to own a box and must end
  // by itself) it only counts the error.
  void ShowException(const std::string& message);
  void SetQuietErrors(bool quiet) { quietErrors_ = quiet; }
  int QuietErrorCount() const { return quietErrorCount_; }
  // Every error a handler raised arrives here, from the one dispatch point,
  // with the component whose event it was (none when unknown); rules about
  // which errors get a box belong here.
  void HandleException(const std::string& message, const Component* source);
  // A handler of that source ran without an error: its next error gets a box.
  void HandlerSucceeded(const Component* source);
  // The source is gone; a new one at its address starts afresh.
  void Forget(const Component* source);

  Event OnMinimize, OnRestore, OnDeactivate;
  // Another program became active: OnDeactivate, then every listener.
  void Deactivated();
  int ListenDeactivate(Event e);
  void UnlistenDeactivate(int id);

 private:
  Backend& backend_;
  std::string title_;
  Window* main_ = nullptr;
  bool minimized_ = false, terminated_ = false, quietErrors_ = false;
  int quietErrorCount_ = 0;
  std::vector<std::pair<int, Event>> deactivateListeners_;
  std::set<const Component*> failing_, boxOpen_;
  int nextListener_ = 0;
};

}  // namespace ui
