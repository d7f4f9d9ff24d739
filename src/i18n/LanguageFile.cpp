#include "i18n/LanguageFile.h"

#include "platform/Files.h"
#include "platform/Shell.h"

namespace i18n {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::optional<LanguageTable>& Slot() {
  static std::optional<LanguageTable> current;
  return current;
}

}  // namespace

std::string LanguageFilePath(const std::string& programFolder, const std::string& relativeName) {
  std::string joined = programFolder;
  while (!joined.empty() && IsSeparator(joined.back())) joined.pop_back();
  joined += '\\';
  joined += relativeName;

  std::string path;
  path.reserve(joined.size());
  // A network folder starts with two separators, which must stay two.
  const bool unc = joined.size() >= 2 && IsSeparator(joined[0]) && IsSeparator(joined[1]);
  if (unc) path = "\\\\";
  for (size_t i = unc ? 2 : 0; i < joined.size(); ++i) {
    const char c = IsSeparator(joined[i]) ? '\\' : joined[i];
    if (c == '\\' && !path.empty() && path.back() == '\\' && path.size() > (unc ? 2u : 0u)) continue;
    path += c;
  }
  return path;
}

text::Result<std::optional<LanguageTable>> LoadLanguageFile(const std::string& relativeName,
                                                            platform::Environment& environment,
                                                            platform::Files& files) {
  const std::string path = LanguageFilePath(environment.ProgramFolder(), relativeName);
  std::string bytes;
  switch (files.ReadAll(path, kMaxLanguageFileBytes, bytes)) {
    case platform::ReadResult::Ok:
      return std::optional<LanguageTable>(LanguageTable::Parse(bytes));
    case platform::ReadResult::Missing:
      return std::optional<LanguageTable>();
    case platform::ReadResult::Unreadable:
    case platform::ReadResult::TooLarge:
      break;
  }
  return text::Error("Cannot open file " + path);
}

const LanguageTable* CurrentLanguage() {
  const auto& slot = Slot();
  return slot ? &*slot : nullptr;
}

void SetCurrentLanguage(std::optional<LanguageTable> table) { Slot() = std::move(table); }

text::Result<bool> OpenLanguageFile(const std::string& relativeName, platform::Environment& environment,
                                    platform::Files& files) {
  text::Result<std::optional<LanguageTable>> table = LoadLanguageFile(relativeName, environment, files);
  RETURN_IF_FAILED(table);
  const bool loaded = table->has_value();
  SetCurrentLanguage(std::move(*table));
  return loaded;
}

}  // namespace i18n
