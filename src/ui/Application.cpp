#include "ui/Application.h"

#include "ui/Headless.h"
#include "ui/Window.h"

namespace ui {

void Application::SetTitle(const std::string& t) {
  if (t == title_) return;
  title_ = t;
  backend_.TitleChanged(t);
}

void Application::Minimize() {
  backend_.MinimizeApp();
  if (minimized_) return;
  minimized_ = true;
  Dispatch(*this, OnMinimize);
}

void Application::Restore() {
  backend_.RestoreApp();
  if (!minimized_) return;
  minimized_ = false;
  Dispatch(*this, OnRestore);
}

void Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  backend_.Terminated();
}

void Application::Run() {
  if (!terminated_) backend_.Run();
}

void Application::ShowModal(Window& w) { backend_.RunModal(w); }

void Application::ShowException(const std::string& message) {
  backend_.ShowError(title_, message);
}

void HeadlessBackend::RunModal(Window& w) {
  w.Show();
  if (onModal) onModal(w);
  if (!w.Destroyed()) w.Close();
}

}  // namespace ui
