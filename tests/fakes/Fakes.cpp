#include "fakes/Fakes.h"

#include <cstdlib>
#include <cstring>

#include "text/Text.h"

namespace fakes {

// MinGW's C library has no aligned_alloc.
static void* AllocBlock() {
#ifdef _WIN32
  return _aligned_malloc(platform::kBlockSize, 4096);
#else
  return std::aligned_alloc(4096, platform::kBlockSize);
#endif
}

static void FreeBlock(void* p) {
#ifdef _WIN32
  _aligned_free(p);
#else
  std::free(p);
#endif
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FAKES_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define FAKES_ASAN 1
#endif
#ifdef FAKES_ASAN
extern "C" void __asan_poison_memory_region(void const volatile*, size_t);
extern "C" void __asan_unpoison_memory_region(void const volatile*, size_t);
#endif

// A kept block stays poisoned under ASan, so a write after release is still caught.
static void Poison(void* p, bool poisoned) {
#ifdef FAKES_ASAN
  if (poisoned) __asan_poison_memory_region(p, platform::kBlockSize);
  else __asan_unpoison_memory_region(p, platform::kBlockSize);
#else
  (void)p, (void)poisoned;
#endif
}

platform::MemoryFigures FakeMemory::Query() {
  ++queries;
  if (!availSequence.empty()) {
    figures.availPhys = availSequence.front();
    if (availSequence.size() > 1) availSequence.erase(availSequence.begin());
  }
  return figures;
}

void FakeMemory::SetMb(uint64_t totalMb, uint64_t freeMb) {
  figures.totalPhys = totalMb << 20;
  figures.availPhys = freeMb << 20;
}

FakeBlocks::~FakeBlocks() {
  for (void* p : held) FreeBlock(p);
  for (void* p : spare_) {
    Poison(p, false);
    FreeBlock(p);
  }
}

void* FakeBlocks::Commit() noexcept {
  if (static_cast<int>(held.size()) >= limit) {
    ++failures;
    return nullptr;
  }
  void* p = nullptr;
  if (!spare_.empty()) {
    p = spare_.back();
    spare_.pop_back();
    Poison(p, false);
  } else {
    p = AllocBlock();
  }
  if (!p) return nullptr;
  std::memset(p, 0xA5, platform::kBlockSize);  // fresh memory is not assumed zero here
  ++commits;
  held.insert(p);
  return p;
}

void FakeBlocks::Release(void* block) noexcept {
  if (held.erase(block) == 0) {
    badRelease = true;
    return;
  }
  ++releases;
  if (spare_.size() < kSpareBlocks) {
    Poison(block, true);
    spare_.push_back(block);
  } else {
    FreeBlock(block);
  }
}

bool FakeBlocks::HeldBlocksAreZero() const {
  for (void* p : held) {
    const unsigned char* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < platform::kBlockSize; ++i)
      if (b[i] != 0) return false;
  }
  return true;
}

bool FakeLauncher::RunAndWait(const std::string& commandLine, const std::string& workDir) {
  calls.push_back({commandLine, workDir});
  if (succeed && whileRunning) whileRunning();
  return succeed;
}

static const std::string* Lookup(const FakeProfile& p, const std::string& file,
                                 const std::string& section, const std::string& key) {
  for (const auto& [f, sections] : p.files) {
    if (!text::EqualsNoCase(f, file)) continue;
    for (const auto& [s, keys] : sections) {
      if (!text::EqualsNoCase(s, section)) continue;
      for (const auto& [k, v] : keys)
        if (text::EqualsNoCase(k, key)) return &v;
    }
  }
  return nullptr;
}

std::string FakeProfile::ReadString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& def,
                                    size_t maxChars) {
  const std::string* v = Lookup(*this, file, section, key);
  return (v ? *v : def).substr(0, maxChars);
}

const std::string* FakeProfile::Find(const std::string& file, const std::string& section,
                                     const std::string& key) const {
  return Lookup(*this, file, section, key);
}

// Existing names keep their spelling, as the system keeps them in the file.
template <class Map>
static typename Map::mapped_type& Entry(Map& map, const std::string& name) {
  for (auto& [existing, value] : map)
    if (text::EqualsNoCase(existing, name)) return value;
  return map[name];
}

bool FakeProfile::WriteString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& value) {
  writes.push_back(section + "/" + key + "=" + value);
  if (refuseWrites) return false;
  Entry(Entry(Entry(files, file), section), key) = value;
  return true;
}

bool FakeProfile::DeleteKey(const std::string& file, const std::string& section, const std::string& key) {
  writes.push_back(section + "/" + key + "-");
  if (refuseWrites) return false;
  auto& keys = Entry(Entry(files, file), section);
  for (auto it = keys.begin(); it != keys.end(); ++it)
    if (text::EqualsNoCase(it->first, key)) {
      keys.erase(it);
      break;
    }
  return true;
}

int FakeProfile::ReadInt(const std::string& file, const std::string& section,
                         const std::string& key, int def) {
  const std::string* v = Lookup(*this, file, section, key);
  if (!v) return def;
  // The system reads leading decimal digits and stops at the first other
  // character; a number too long for 32 bits wraps around, as there.
  const char* s = v->c_str();
  bool neg = *s == '-';
  if (neg) ++s;
  uint32_t n = 0;
  while (*s >= '0' && *s <= '9') n = n * 10 + static_cast<uint32_t>(*s++ - '0');
  return static_cast<int>(neg ? 0u - n : n);
}

}  // namespace fakes
