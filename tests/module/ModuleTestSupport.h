#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/AppFolders.h"
#include "host/core/ClassRegistry.h"
#include "host/core/ModuleLoader.h"
#include "source/ModuleUnits.h"

namespace zarvo::test {

// A folder of its own below the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zarvo-module-XXXXXX").string();
    const char* made = mkdtemp(pattern.data());
    EXPECT_NE(made, nullptr) << "cannot create a temporary folder";
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes a file below the folder, creating the folders on the way.
  std::filesystem::path Write(const std::filesystem::path& relative, std::string_view text = {}) const {
    const std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << text;
    return file;
  }

 private:
  std::filesystem::path path_;
};

// Points the application's modules folder elsewhere for one scope.
class ModulesFolderOverride {
 public:
  explicit ModulesFolderOverride(std::filesystem::path folder)
      : previous_(AppFolders::Get().SetModulesFolder(std::move(folder))) {}
  ~ModulesFolderOverride() { AppFolders::Get().SetModulesFolder(previous_); }
  ModulesFolderOverride(const ModulesFolderOverride&) = delete;
  ModulesFolderOverride& operator=(const ModulesFolderOverride&) = delete;

 private:
  std::filesystem::path previous_;
};

// The records the widget module made, in creation order (the module is the newest loaded).
inline std::vector<const RegistryRecord*> WidgetsModuleRecords() {
  std::vector<const RegistryRecord*> records;
  Result<size_t> mark = ModuleLoader::Get().GetMark(kWidgetsModuleId);
  if (!mark) return records;
  const auto& all = ClassRegistry::Get().GetRecords();
  for (size_t i = *mark; i < all.size(); ++i) records.push_back(&all[i]);
  return records;
}

// The records of one kind (and, when given, of one owning unit) among the module's records.
inline std::vector<const RegistryRecord*> WidgetsModuleRecords(RecordKind kind, std::string_view owner = {}) {
  std::vector<const RegistryRecord*> matching;
  for (const RegistryRecord* record : WidgetsModuleRecords()) {
    if (record->kind == kind && (owner.empty() || record->owner.GetString() == owner)) matching.push_back(record);
  }
  return matching;
}

}  // namespace zarvo::test
