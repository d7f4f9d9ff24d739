// The command-line switches: only the first argument selects a mode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace app {

enum class Mode { Interactive, ShowWindow, Optimize, Free, Launcher };

struct CommandLine {
  Mode mode = Mode::Interactive;
  std::string parameter;  // the second argument, for "/FREE" and "/AWC"
  bool OneShot() const { return mode == Mode::Optimize || mode == Mode::Free || mode == Mode::Launcher; }
};

// args[0] is the program path.
CommandLine ParseCommandLine(const std::vector<std::string>& args);
// The megabytes of "/FREE": a missing or non-numeric value counts as 1.
int32_t FreeAmount(const std::string& parameter);

}  // namespace app
