#include "platform/Instance.h"

#include <cstring>

namespace platform {

std::optional<std::string> DecodeHandOver(uint32_t dataId, const void* data, size_t length) {
  if (dataId != 0 || data == nullptr || length == 0 || length > (1u << 20)) return std::nullopt;
  const char* text = static_cast<const char*>(data);
  const void* zero = std::memchr(text, '\0', length);
  if (zero == nullptr) return std::nullopt;
  return std::string(text, static_cast<const char*>(zero) - text);
}

long ReceiveHandOver(uint32_t dataId, const void* data, size_t length,
                     const std::function<void(const std::string&)>& onHandOver) {
  const auto text = DecodeHandOver(dataId, data, length);
  if (!text) return 0;
  if (onHandOver) onHandOver(*text);
  return kHandOverReply;
}

}  // namespace platform
