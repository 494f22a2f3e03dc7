#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/core/Id.h"
#include "host/core/Result.h"

namespace zarvo {

// The language every lookup falls back to.
inline constexpr std::string_view kDefaultLanguage = "en";

// Language-dependent texts by identifier, loaded from the string files of the host and the
// modules.
//
// File format (UTF-8, an optional byte order mark is skipped):
//
//   # comment
//   [en]
//   net.zarvo.mvp.desktop2d.widgets.globalstrings.ok = OK
//   some.id = first line\nsecond line
//
// A "[language]" line sets the language of the lines below it ("en" until the first one).
// Around the id and the text, spaces are trimmed; inside the text "\n", "\t" and "\\" stand
// for a line break, a tab and a backslash. Blank lines and lines starting with '#' are
// skipped. An id given twice for one language in one file is an error; across files the one
// loaded last wins, until it is unloaded.
//
// A lookup tries the current language, then its base language ("de" for "de-AT"), then "en".
// Main thread only.
class StringResources {
 public:
  static StringResources& Get();

  // A language tag: letters, digits, '-' and '_'.
  [[nodiscard]] Result<void> SetLanguage(std::string_view language);
  const std::string& GetLanguage() const noexcept { return language_; }

  // Reads a string file. A missing file or a malformed line is an error naming the file (and
  // the line), and then nothing of the file is taken. Loading a file again replaces what it
  // added before.
  [[nodiscard]] Result<void> LoadFile(const std::filesystem::path& file);
  // Withdraws everything the file added; false when it was not loaded.
  bool UnloadFile(const std::filesystem::path& file);
  bool IsLoaded(const std::filesystem::path& file) const;
  // Unloads every file and returns to "en".
  void Clear();

  // The text in the current language (with the fallbacks above), or the NotFound error
  // "String resource not found: '<id>'".
  [[nodiscard]] Result<std::string> GetString(const Id& id) const;
  bool HasString(const Id& id) const;

 private:
  using Texts = std::unordered_map<Id, std::string, IdHasher>;
  struct LoadedFile {
    std::filesystem::path path;
    std::unordered_map<std::string, Texts> languages;
  };

  StringResources() = default;
  const std::string* Find(const Id& id) const;
  const std::string* FindIn(const std::string& language, const Id& id) const;

  std::vector<LoadedFile> files_;  // in load order; lookups go newest first
  std::string language_{kDefaultLanguage};
};

}  // namespace zarvo
