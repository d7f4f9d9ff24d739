// A multi-line text box whose lines the program and language files set.
#pragma once

#include <string>
#include <vector>

#include "ui/Component.h"

namespace ui {

class Memo : public Component {
 public:
  UI_KIND_CLASS(Memo, Memo)
  Memo(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::Memo) {}

  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::string> lines);
  void AddLine(const std::string& line);
  // The lines joined by CR LF, as the control shows them.
  std::string Text() const;

  bool SetLine(size_t i, const std::string& text) override;
  size_t LineCount() const override { return lines_.size(); }

  // Styles of the control: set them before the window is realised.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on);
  bool VerticalScrollBar() const { return vScroll_; }
  void SetVerticalScrollBar(bool on);

 private:
  std::vector<std::string> lines_;
  bool readOnly_ = false, vScroll_ = false;
};

}  // namespace ui
