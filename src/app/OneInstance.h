// The single-instance guard: the first copy registers itself in a named shared
// block; a later copy hands its command line to the first and ends.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Callback.h"
#include "platform/Instance.h"
#include "ui/Controls.h"

namespace app {

class TElOneInstance : public ui::NonVisual {
 public:
  TElOneInstance(ui::Window* owner, std::string name, platform::InstanceChannel& channel);
  // The channel outlives the form: its hand-over callback must not.
  ~TElOneInstance() override;

  std::string MapName = "Brantelle";
  bool NoAutoTerminate = false;

  // A later copy found the first one; set the flag to hand the command line over.
  ui::Callback<void(const platform::InstanceBlock& previous, bool& doSwitch)> OnExists;
  // The first copy received a later copy's command line, one element a line.
  ui::Callback<void(const std::vector<std::string>& parameters)> OnInstanceRun;

  // Runs once the component is loaded: registers or hands over. commandLine is
  // this process's program path and arguments. False when the block failed.
  bool Loaded(const std::vector<std::string>& commandLine);
  bool IsFirst() const { return first_; }

 private:
  platform::InstanceChannel& channel_;
  bool first_ = false;
};

// The program path and each argument, every line ended by CR LF.
std::string JoinHandOverText(const std::vector<std::string>& commandLine);
// Lines of a hand-over text (CR LF, LF or CR ends a line).
std::vector<std::string> SplitHandOverText(const std::string& text);

}  // namespace app
