// The settings of a file save dialog, kept as a component of its window; the
// window asks the platform's dialog service with them.
#pragma once

#include "ui/Controls.h"

namespace ui {

class SaveDialog : public NonVisual {
 public:
  SaveDialog(Window* owner, std::string name) : NonVisual(owner, std::move(name)) {}
  // "description|pattern" pairs joined by "|".
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& f) { filter_ = f; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& t) { title_ = t; }
  bool HasCaption() const override { return false; }

 private:
  std::string filter_, title_;
};

}  // namespace ui
