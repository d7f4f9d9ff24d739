// Text jobs on the default printer through GDI.
#pragma once

#include "platform/Printing.h"

namespace platform::win32 {

class Win32Printing : public Printing {
 public:
  std::unique_ptr<PrintJob> StartJob(const std::string& title) override;
};

}  // namespace platform::win32
