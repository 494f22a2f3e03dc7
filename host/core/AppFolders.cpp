#include "host/core/AppFolders.h"

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace zarvo {

namespace {

#ifdef ZARVO_DEV_RESOURCE_ROOT
constexpr const char* kDevResourceRoot = ZARVO_DEV_RESOURCE_ROOT;
#else
constexpr const char* kDevResourceRoot = "";
#endif
#ifdef ZARVO_INSTALLED_RESOURCE_ROOT
constexpr const char* kInstalledResourceRoot = ZARVO_INSTALLED_RESOURCE_ROOT;
#else
constexpr const char* kInstalledResourceRoot = "";
#endif
constexpr const char* kModulesFolderName = "modules";
constexpr const char* kResourcesFolderName = "resources";
// Where an installed program finds the resources relative to its own folder (prefix/bin).
constexpr const char* kSharedResourcesBelowPrefix = "../share/zarvo_widgets/resources";

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

// `below` is "" for the resource folder itself and "modules" for the modules folder in it.
std::filesystem::path Below(const char* root, const char* below) {
  if (!*root) return {};
  return *below ? std::filesystem::path(root) / below : std::filesystem::path(root);
}

// Set folder, then environment, then next to the executable, then the installed layout around
// it, then the source tree, then the prefix the library was configured to be installed in.
std::filesystem::path ChooseFolder(const std::filesystem::path& fixed, const char* environmentName,
                                   const char* besideExecutable, const char* below) {
  if (!fixed.empty()) return fixed;
  if (const char* value = std::getenv(environmentName); value && *value) return Absolute(value);
  const std::filesystem::path development = Below(kDevResourceRoot, below);
  std::vector<std::filesystem::path> candidates;
  if (const std::filesystem::path& executableDir = AppFolders::GetExecutableDir(); !executableDir.empty()) {
    candidates.push_back(executableDir / besideExecutable);
    candidates.push_back(Absolute(Below((executableDir / kSharedResourcesBelowPrefix).c_str(), below)));
  }
  candidates.push_back(development);
  candidates.push_back(Below(kInstalledResourceRoot, below));
  for (const std::filesystem::path& candidate : candidates) {
    if (IsDirectory(candidate)) return candidate;
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
  return ChooseFolder(modulesFolder_, kModulesDirEnvironment, kModulesFolderName, kModulesFolderName);
}

std::filesystem::path AppFolders::GetResourceDir() const {
  return ChooseFolder(resourceDir_, kResourceDirEnvironment, kResourcesFolderName, "");
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
