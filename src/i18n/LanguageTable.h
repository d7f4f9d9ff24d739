// The in-memory contents of a language file: sections of key = value entries,
// names matched without regard to letter case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <map>

namespace i18n {

class LanguageTable {
 public:
  // Reads 8-bit INI text: lines end at CR LF, LF or CR and are trimmed of
  // blanks and control characters; ";" starts a comment line; lines before
  // the first section are ignored. A repeated section replaces the earlier
  // one, and within a section the last occurrence of a key counts.
  static LanguageTable Parse(std::string_view text);

  // The value of the key, or nothing when the section or the key is absent.
  const std::string* Find(std::string_view section, std::string_view key) const;
  std::string Read(std::string_view section, std::string_view key, std::string_view def) const;

  size_t SectionCount() const { return sections_.size(); }
  // The entries of a section, 0 when there is none.
  size_t EntryCount(std::string_view section) const;

 private:
  using Entries = std::map<std::string, std::string, std::less<>>;
  const Entries* FindSection(std::string_view section) const;
  // Sections and keys are stored in upper case.
  std::map<std::string, Entries, std::less<>> sections_;
};

}  // namespace i18n
