// A bar with a caption, such as the header above a group of values.
#pragma once

#include "ui/Component.h"

namespace ui {

class Panel : public Component {
 public:
  UI_KIND_CLASS(Panel, Panel)
  Panel(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::Panel) {}
};

}  // namespace ui
