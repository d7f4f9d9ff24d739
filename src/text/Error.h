// The errors a handler meets, carried as values. A function that can fail
// returns a Status (success or the error) or a Result (a value or the error);
// its caller passes a failure on with RETURN_IF_FAILED, so that the handler
// ends there, and each event dispatch of the windows takes it at one place,
// shows the message in the error box and the program goes on. Below the
// windows, so that the text and engine layers can fail without knowing them.
//
// The program is built without C++ exceptions: they would bring the
// runtime's unwinder and a table for every function into the image, and the
// runtime that raises them is built for later processors than it runs on.
#pragma once

#include <string>
#include <utility>

namespace text {

// An error with a fixed message text.
class Error {
 public:
  explicit Error(std::string message) : message_(std::move(message)) {}
  explicit Error(const char* message) : message_(message) {}
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

// Success, or the error that ended the work. One pointer, empty on success,
// so that passing success on costs a test of it; a copy of a failure copies
// its error (a Result's, passed on by RETURN_IF_FAILED).
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Error error);  // NOLINT: `return Error(...)` fails the function
  Status(const Status& other) : error_(other.error_ ? Copy(*other.error_) : nullptr) {}
  Status(Status&& other) noexcept : error_(other.error_) { other.error_ = nullptr; }
  Status& operator=(Status other) noexcept {
    std::swap(error_, other.error_);
    return *this;
  }
  ~Status() {
    if (error_) Release();
  }

  // No conversion to bool: a Result<bool> would read as its value.
  bool Ok() const { return error_ == nullptr; }
  // The failure's message; empty on success.
  const std::string& Message() const;

 private:
  static Error* Copy(const Error& error);
  void Release();
  Error* error_ = nullptr;
};

// A value, or the error met instead of it.
template <class T>
class [[nodiscard]] Result : public Status {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: as the value itself
  Result(Error error) : Status(std::move(error)) {}  // NOLINT
  // A failure passed on from a step (RETURN_IF_FAILED).
  Result(Status&& failed) : Status(std::move(failed)) {}  // NOLINT

  // The value; T's default on failure.
  const T& operator*() const { return value_; }
  T& operator*() { return value_; }
  const T* operator->() const { return &value_; }

 private:
  T value_{};
};

}  // namespace text

// Ends the calling function (which returns a Status or a Result) with the
// error of a step that failed (a Status or a Result, called or named).
#define RETURN_IF_FAILED(expr)                                  \
  do {                                                          \
    if (::text::Status failed_step_ = (expr); !failed_step_.Ok()) \
      return failed_step_;                                      \
  } while (false)
