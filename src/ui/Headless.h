// A backend that realises nothing: tests drive events, timers and message
// pumping themselves and read back what the program asked for.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/Application.h"

namespace ui {

class HeadlessBackend : public Backend {
 public:
  std::unique_ptr<Peer> CreatePeer(Component&) override { return nullptr; }
  void Realize(Window&) override {}
  void ProcessMessages() override {
    ++pumps;
    RunPosted();
    if (onProcessMessages) onProcessMessages();
  }
  void Run() override {
    ++runs;
    RunPosted();
  }
  void Post(Event call) override { posted.push_back(std::move(call)); }
  // Runs the posted calls, as the message loop would.
  void RunPosted();
  void RunModal(Window& w) override;
  // Fake time for a window's timers: each running timer ticks once for every
  // whole interval that has passed since it started or last ticked.
  void Elapse(Window& w, unsigned ms);
  void PopupMenu(Menu&, int, int) override { ++popups; }
  void ForegroundApp() override { ++foregrounds; }
  void ShowError(const std::string& title, const std::string& message) override {
    errors.push_back(title + ": " + message);
  }
  bool PickColor(Window*, uint32_t& color) override {
    ++colorDialogs;
    return onChooseColor && onChooseColor(color);
  }
  void MinimizeApp() override { ++minimizes; }
  void RestoreApp() override { ++restores; }
  void HideApp() override { ++hides; }
  void ShowApp() override { ++shows; }
  void TitleChanged(const std::string&) override {}
  void Terminated() override {}
  uint32_t NativeHandle(const Window&) override { return 0x1000; }
  uint32_t AppHandle() override { return 0x2000; }

  // Runs inside every ProcessMessages: a test's stand-in for queued messages.
  ui::Callback<void()> onProcessMessages;
  // Runs while a modal window is "open"; the window closes afterwards.
  ui::Callback<void(Window&)> onModal;
  // The colour dialog's answer: set the colour and return true, or cancel.
  ui::Callback<bool(uint32_t&)> onChooseColor;
  std::vector<std::string> errors;
  std::vector<Event> posted;
  std::map<const Component*, unsigned> timerElapsed;
  int colorDialogs = 0, pumps = 0, runs = 0, popups = 0, foregrounds = 0, minimizes = 0, restores = 0, hides = 0,
      shows = 0;
};

}  // namespace ui
