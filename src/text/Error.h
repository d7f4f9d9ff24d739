// The error a handler raises with a fixed message text. Each event dispatch of
// the windows catches it at one place and shows the message in the error box,
// and the program goes on. Below the windows, so that the text and engine
// layers can raise it without knowing them.
//
// It holds its text itself: the standard error classes keep theirs in a
// reference-counted string kept for old binaries, which brings a second string
// implementation into the program.
#pragma once

#include <exception>
#include <string>

namespace text {

class Error : public std::exception {
 public:
  explicit Error(std::string message) : message_(std::move(message)) {}
  explicit Error(const char* message) : message_(message) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

}  // namespace text
