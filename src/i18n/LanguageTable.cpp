#include "i18n/LanguageTable.h"

#include "text/Text.h"

namespace i18n {

namespace {

// The next line of text from pos on, without its line end; pos moves past it.
std::string_view NextLine(std::string_view text, size_t& pos) {
  const size_t start = pos;
  size_t end = start;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  pos = end;
  if (pos < text.size()) {
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
    ++pos;
  }
  return text.substr(start, end - start);
}

}  // namespace

LanguageTable LanguageTable::Parse(std::string_view text) {
  LanguageTable table;
  Entries* section = nullptr;
  size_t pos = 0;
  while (pos < text.size()) {
    const std::string_view line = text::Trim(NextLine(text, pos));
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      Entries& fresh = table.sections_[text::Upper(text::Trim(line.substr(1, line.size() - 2)))];
      fresh.clear();  // only the last section of a name counts
      section = &fresh;
      continue;
    }
    if (!section) continue;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    (*section)[text::Upper(text::Trim(line.substr(0, eq)))] = std::string(text::Trim(line.substr(eq + 1)));
  }
  return table;
}

const LanguageTable::Entries* LanguageTable::FindSection(std::string_view section) const {
  const auto it = sections_.find(text::Upper(section));
  return it == sections_.end() ? nullptr : &it->second;
}

const std::string* LanguageTable::Find(std::string_view section, std::string_view key) const {
  const Entries* entries = FindSection(section);
  if (!entries) return nullptr;
  const auto it = entries->find(text::Upper(key));
  return it == entries->end() ? nullptr : &it->second;
}

std::string LanguageTable::Read(std::string_view section, std::string_view key,
                                std::string_view def) const {
  const std::string* value = Find(section, key);
  return value ? *value : std::string(def);
}

size_t LanguageTable::EntryCount(std::string_view section) const {
  const Entries* entries = FindSection(section);
  return entries ? entries->size() : 0;
}

}  // namespace i18n
