// A save dialog that answers as the test says, and a printer that records
// every page it is given.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"
#include "platform/Printing.h"

namespace fakes {

class FakeFileDialogs : public platform::FileDialogs {
 public:
  struct Request {
    std::string filter, title;
    uint32_t owner;
  };
  std::vector<Request> requests;
  std::optional<std::string> answer;  // nothing: the user cancels
  std::optional<std::string> SaveFileName(const std::string& filter, const std::string& title,
                                          uint32_t owner) override {
    requests.push_back({filter, title, owner});
    return answer;
  }
};

class FakePrinting : public platform::Printing {
 public:
  struct Line {
    int y;
    std::string text;
    bool operator==(const Line&) const = default;
  };
  struct Job {
    std::string title;
    std::vector<std::vector<Line>> pages;
    bool finished = false, abandoned = false;
  };
  bool hasPrinter = true;
  int lineHeight = 100, pageHeight = 6000;
  int failAtLine = -1;  // the printer refuses this line (counted over the job from 0)
  std::vector<Job> jobs;

  std::unique_ptr<platform::PrintJob> StartJob(const std::string& title) override;
};

}  // namespace fakes
