#include "ui/Memo.h"

namespace ui {

void Memo::SetLines(std::vector<std::string> lines) {
  if (lines == lines_) return;
  lines_ = std::move(lines);
  Changed(Prop::Lines);
}

void Memo::AddLine(const std::string& line) {
  lines_.push_back(line);
  Changed(Prop::Lines);
}

std::string Memo::Text() const {
  std::string all;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i) all += "\r\n";
    all += lines_[i];
  }
  return all;
}

bool Memo::SetLine(size_t i, const std::string& text) {
  if (i >= lines_.size()) return false;
  if (lines_[i] != text) {
    lines_[i] = text;
    Changed(Prop::Lines);
  }
  return true;
}

void Memo::SetReadOnly(bool on) { readOnly_ = on; }

void Memo::SetVerticalScrollBar(bool on) { vScroll_ = on; }

}  // namespace ui
