// Splitting a raw command line into arguments the way the program always has:
// blanks separate, double quotes group and are removed.
#pragma once

#include <string>
#include <vector>

namespace platform {

std::vector<std::string> SplitArguments(const std::string& commandLine);

}  // namespace platform
