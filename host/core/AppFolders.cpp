#include "host/core/AppFolders.h"

#include <cstdlib>
#include <string>
#include <utility>

namespace zarvo {

namespace {

#ifdef ZARVO_DEV_RESOURCE_ROOT
constexpr const char* kDevResourceRoot = ZARVO_DEV_RESOURCE_ROOT;
#else
constexpr const char* kDevResourceRoot = "";
#endif
constexpr const char* kModulesFolderName = "modules";
constexpr const char* kResourcesFolderName = "resources";

bool IsDirectory(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(path, error);
}

std::filesystem::path Absolute(std::filesystem::path path) {
  if (path.empty()) return path;
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal();
}

// Set folder, then environment, then next to the executable, then the source tree.
std::filesystem::path ChooseFolder(const std::filesystem::path& fixed, const char* environmentName,
                                   const char* besideExecutable, const std::filesystem::path& development) {
  if (!fixed.empty()) return fixed;
  if (const char* value = std::getenv(environmentName); value && *value) return Absolute(value);
  const std::filesystem::path& executableDir = AppFolders::GetExecutableDir();
  if (!executableDir.empty()) {
    std::filesystem::path installed = executableDir / besideExecutable;
    if (IsDirectory(installed)) return installed;
  }
  return development;
}

}  // namespace

AppFolders& AppFolders::Get() {
  static AppFolders folders;
  return folders;
}

const std::filesystem::path& AppFolders::GetExecutableDir() {
  static const std::filesystem::path directory = [] {
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
  }();
  return directory;
}

std::filesystem::path AppFolders::GetModulesFolder() const {
  const std::filesystem::path development = *kDevResourceRoot
                                                ? std::filesystem::path(kDevResourceRoot) / kModulesFolderName
                                                : std::filesystem::path();
  return ChooseFolder(modulesFolder_, kModulesDirEnvironment, kModulesFolderName, development);
}

std::filesystem::path AppFolders::GetResourceDir() const {
  return ChooseFolder(resourceDir_, kResourceDirEnvironment, kResourcesFolderName,
                      std::filesystem::path(kDevResourceRoot));
}

Result<std::filesystem::path> AppFolders::CheckModulesFolder() const {
  std::filesystem::path folder = GetModulesFolder();
  if (!IsDirectory(folder)) {
    return NotFoundError("Modules folder not found: '" + folder.string() + "' (set " +
                         kModulesDirEnvironment + " to the folder of the installed modules)");
  }
  return folder;
}

Result<std::filesystem::path> AppFolders::GetModuleFolder(std::string_view folderName) const {
  const std::filesystem::path name(folderName);
  if (folderName.empty() || folderName == "." || folderName == ".." ||
      folderName.find_first_of("/\\") != std::string_view::npos) {
    return IllegalArgumentError("Invalid module folder name: '" + std::string(folderName) + "'");
  }
  std::filesystem::path folder = GetModulesFolder() / name;
  if (!IsDirectory(folder)) return NotFoundError("Module folder not found: '" + folder.string() + "'");
  return folder;
}

std::filesystem::path AppFolders::SetModulesFolder(std::filesystem::path folder) {
  return std::exchange(modulesFolder_, Absolute(std::move(folder)));
}

std::filesystem::path AppFolders::SetResourceDir(std::filesystem::path folder) {
  return std::exchange(resourceDir_, Absolute(std::move(folder)));
}

}  // namespace zarvo
