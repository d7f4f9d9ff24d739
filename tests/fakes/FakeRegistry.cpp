#include "fakes/FakeRegistry.h"

#include "text/Text.h"

namespace fakes {

namespace {

using platform::RegRoot;

// A path the registry takes: "" (the root itself) or names joined by single
// "\", none of them empty; no leading or trailing "\".
bool ValidPath(const std::string& path) {
  if (path.empty()) return true;
  if (path.front() == '\\' || path.back() == '\\') return false;
  return path.find("\\\\") == std::string::npos;
}

std::string Parent(const std::string& path) {
  const size_t sep = path.rfind('\\');
  return sep == std::string::npos ? std::string() : path.substr(0, sep);
}

class FakeKey : public platform::RegistryKey {
 public:
  FakeKey(FakeRegistry& reg, RegRoot root, std::string path, bool writable)
      : reg_(reg), root_(root), path_(std::move(path)), writable_(writable), serial_(reg.Find(root_, path_)->serial) {}

  std::optional<platform::RegValue> Read(const std::string& name) override {
    FakeRegistry::Key* k = Live();
    if (!k) return std::nullopt;
    for (const auto& v : k->values)
      if (text::EqualsNoCase(v.name, name)) return v.value;
    return std::nullopt;
  }
  bool WriteDword(const std::string& name, uint32_t value) override {
    return Write(name, {platform::reg::kDword,
                        {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)}});
  }
  bool WriteString(const std::string& name, const std::string& s) override {
    const std::string t(s.c_str());  // up to the first NUL
    platform::RegValue v{platform::reg::kSz, std::vector<uint8_t>(t.begin(), t.end())};
    v.data.push_back(0);
    return Write(name, std::move(v));
  }
  bool DeleteValue(const std::string& name) override {
    FakeRegistry::Key* k = Live();
    if (!k || !writable_ || reg_.failWrites) return false;
    for (auto it = k->values.begin(); it != k->values.end(); ++it)
      if (text::EqualsNoCase(it->name, name)) {
        k->values.erase(it);
        return true;
      }
    return false;
  }
  std::vector<std::string> SubKeyNames() override {
    return Live() ? reg_.Children(root_, path_) : std::vector<std::string>();
  }
  std::vector<std::string> ValueNames() override {
    std::vector<std::string> names;
    if (FakeRegistry::Key* k = Live())
      for (const auto& v : k->values) names.push_back(v.name);
    return names;
  }

 private:
  FakeRegistry::Key* Live() {
    FakeRegistry::Key* k = reg_.Find(root_, path_);
    return k && k->serial == serial_ ? k : nullptr;
  }
  bool Write(const std::string& name, platform::RegValue v) {
    FakeRegistry::Key* k = Live();
    if (!k || !writable_ || reg_.failWrites) return false;
    ++reg_.writes;
    for (auto& existing : k->values)
      if (text::EqualsNoCase(existing.name, name)) {
        existing.value = std::move(v);
        return true;
      }
    k->values.push_back({name, std::move(v)});
    return true;
  }
  FakeRegistry& reg_;
  RegRoot root_;
  std::string path_;
  bool writable_;
  unsigned serial_;
};

}  // namespace

std::string FakeRegistry::Id(RegRoot root, const std::string& path) {
  return std::to_string(static_cast<int>(root)) + ":" + text::Upper(path);
}

FakeRegistry::Key* FakeRegistry::Find(RegRoot root, const std::string& path) {
  auto it = keys_.find(Id(root, path));
  return it == keys_.end() ? nullptr : &it->second;
}

FakeRegistry::Key& FakeRegistry::Create(RegRoot root, const std::string& path) {
  if (Key* k = Find(root, path)) return *k;
  if (!path.empty()) Create(root, Parent(path));
  ++created;
  Key& k = keys_[Id(root, path)];
  k.path = path;
  k.serial = ++serials_;
  return k;
}

std::vector<std::string> FakeRegistry::Children(RegRoot root, const std::string& path) const {
  std::vector<std::string> names;
  const std::string prefix = Id(root, path) + (path.empty() ? "" : "\\");
  for (const auto& [id, key] : keys_) {
    if (id.size() <= prefix.size() || id.compare(0, prefix.size(), prefix) != 0) continue;
    if (id.find('\\', prefix.size()) != std::string::npos) continue;
    const size_t sep = key.path.rfind('\\');
    names.push_back(sep == std::string::npos ? key.path : key.path.substr(sep + 1));
  }
  return names;
}

std::unique_ptr<platform::RegistryKey> FakeRegistry::Open(RegRoot root, const std::string& path,
                                                          platform::RegOpen mode) {
  ++opens;
  if (!ValidPath(path)) return nullptr;
  if (root == RegRoot::CurrentUser && failing_.count(text::Upper(path))) return nullptr;
  if (failOpen && failOpen(root, path, mode)) return nullptr;
  if (mode == platform::RegOpen::Create) Create(root, path);
  else if (!Find(root, path) && !path.empty()) return nullptr;
  else if (path.empty()) Create(root, path);
  return std::make_unique<FakeKey>(*this, root, path, mode != platform::RegOpen::Read);
}

void FakeRegistry::FailOpening(const std::string& path) { failing_.insert(text::Upper(path)); }

void FakeRegistry::Put(const std::string& path, const std::string& name, uint32_t type,
                       std::vector<uint8_t> data, RegRoot root) {
  Key& k = Create(root, path);
  for (auto& v : k.values)
    if (text::EqualsNoCase(v.name, name)) {
      v.value = {type, std::move(data)};
      return;
    }
  k.values.push_back({name, {type, std::move(data)}});
}

void FakeRegistry::PutDword(const std::string& path, const std::string& name, uint32_t v, RegRoot root) {
  Put(path, name, platform::reg::kDword,
      {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}, root);
}

void FakeRegistry::PutString(const std::string& path, const std::string& name, const std::string& s,
                             RegRoot root) {
  std::vector<uint8_t> data(s.begin(), s.end());
  data.push_back(0);
  Put(path, name, platform::reg::kSz, std::move(data), root);
}

const platform::RegValue* FakeRegistry::Get(const std::string& path, const std::string& name,
                                            RegRoot root) const {
  auto it = keys_.find(Id(root, path));
  if (it == keys_.end()) return nullptr;
  for (const auto& v : it->second.values)
    if (text::EqualsNoCase(v.name, name)) return &v.value;
  return nullptr;
}

bool FakeRegistry::HasKey(const std::string& path, RegRoot root) const {
  return keys_.count(Id(root, path)) != 0;
}

std::vector<std::string> FakeRegistry::KeysUnder(const std::string& prefix, RegRoot root) const {
  std::vector<std::string> out;
  const std::string id = Id(root, prefix);
  for (const auto& [k, key] : keys_)
    if (k == id || (k.size() > id.size() && k.compare(0, id.size(), id) == 0 &&
                    (prefix.empty() || k[id.size()] == '\\')))
      out.push_back(key.path);
  return out;
}

std::vector<std::string> FakeRegistry::ValueNames(const std::string& path, RegRoot root) const {
  std::vector<std::string> names;
  auto it = keys_.find(Id(root, path));
  if (it != keys_.end())
    for (const auto& v : it->second.values) names.push_back(v.name);
  return names;
}

}  // namespace fakes
