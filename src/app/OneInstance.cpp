#include "app/OneInstance.h"

#include "ui/Application.h"
#include "ui/Window.h"

namespace app {

TElOneInstance::TElOneInstance(ui::Window* owner, std::string name,
                               platform::InstanceChannel& channel)
    : ui::NonVisual(owner, std::move(name)), channel_(channel) {}

TElOneInstance::~TElOneInstance() {
  if (first_) channel_.onHandOver = nullptr;
}

bool TElOneInstance::Loaded(const std::vector<std::string>& commandLine) {
  if (!Enabled()) return true;
  const platform::OpenResult opened = channel_.Open(MapName);
  if (opened == platform::OpenResult::Failed) return false;
  if (opened == platform::OpenResult::Created) {
    first_ = true;
    // The owning form's handle: the application has no main form registered yet.
    channel_.Write(channel_.Own(App().GetBackend().AppHandle(), App().GetBackend().NativeHandle(*Owner())));
    channel_.onHandOver = [this](const std::string& text) {
      const auto lines = SplitHandOverText(text);
      if (OnInstanceRun) ui::Dispatch(App(), [&] { OnInstanceRun(lines); });
    };
    return true;
  }
  const platform::InstanceBlock previous = channel_.Read();
  bool doSwitch = false;
  if (OnExists) OnExists(previous, doSwitch);
  if (doSwitch) channel_.HandOver(previous.messageWindow, JoinHandOverText(commandLine));
  if (!NoAutoTerminate) App().Terminate();
  return true;
}

std::string JoinHandOverText(const std::vector<std::string>& commandLine) {
  std::string out;
  for (const auto& part : commandLine) out += part + "\r\n";
  return out;
}

std::vector<std::string> SplitHandOverText(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace app
