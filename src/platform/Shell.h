// Message boxes and the program's own environment.
#pragma once

#include <string>
#include <vector>

namespace platform {

enum class BoxIcon { None, Information, Warning, Error };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowMessage(const std::string& text, const std::string& title, BoxIcon icon) = 0;
};

enum class Family { Win9x, NT };

class Environment {
 public:
  virtual ~Environment() = default;
  // The program path followed by each argument, as the system split them.
  virtual std::vector<std::string> Arguments() = 0;
  // The folder of the program file, with its trailing separator.
  virtual std::string ProgramFolder() = 0;
  virtual Family PlatformFamily() = 0;
  // Major and minor number of the program file's version record, "0.0" without one.
  virtual std::string ProgramVersion() = 0;
};

}  // namespace platform
