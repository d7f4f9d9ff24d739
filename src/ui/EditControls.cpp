#include "ui/EditControls.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Window.h"

namespace ui {

void ComboBox::SetItems(std::vector<std::string> items) {
  if (items == items_) return;
  items_ = std::move(items);
  if (index_ >= static_cast<int>(items_.size())) index_ = -1;
  Changed(Prop::Items);
}

bool ComboBox::SetItem(size_t i, const std::string& text) {
  if (i >= items_.size()) return false;
  if (items_[i] != text) {
    items_[i] = text;
    Changed(Prop::Items);
  }
  return true;
}

Status ComboBox::SetItemIndex(int i) {
  if (i < -1 || i >= static_cast<int>(items_.size()))
    return Error("List index out of bounds (" + std::to_string(i) + ")");
  if (i == index_) return {};
  index_ = i;
  Changed(Prop::ItemIndex);
  return {};
}

void ComboBox::SetColor(uint32_t color) {
  if (color == color_) return;
  color_ = color;
  Changed(Prop::Color);
}

void ComboBox::Choose(int i) {
  if (i < 0 || i >= static_cast<int>(items_.size())) return;
  (void)SetItemIndex(i);  // an item's index: never refused
  Dispatch(App(), OnChange);
}

namespace {

struct BasicColor {
  const char* name;
  uint32_t color;
};

constexpr BasicColor kBasic[ColorBox::kBasicCount] = {
    {"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
};

}  // namespace

const std::vector<std::string>& ColorBox::ItemNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const auto& b : kBasic) n.push_back(b.name);
    n.push_back("Custom...");
    return n;
  }();
  return names;
}

uint32_t ColorBox::BasicColor(int i) { return kBasic[std::clamp(i, 0, kBasicCount - 1)].color; }

int ColorBox::ItemIndex() const {
  for (int i = 0; i < kBasicCount; ++i)
    if (kBasic[i].color == selected_) return i;
  return kCustomIndex;
}

void ColorBox::SetSelected(uint32_t color) {
  if (color == selected_) return;
  selected_ = color;
  Changed(Prop::Value);
}

bool ColorBox::SetItem(size_t i, const std::string& text) {
  if (i >= names_.size()) return false;
  if (names_[i] != text) {
    names_[i] = text;
    Changed(Prop::Items);
  }
  return true;
}

void ColorBox::Choose(int i) {
  if (i < 0 || i > kCustomIndex) return;
  if (i < kBasicCount) {
    SetSelected(kBasic[i].color);
  } else {
    uint32_t color = selected_;
    if (!App().GetBackend().PickColor(Owner(), color)) {
      Changed(Prop::Value);  // the list goes back to the colour it had
      return;
    }
    SetSelected(color);
    Changed(Prop::Value);
  }
  Dispatch(App(), OnChange);
}

void SpinEdit::SetValue(int v) {
  v = std::clamp(v, min_, max_);
  if (v == value_) return;
  value_ = v;
  Changed(Prop::Value);
  Dispatch(App(), OnChange);
}

void SpinEdit::SetMin(int v) {
  if (v == min_) return;
  min_ = v;
  if (max_ < min_) max_ = min_;
  Changed(Prop::Range);
  SetValue(value_);
}

void SpinEdit::SetMax(int v) {
  if (v == max_) return;
  max_ = v;
  if (min_ > max_) min_ = max_;
  Changed(Prop::Range);
  SetValue(value_);
}

void SpinEdit::StepBy(int64_t delta) {
  SetValue(static_cast<int>(std::clamp<int64_t>(value_ + delta, min_, max_)));
}

void SpinEdit::SetColor(uint32_t color) {
  if (color == color_) return;
  color_ = color;
  Changed(Prop::Color);
}

std::string KeyName(int vk) {
  if (vk <= 0 || vk > 0xFF) return "None";
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, static_cast<char>(vk));
  if (vk >= 0x70 && vk <= 0x87) return "F" + std::to_string(vk - 0x6F);
  if (vk >= 0x60 && vk <= 0x69) return "Num " + std::to_string(vk - 0x60);
  switch (vk) {
    case 0x08: return "Backspace";
    case 0x09: return "Tab";
    case 0x0D: return "Enter";
    case 0x1B: return "Esc";
    case 0x20: return "Space";
    case 0x21: return "Page Up";
    case 0x22: return "Page Down";
    case 0x23: return "End";
    case 0x24: return "Home";
    case 0x25: return "Left";
    case 0x26: return "Up";
    case 0x27: return "Right";
    case 0x28: return "Down";
    case 0x2D: return "Insert";
    case 0x2E: return "Delete";
    default: return "Key " + std::to_string(vk);
  }
}

void HotKeyEdit::SetKey(int virtualKey) {
  shown_ = virtualKey;
  if (virtualKey == key_) {
    Changed(Prop::Value);  // the display may have run ahead
    return;
  }
  key_ = virtualKey;
  Changed(Prop::Value);
}

void HotKeyEdit::KeyDown(int virtualKey) {
  constexpr int kBack = 0x08, kShift = 0x10, kControl = 0x11, kMenu = 0x12;
  if (virtualKey == kShift || virtualKey == kControl || virtualKey == kMenu) return;
  shown_ = virtualKey == kBack ? 0 : virtualKey;
}

void HotKeyEdit::KeyUp() {
  Dispatch(App(), OnKeyUp);
  key_ = shown_;
}

}  // namespace ui
