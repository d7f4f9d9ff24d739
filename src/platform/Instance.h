// The single-instance transport: a named 16-byte shared block and the
// command-line hand-over message between two copies of the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

struct InstanceBlock {
  uint32_t instance = 0, appWindow = 0, mainWindow = 0, messageWindow = 0;
};

enum class OpenResult { Created, Existed, Failed };

class InstanceChannel {
 public:
  virtual ~InstanceChannel() = default;
  // Creates the named block, or opens the one a first copy created.
  virtual OpenResult Open(const std::string& name) = 0;
  virtual InstanceBlock Read() = 0;
  virtual void Write(const InstanceBlock& block) = 0;
  // This process's handles for the block.
  virtual InstanceBlock Own(uint32_t appWindow, uint32_t mainWindow) = 0;
  // Sends the text to the first copy's message window; its reply, or 0.
  virtual long HandOver(uint32_t messageWindow, const std::string& text) = 0;
  // Called with every text a later copy hands over.
  std::function<void(const std::string&)> onHandOver;
};

constexpr long kHandOverReply = 1458;

// The text of a hand-over record, or nothing when the record is malformed: the
// length counts the text and its terminating zero, and the zero must be there.
std::optional<std::string> DecodeHandOver(uint32_t dataId, const void* data, size_t length);

// What the message window does with a record that arrives: a well-formed one
// goes to onHandOver (when set) and is answered with kHandOverReply; anything
// else is answered with 0.
long ReceiveHandOver(uint32_t dataId, const void* data, size_t length,
                     const std::function<void(const std::string&)>& onHandOver);

}  // namespace platform
