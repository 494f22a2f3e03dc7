#pragma once
#include <filesystem>
#include <string_view>

#include "host/core/Result.h"

namespace zarvo {

// Environment variables that point the application at its folders.
inline constexpr const char* kModulesDirEnvironment = "ZARVO_MODULES_DIR";
inline constexpr const char* kResourceDirEnvironment = "RESOURCE_DIR";

// Where the application finds its installed modules and its resources.
//
// The modules folder is, first match wins: the folder set with SetModulesFolder; the
// environment variable ZARVO_MODULES_DIR; the first directory of: "modules" next to the running
// executable, "../share/zarvo_widgets/resources/modules" from it (an installed program), the
// source tree's resources (a development build run from its build directory), the resources
// below the prefix the library was configured to install into. The resource directory is
// chosen the same way from SetResourceDir, RESOURCE_DIR and the same places less "modules".
// The environment is read on every call, so a test may change it. Main thread only.
class AppFolders {
 public:
  static AppFolders& Get();

  std::filesystem::path GetModulesFolder() const;
  std::filesystem::path GetResourceDir() const;
  // The modules folder when it is a directory, else a NotFound error naming it.
  [[nodiscard]] Result<std::filesystem::path> CheckModulesFolder() const;
  // modules/<folderName> ("mvp_desktop2d_widgets.module") when it is a directory, else a
  // NotFound error naming the path. The name is one path element.
  [[nodiscard]] Result<std::filesystem::path> GetModuleFolder(std::string_view folderName) const;

  // Fixes a folder (tests point it at a temporary one); an empty path returns to the choice
  // described above. Returns the previous setting, so that a caller can restore it.
  std::filesystem::path SetModulesFolder(std::filesystem::path folder);
  std::filesystem::path SetResourceDir(std::filesystem::path folder);

  // The folder of the running executable (empty when the system does not say).
  static const std::filesystem::path& GetExecutableDir();

 private:
  AppFolders() = default;

  std::filesystem::path modulesFolder_;
  std::filesystem::path resourceDir_;
};

}  // namespace zarvo
