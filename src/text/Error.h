// The error a handler raises with a fixed message text. Each event dispatch of
// the windows catches it at one place and shows the message in the error box,
// and the program goes on. Below the windows, so that the text and engine
// layers can raise it without knowing them.
#pragma once

#include <stdexcept>

namespace text {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace text
