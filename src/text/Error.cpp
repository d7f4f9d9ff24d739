#include "text/Error.h"

namespace text {

Status::Status(Error error) : error_(new Error(std::move(error))) {}

Error* Status::Copy(const Error& error) { return new Error(error); }

void Status::Release() {
  delete error_;
  error_ = nullptr;
}

const std::string& Status::Message() const {
  static const std::string none;
  return error_ ? error_->Message() : none;
}

}  // namespace text
