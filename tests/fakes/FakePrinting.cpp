#include "fakes/FakePrinting.h"

namespace fakes {

namespace {

class RecordingJob : public platform::PrintJob {
 public:
  RecordingJob(FakePrinting& printer, size_t job) : printer_(printer), job_(job) {}
  ~RecordingJob() override {
    if (!Job().finished) Job().abandoned = true;
  }
  int LineHeight() override { return printer_.lineHeight; }
  int PageHeight() override { return printer_.pageHeight; }
  bool PrintLine(int y, const std::string& text) override {
    if (lines_++ == printer_.failAtLine) return false;
    Job().pages.back().push_back({y, text});
    return true;
  }
  bool NewPage() override {
    Job().pages.emplace_back();
    return true;
  }
  bool Finish() override {
    Job().finished = true;
    return true;
  }

 private:
  FakePrinting::Job& Job() { return printer_.jobs[job_]; }
  FakePrinting& printer_;
  size_t job_;
  int lines_ = 0;
};

}  // namespace

std::unique_ptr<platform::PrintJob> FakePrinting::StartJob(const std::string& title) {
  if (!hasPrinter) return nullptr;
  jobs.push_back({title, {{}}, false, false});
  return std::make_unique<RecordingJob>(*this, jobs.size() - 1);
}

}  // namespace fakes
