// TElIniFile: the settings store, a hierarchical key/value store in the
// current user's registry below a fixed root key. It keeps one current key,
// told as a path below the root that begins with "\" ("\" alone is the root).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "ui/Controls.h"

namespace settings {

// What ReadString makes of a stored value, or nothing when it is unusable
// (the reading rules of the store; exposed for tests).
std::optional<std::string> ValueAsString(const platform::RegValue& v);
// A REG_DWORD of exactly 4 bytes, or nothing.
std::optional<int32_t> ValueAsInteger(const platform::RegValue& v);

class TElIniFile : public ui::NonVisual {
 public:
  static constexpr const char* kPath = "\\SOFTWARE\\Corvantis\\Brantelle\\Options";

  // Registry mode is on: the root key is created or opened at once.
  TElIniFile(ui::Window* owner, std::string name, platform::Registry& registry,
             std::string path = kPath);

  // The store's root below HKEY_CURRENT_USER, with a leading "\".
  const std::string& Path() const { return path_; }
  // The current key, below the root, with a leading "\".
  const std::string& CurrentKey() const { return current_; }

  // Makes the key current. A path that does not begin with "\" is relative
  // to the current key; a trailing "\" is removed. The path equal to the
  // current one (without regard to case) does nothing and succeeds. On
  // failure the store stays on its previous key and the result is false.
  // A key once opened stays open until Reconnect, and opening it again costs
  // nothing.
  bool OpenKey(const std::string& path, bool create);
  // Lets go of every open key: each is opened (or created) anew when next
  // used. Another program may have deleted or recreated them meanwhile, and
  // a handle to a deleted key reads nothing; every save or restore of the
  // window begins here, so that it sees what the registry holds now.
  void Reconnect();

  bool WriteInteger(const std::string& name, int32_t value);
  bool WriteBool(const std::string& name, bool value);
  bool WriteString(const std::string& name, const std::string& text);

  // Each sets value to what is stored, or to def when the value is missing or
  // unusable, and tells whether a usable value was found.
  bool ReadInteger(const std::string& name, int32_t def, int32_t& value);
  bool ReadBool(const std::string& name, bool def, bool& value);
  bool ReadString(const std::string& name, const std::string& def, std::string& value);

  // While values are held, each is read from the registry once and a write
  // of what is stored already is left out: start-up restores the window three
  // times and saves it once within a fraction of a second. Letting go
  // forgets them, so that later reads see changes made meanwhile by others.
  void HoldValues(bool on);
  // Holds values for the life of the object.
  struct Hold {
    explicit Hold(TElIniFile& s) : store(s) { store.HoldValues(true); }
    ~Hold() { store.HoldValues(false); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    TElIniFile& store;
  };

 private:
  struct OpenedKey {
    std::string path;  // as the store tells it
    std::unique_ptr<platform::RegistryKey> key;
  };
  std::optional<platform::RegValue> Read(const std::string& name);
  platform::RegistryKey* Opened(const std::string& path) const;
  // Opens the current key anew: the one kept open may have been deleted
  // meanwhile, or let go by Reconnect.
  bool Reopen();
  bool Write(const std::string& name, platform::RegValue v);
  bool Put(const std::string& name, const platform::RegValue& v);
  std::string HeldId(const std::string& name) const;

  platform::Registry& registry_;
  std::string path_;
  std::string current_ = "\\";
  bool currentCreated_ = true;  // how the current key was asked for
  // One save or restore of the window's properties goes back and forth
  // between some fifty keys hundreds of times; each open and close would be a
  // round trip to the registry's server.
  std::vector<OpenedKey> opened_;
  platform::RegistryKey* key_ = nullptr;
  bool holding_ = false;
  std::map<std::string, std::optional<platform::RegValue>> held_;  // by upper-case path and name
};

}  // namespace settings
