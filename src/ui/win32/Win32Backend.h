// Realises the component model with real Win32 windows and controls.
#pragma once

#include <windows.h>

#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "ui/Application.h"
#include "ui/SharedTimers.h"
#include "ui/win32/Win32Menus.h"

namespace ui::win32 {

class Win32Backend : public Backend, public MenuHost {
 public:
  Win32Backend();
  ~Win32Backend() override;
  void SetApplication(Application& app) { app_ = &app; }

  std::unique_ptr<Peer> CreatePeer(Component& c) override;
  void Realize(Window& w) override;
  void ProcessMessages() override;
  void Run() override;
  void RunModal(Window& w) override;
  void PopupMenu(Menu& m, int x, int y) override;
  void ForegroundApp() override;
  void ShowError(const std::string& title, const std::string& message) override;
  bool PickColor(Window* owner, uint32_t& color) override;
  void MinimizeApp() override;
  void RestoreApp() override;
  void HideApp() override;
  void ShowApp() override;
  void TitleChanged(const std::string& title) override;
  void Terminated() override;
  uint32_t NativeHandle(const Window& w) override;
  uint32_t AppHandle() override;
  void Post(Event call) override;
  void RunOnePosted();

  HWND AppWindow() const { return appWindow_; }
  HFONT Font() const { return font_; }
  // Native handle of a component's control, for tests.
  static HWND HandleOf(const Component& c);

  // Command ids of controls and menu items, and timer ids.
  int Register(Component& c) override;
  void Unregister(int id);
  Component* ById(int id) const;
  void MenuChanged(Menu& m) override;
  // Timer id runs with period (0: stopped); a system timer fired.
  void ScheduleTimer(int id, unsigned period);
  void TimerFired(unsigned system);

 private:
  friend LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK AppProc(HWND, UINT, WPARAM, LPARAM);
  bool Pump(MSG& msg);
  static void KeepCreationOrder(const std::vector<std::unique_ptr<Component>>& all, size_t i);
  Application* app_ = nullptr;
  HWND appWindow_ = nullptr;
  HFONT font_ = nullptr;
  std::map<int, Component*> ids_;
  SharedTimers timers_;
  int nextId_ = 100;
  std::deque<Event> posted_;
  std::vector<HWND> modal_;  // the modal windows, innermost last
};

}  // namespace ui::win32
