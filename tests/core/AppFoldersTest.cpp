#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "host/core/AppFolders.h"

namespace zarvo {
namespace {

// Sets or clears an environment variable for one test and restores what was there.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) previous_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnvironment() {
    if (previous_) {
      setenv(name_.c_str(), previous_->c_str(), 1);
    } else {
      unsetenv(name_.c_str());
    }
  }

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

class AppFoldersTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "zarvo-folders-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    std::filesystem::create_directories(root_ / "modules" / "mvp_desktop2d_widgets.module" / "icons");
    previousModules_ = folders_.SetModulesFolder({});
    previousResources_ = folders_.SetResourceDir({});
  }
  void TearDown() override {
    folders_.SetModulesFolder(previousModules_);
    folders_.SetResourceDir(previousResources_);
    std::error_code error;
    std::filesystem::remove_all(root_, error);
  }

  AppFolders& folders_ = AppFolders::Get();
  std::filesystem::path root_;
  std::filesystem::path previousModules_;
  std::filesystem::path previousResources_;
  ScopedEnvironment noModulesEnvironment_{kModulesDirEnvironment, nullptr};
  ScopedEnvironment noResourceEnvironment_{kResourceDirEnvironment, nullptr};
};

TEST_F(AppFoldersTest, SetFolderIsUsedForModules) {
  folders_.SetModulesFolder(root_ / "modules");
  EXPECT_EQ(folders_.GetModulesFolder(), root_ / "modules");
  Result<std::filesystem::path> checked = folders_.CheckModulesFolder();
  ASSERT_TRUE(checked.IsOk());
  Result<std::filesystem::path> module = folders_.GetModuleFolder("mvp_desktop2d_widgets.module");
  ASSERT_TRUE(module.IsOk()) << module.GetError().ToString();
  EXPECT_EQ(*module, root_ / "modules" / "mvp_desktop2d_widgets.module");
}

TEST_F(AppFoldersTest, MissingModuleFolderIsAnErrorNamingThePath) {
  folders_.SetModulesFolder(root_ / "modules");
  Result<std::filesystem::path> module = folders_.GetModuleFolder("other.module");
  ASSERT_FALSE(module.IsOk());
  EXPECT_EQ(module.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(module.GetError().GetMessage(),
            "Module folder not found: '" + (root_ / "modules" / "other.module").string() + "'");
}

TEST_F(AppFoldersTest, ModuleFolderNameIsOnePathElement) {
  folders_.SetModulesFolder(root_ / "modules");
  for (const char* name : {"", ".", "..", "mvp_desktop2d_widgets.module/icons", "../modules"}) {
    Result<std::filesystem::path> module = folders_.GetModuleFolder(name);
    ASSERT_FALSE(module.IsOk()) << name;
    EXPECT_EQ(module.GetError().GetKind(), ErrorKind::kIllegalArgument) << name;
  }
}

TEST_F(AppFoldersTest, MissingModulesFolderIsAClearError) {
  folders_.SetModulesFolder(root_ / "nowhere");
  Result<std::filesystem::path> checked = folders_.CheckModulesFolder();
  ASSERT_FALSE(checked.IsOk());
  EXPECT_EQ(checked.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_NE(checked.GetError().GetMessage().find("Modules folder not found: '" + (root_ / "nowhere").string() + "'"),
            std::string::npos);
  EXPECT_FALSE(folders_.GetModuleFolder("mvp_desktop2d_widgets.module").IsOk());
}

TEST_F(AppFoldersTest, EnvironmentChoosesTheFoldersUnlessOneIsSet) {
  ScopedEnvironment modules(kModulesDirEnvironment, (root_ / "modules").c_str());
  ScopedEnvironment resources(kResourceDirEnvironment, root_.c_str());
  EXPECT_EQ(folders_.GetModulesFolder(), root_ / "modules");
  EXPECT_EQ(folders_.GetResourceDir(), root_);
  folders_.SetResourceDir(root_ / "modules");
  EXPECT_EQ(folders_.GetResourceDir(), root_ / "modules");
}

TEST_F(AppFoldersTest, SettersReturnThePreviousSetting) {
  EXPECT_EQ(folders_.SetModulesFolder(root_), std::filesystem::path());
  EXPECT_EQ(folders_.SetModulesFolder({}), root_);
  EXPECT_EQ(folders_.SetResourceDir(root_), std::filesystem::path());
  EXPECT_EQ(folders_.GetResourceDir(), root_);
}

TEST_F(AppFoldersTest, WithoutSettingsTheSourceTreeResourcesServe) {
  const std::filesystem::path executableDir = AppFolders::GetExecutableDir();
  ASSERT_FALSE(executableDir.empty());
  EXPECT_TRUE(std::filesystem::is_directory(executableDir));
  if (std::filesystem::exists(executableDir / "modules") || std::filesystem::exists(executableDir / "resources")) {
    GTEST_SKIP() << "an installed layout next to the test program takes precedence";
  }
  EXPECT_EQ(folders_.GetModulesFolder(), std::filesystem::path(ZARVO_DEV_RESOURCE_ROOT) / "modules");
  EXPECT_EQ(folders_.GetResourceDir(), std::filesystem::path(ZARVO_DEV_RESOURCE_ROOT));
}

}  // namespace
}  // namespace zarvo
