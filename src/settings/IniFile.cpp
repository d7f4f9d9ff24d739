#include "settings/IniFile.h"

#include <cstring>

#include "text/Text.h"

namespace settings {

namespace {

// The registry path of a store path ("\" or "\A\B") below root ("\X\Y").
std::string RegistryPath(const std::string& root, const std::string& storePath) {
  std::string p = root.size() > 1 ? root.substr(1) : std::string();
  if (storePath.size() > 1) p += (p.empty() ? storePath.substr(1) : storePath);
  return p;
}

uint32_t LittleEndian32(const std::vector<uint8_t>& d) {
  return uint32_t(d[0]) | uint32_t(d[1]) << 8 | uint32_t(d[2]) << 16 | uint32_t(d[3]) << 24;
}

// The text of a string value: up to the first NUL, or all of it without one.
std::string UpToNul(const uint8_t* data, size_t size) {
  size_t n = 0;
  while (n < size && data[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(data), n);
}

void AppendHex(std::string& out, uint64_t v, int minDigits) {
  static const char kDigits[] = "0123456789ABCDEF";
  char buf[17];
  int n = 0;
  do {
    buf[n++] = kDigits[v & 15];
    v >>= 4;
  } while (v || n < minDigits);
  while (n) out += buf[--n];
}

}  // namespace

std::optional<int32_t> ValueAsInteger(const platform::RegValue& v) {
  if (v.type != platform::reg::kDword || v.data.size() != 4) return std::nullopt;
  return static_cast<int32_t>(LittleEndian32(v.data));
}

std::optional<std::string> ValueAsString(const platform::RegValue& v) {
  switch (v.type) {
    case platform::reg::kSz:
    case platform::reg::kExpandSz:
      return UpToNul(v.data.data(), v.data.size());
    case platform::reg::kDword:
      if (auto n = ValueAsInteger(v)) return text::FromInt(*n);
      return std::nullopt;
    case platform::reg::kMultiSz: {
      // Strings each ended by a NUL, the list ended by an empty one.
      std::string out;
      size_t pos = 0;
      bool first = true;
      while (pos < v.data.size()) {
        std::string s = UpToNul(v.data.data() + pos, v.data.size() - pos);
        if (s.empty()) break;
        pos += s.size() + 1;
        if (!first) out += "\r\n";
        out += s;
        first = false;
      }
      return out;
    }
    case platform::reg::kBinary: {
      std::string out = "454C ";
      out.reserve(8 + 3 * v.data.size() + 16);
      AppendHex(out, v.data.size(), 1);
      out += ' ';
      for (uint8_t b : v.data) {
        AppendHex(out, b, 2);
        out += ' ';
      }
      return out;
    }
    default:
      return std::nullopt;
  }
}

TElIniFile::TElIniFile(ui::Window* owner, std::string name, platform::Registry& registry,
                       std::string path)
    : ui::NonVisual(owner, std::move(name)), registry_(registry), path_(std::move(path)) {
  if (auto key = registry_.Open(platform::RegRoot::CurrentUser, RegistryPath(path_, "\\"),
                                platform::RegOpen::Create)) {
    key_ = key.get();
    opened_.push_back({current_, std::move(key)});
  }
}

platform::RegistryKey* TElIniFile::Opened(const std::string& path) const {
  for (const auto& o : opened_)
    if (text::EqualsNoCase(o.path, path)) return o.key.get();
  return nullptr;
}

bool TElIniFile::OpenKey(const std::string& path, bool create) {
  if (key_ && text::EqualsNoCase(path, current_)) return true;
  std::string p = path;
  if (p.empty() || p[0] != '\\') p = current_ + (current_.back() == '\\' ? "" : "\\") + p;
  if (p.size() > 1 && p.back() == '\\') p.pop_back();  // the root keeps its "\"
  // An empty name inside the path names no key.
  if (p.find("\\\\") != std::string::npos) return false;
  platform::RegistryKey* key = Opened(p);
  if (!key) {
    auto made = registry_.Open(platform::RegRoot::CurrentUser, RegistryPath(path_, p),
                               create ? platform::RegOpen::Create : platform::RegOpen::ReadWrite);
    if (!made) return false;  // the previous key stays open and current
    key = made.get();
    opened_.push_back({p, std::move(made)});
  }
  key_ = key;
  current_ = p;
  currentCreated_ = create;
  return true;
}

bool TElIniFile::Reopen() {
  auto made = registry_.Open(platform::RegRoot::CurrentUser, RegistryPath(path_, current_),
                             currentCreated_ ? platform::RegOpen::Create : platform::RegOpen::ReadWrite);
  if (!made) return false;
  key_ = made.get();
  for (auto& o : opened_)
    if (text::EqualsNoCase(o.path, current_)) {
      o.key = std::move(made);
      return true;
    }
  opened_.push_back({current_, std::move(made)});
  return true;
}

void TElIniFile::Reconnect() {
  key_ = nullptr;
  opened_.clear();
}

void TElIniFile::HoldValues(bool on) {
  holding_ = on;
  if (!on) held_.clear();
}

std::string TElIniFile::HeldId(const std::string& name) const { return text::Upper(current_ + '\\' + name); }

// v is a REG_DWORD or the REG_SZ of a text with its NUL, as the key writes them.
bool TElIniFile::Put(const std::string& name, const platform::RegValue& v) {
  if (v.type == platform::reg::kDword) return key_->WriteDword(name, LittleEndian32(v.data));
  return key_->WriteString(name, reinterpret_cast<const char*>(v.data.data()));
}

bool TElIniFile::Write(const std::string& name, platform::RegValue v) {
  if (!key_ && !Reopen()) return false;
  const std::string id = holding_ ? HeldId(name) : std::string();
  if (holding_) {
    const auto it = held_.find(id);
    if (it != held_.end() && it->second && it->second->type == v.type && it->second->data == v.data) return true;
  }
  const bool written = Put(name, v) || (Reopen() && Put(name, v));
  if (holding_) {
    if (written) held_[id] = std::move(v);
    else held_.erase(id);  // whatever the registry holds now is read again
  }
  return written;
}

bool TElIniFile::WriteInteger(const std::string& name, int32_t value) {
  const auto u = static_cast<uint32_t>(value);
  return Write(name, {platform::reg::kDword, {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)}});
}

bool TElIniFile::WriteBool(const std::string& name, bool value) {
  return WriteInteger(name, value ? 1 : 0);
}

bool TElIniFile::WriteString(const std::string& name, const std::string& text) {
  const auto* s = reinterpret_cast<const uint8_t*>(text.c_str());
  return Write(name, {platform::reg::kSz, {s, s + std::strlen(text.c_str()) + 1}});  // up to the first NUL, and one
}

std::optional<platform::RegValue> TElIniFile::Read(const std::string& name) {
  if (!key_ && !Reopen()) return std::nullopt;
  if (!holding_) return key_->Read(name);
  const auto [it, added] = held_.try_emplace(HeldId(name));
  if (added) it->second = key_->Read(name);
  return it->second;
}

bool TElIniFile::ReadInteger(const std::string& name, int32_t def, int32_t& value) {
  const auto v = Read(name);
  const auto n = v ? ValueAsInteger(*v) : std::nullopt;
  value = n ? *n : def;
  return n.has_value();
}

bool TElIniFile::ReadBool(const std::string& name, bool def, bool& value) {
  int32_t n = 0;
  const bool found = ReadInteger(name, def ? 1 : 0, n);
  value = found ? n != 0 : def;
  return found;
}

bool TElIniFile::ReadString(const std::string& name, const std::string& def, std::string& value) {
  const auto v = Read(name);
  auto s = v ? ValueAsString(*v) : std::nullopt;
  if (!s) {
    value = def;
    return false;
  }
  value = std::move(*s);
  return true;
}

}  // namespace settings
