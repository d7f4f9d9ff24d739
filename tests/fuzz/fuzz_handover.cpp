// Hand-over records of any identifier, length (past the receiver's 1 MB limit)
// and content, as a later copy (or any other program) can send them, through
// the message window's own receiving code into the running program.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "MainRig.h"
#include "platform/Instance.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::MainRig rig;
  if (size < 1) return 0;
  // First byte: the record's identifier (mostly 0, the one that is accepted).
  const uint32_t dataId = data[0] < 200 ? 0 : data[0];
  std::vector<uint8_t> record(data + 1, data + size);  // exactly the sent bytes
  const void* bytes = record.empty() ? nullptr : record.data();
  int delivered = 0;
  std::string text;
  const long reply = platform::ReceiveHandOver(dataId, bytes, record.size(), [&](const std::string& t) {
    ++delivered;
    text = t;
    rig.sys.instance.onHandOver(t);  // the running program's handler
  });
  // Accepted exactly when the identifier is 0, the length 1 byte to 1 MB and
  // a zero ends the text inside it; the text is what comes before that zero.
  const bool wellFormed = dataId == 0 && !record.empty() && record.size() <= (1u << 20) &&
                          std::memchr(record.data(), 0, record.size()) != nullptr;
  fuzz::Check(reply == (wellFormed ? platform::kHandOverReply : 0) && delivered == (wellFormed ? 1 : 0));
  if (wellFormed) fuzz::Check(text == std::string(reinterpret_cast<const char*>(record.data())));
  rig.Settle();
  return 0;
}
