#include "settings/FormPersist.h"

#include "ui/Application.h"
#include "ui/Window.h"

namespace settings {

namespace {

// "Name<digits>": the property's name and the item's index.
bool SplitItem(const std::string& entry, std::string& name, size_t& index) {
  const size_t lt = entry.find('<');
  if (lt == std::string::npos || entry.size() < lt + 3 || entry.back() != '>') return false;
  name = entry.substr(0, lt);
  index = 0;
  for (size_t i = lt + 1; i + 1 < entry.size(); ++i) {
    const char c = entry[i];
    if (c < '0' || c > '9') return false;
    if (index > 100000000) return false;  // no collection holds that many
    index = index * 10 + size_t(c - '0');
  }
  return true;
}

}  // namespace

TElFormPersist::TElFormPersist(ui::Window* owner, std::string name, TElIniFile& store,
                               const PropertyTable& table, std::vector<PropEntry> props)
    : ui::NonVisual(owner, std::move(name)), PropsToStore(std::move(props)), store_(store), table_(table) {
  showListener_ = owner->ListenShowNotification(
      [this](bool shown, bool destroying) { ShowNotification(shown, destroying); });
  deactivateListener_ = owner->App().ListenDeactivate([this] {
    if (topMost_ && Form().Visible()) Form().Changed(ui::Prop::TopMost);
  });
}

TElFormPersist::~TElFormPersist() {
  Form().UnlistenShowNotification(showListener_);
  Form().App().UnlistenDeactivate(deactivateListener_);
}

void TElFormPersist::ShowNotification(bool shown, bool destroying) {
  if (shown) {
    if (topMost_) ApplyTopMost();
    RestoreWindow();
    ApplyTopMost();
    return;
  }
  SaveWindowState();
  if (destroying) return;
  SaveWindowState();
  SaveProperties();
}

void TElFormPersist::SetTopMost(bool on) {
  if (on == topMost_) return;
  topMost_ = on;
  ApplyTopMost();
}

void TElFormPersist::ApplyTopMost() {
  if (Form().TopMost() != topMost_) Form().SetTopMost(topMost_);
  else Form().Changed(ui::Prop::TopMost);
}

void TElFormPersist::RestoreWindow() {
  RestoreWindowState();
  RestoreProperties();
}

void TElFormPersist::SaveProperties() { Walk(true); }
void TElFormPersist::RestoreProperties() { Walk(false); }

void TElFormPersist::Walk(bool save) {
  store_.Reconnect();
  const std::string start = store_.CurrentKey();
  const std::string formKey = "\\" + Form().Name();
  if (store_.OpenKey(formKey, true)) {
    for (const PropEntry& entry : PropsToStore) {
      ui::Component* c = Form().Find(entry.name);
      if (!c) continue;
      WalkObject(Target{c, FacetOf<SelfFacet>(), 0}, entry, formKey + "\\" + entry.name, formKey, save);
    }
  }
  store_.OpenKey(start, true);
}

void TElFormPersist::WalkObject(const Target& target, const PropEntry& entry, const std::string& key,
                                const std::string& parentKey, bool save) {
  if (!store_.OpenKey(key, true)) return;  // nothing read or written below it
  for (const PropEntry& child : entry.children) WalkEntry(target, child, key, save);
  store_.OpenKey(parentKey, true);
}

void TElFormPersist::WalkEntry(const Target& target, const PropEntry& entry, const std::string& key,
                               bool save) {
  std::string name;
  size_t index = 0;
  if (entry.name.find('<') != std::string::npos) {
    if (!SplitItem(entry.name, name, index)) return;
    const Property* p = table_.Find(target, name);
    if (!p || p->kind != PropKind::Collection || index >= p->count(target)) return;
    WalkObject(Target{target.component, p->itemFacet, index}, entry, key + "\\" + entry.name, key, save);
    return;
  }
  const Property* p = table_.Find(target, entry.name);
  if (!p) return;
  switch (p->kind) {
    case PropKind::Object:
      if (auto sub = p->object(target)) WalkObject(*sub, entry, key + "\\" + entry.name, key, save);
      return;
    case PropKind::Collection: return;  // only its items are persisted
    case PropKind::Integer:
    case PropKind::Text:
      if (entry.children.empty()) Leaf(*p, target, entry.name, save);
      return;
  }
}

void TElFormPersist::Leaf(const Property& p, const Target& target, const std::string& name, bool save) {
  if (p.kind == PropKind::Integer) {
    if (save) {
      store_.WriteInteger(name, p.getInteger(target));
      return;
    }
    int32_t value = 0;
    if (store_.ReadInteger(name, p.getInteger(target), value)) p.setInteger(target, value);
    return;
  }
  if (save) {
    store_.WriteString(name, p.getText(target));
    return;
  }
  std::string value;
  if (store_.ReadString(name, p.getText(target), value)) p.setText(target, value);
}

void TElFormPersist::SaveWindowState() {
  store_.Reconnect();
  const std::string start = store_.CurrentKey();
  if (store_.OpenKey("\\" + Form().Name(), true)) {
    int32_t state = 0;
    if (Form().App().Minimized()) state = 1;
    else if (Form().State() == ui::WindowState::Maximized) state = 2;
    store_.WriteInteger("State", state);
    store_.WriteBool("Topmost", topMost_);
    store_.WriteInteger("Left", Form().Left());
    store_.WriteInteger("Top", Form().Top());
  }
  store_.OpenKey(start, true);
}

void TElFormPersist::RestoreWindowState() {
  store_.Reconnect();
  const std::string start = store_.CurrentKey();
  if (store_.OpenKey("\\" + Form().Name(), true)) {
    if (Form().State() == ui::WindowState::Normal) {
      int32_t left = 0, top = 0;
      const bool hasLeft = store_.ReadInteger("Left", Form().Left(), left);
      const bool hasTop = store_.ReadInteger("Top", Form().Top(), top);
      if (hasLeft && hasTop) Form().MoveTo(left, top);
    }
    int32_t state = 0;
    if (store_.ReadInteger("State", 0, state)) {
      ui::Application& app = Form().App();
      if (state == 1) {
        Form().SetState(ui::WindowState::Normal);
        app.PostMinimize();
      } else if (state == 2) {
        Form().SetState(ui::WindowState::Maximized);
      } else if (app.Minimized()) {
        app.Restore();
      }
    }
    bool topMost = false;
    if (store_.ReadBool("Topmost", topMost_, topMost)) SetTopMost(topMost);
  }
  store_.OpenKey(start, true);
}

}  // namespace settings
