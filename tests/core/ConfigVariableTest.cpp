#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "host/core/ConfigVariable.h"
#include "host/core/Log.h"

namespace zarvo {
namespace {

// argv as a program receives it: writable, ending in nullptr.
class Arguments {
 public:
  explicit Arguments(std::vector<std::string> texts) : texts_(std::move(texts)) {
    for (std::string& text : texts_) pointers_.push_back(text.data());
    pointers_.push_back(nullptr);
    argc_ = static_cast<int>(texts_.size());
  }
  int& Argc() { return argc_; }
  char** Argv() { return pointers_.data(); }
  std::vector<std::string> Remaining() const {
    return std::vector<std::string>(pointers_.begin(), pointers_.begin() + argc_);
  }

 private:
  std::vector<std::string> texts_;
  std::vector<char*> pointers_;
  int argc_ = 0;
};

// Sets an environment variable for one test.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) { setenv(name, value, 1); }
  ~ScopedEnvironment() { unsetenv(name_.c_str()); }

 private:
  std::string name_;
};

TEST(ConfigVariableTest, RegistersWhileItLives) {
  {
    ConfigBool flag("test_cfg_flag", "A flag for tests.", true);
    EXPECT_TRUE(flag.Get());
    EXPECT_TRUE(flag.IsDefault());
    EXPECT_EQ(flag.GetType(), ConfigType::kBool);
    EXPECT_EQ(flag.GetDescription(), "A flag for tests.");
    ConfigVariableBase* found = ConfigDatabase::Get().Find("test_cfg_flag");
    EXPECT_EQ(found, &flag);
    const auto& all = ConfigDatabase::Get().GetVariables();
    EXPECT_EQ(all.back(), &flag);
  }
  EXPECT_EQ(ConfigDatabase::Get().Find("test_cfg_flag"), nullptr);
}

TEST(ConfigVariableTest, CommandLineSetsKnownVariablesAndKeepsTheRest) {
  ConfigBool menu("test_cfg_menu", "", false);
  ConfigBool cells("test_cfg_cells", "", false);
  ConfigInt count("test_cfg_count", "", 1);
  ConfigFloat scale("test_cfg_scale", "", 1.0);
  ConfigString theme("test_cfg_theme", "", "light");
  Arguments arguments({"gallery", "--test_cfg_menu=true", "--gtest_filter=Foo.*", "-test_cfg_count=42",
                       "page.png", "--test_cfg_cells", "--test_cfg_scale=+2.5", "--test_cfg_theme=dark blue",
                       "--", "--test_cfg_count=7"});
  ASSERT_TRUE(ParseCommandLine(arguments.Argc(), arguments.Argv()).IsOk());
  EXPECT_TRUE(menu.Get());
  EXPECT_TRUE(cells.Get());
  EXPECT_EQ(count.Get(), 42);
  EXPECT_DOUBLE_EQ(scale.Get(), 2.5);
  EXPECT_EQ(theme.Get(), "dark blue");
  EXPECT_EQ(arguments.Remaining(),
            (std::vector<std::string>{"gallery", "--gtest_filter=Foo.*", "page.png", "--", "--test_cfg_count=7"}));
  EXPECT_EQ(arguments.Argv()[arguments.Argc()], nullptr);
}

TEST(ConfigVariableTest, BadCommandLineValueIsReportedAndKept) {
  ConfigBool menu("test_cfg_menu", "", false);
  ConfigInt count("test_cfg_count", "", 1);
  Arguments arguments({"gallery", "--test_cfg_menu=maybe", "--test_cfg_count=5", "--test_cfg_count"});
  Result<void> result = ParseCommandLine(arguments.Argc(), arguments.Argv());
  ASSERT_FALSE(result.IsOk());
  EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(result.GetError().GetMessage(), "Config variable 'test_cfg_menu' expects a Bool, not 'maybe'");
  EXPECT_FALSE(menu.Get());
  EXPECT_EQ(count.Get(), 5);  // valid settings still apply
  EXPECT_EQ(arguments.Remaining(),
            (std::vector<std::string>{"gallery", "--test_cfg_menu=maybe", "--test_cfg_count"}));
}

TEST(ConfigVariableTest, SwitchDefinedInTwoFilesIsSetAsOne) {
  ConfigBool inTable("test_cfg_cells", "Show the cell boundaries.", false);
  ConfigBool inTreeGraph("test_cfg_cells", "Show the cell boundaries.", false);
  Arguments arguments({"gallery", "--test_cfg_cells=yes"});
  ASSERT_TRUE(ParseCommandLine(arguments.Argc(), arguments.Argv()).IsOk());
  EXPECT_TRUE(inTable.Get());
  EXPECT_TRUE(inTreeGraph.Get());
  ConfigBool late("test_cfg_cells", "Show the cell boundaries.", false);
  EXPECT_TRUE(late.Get());
  ASSERT_TRUE(ConfigDatabase::Get().SetValue("test_cfg_cells", "off").IsOk());
  EXPECT_FALSE(inTable.Get() || inTreeGraph.Get() || late.Get());
}

TEST(ConfigVariableTest, ParsesEveryBoolSpelling) {
  ConfigBool flag("test_cfg_flag", "", false);
  for (const char* text : {"true", "1", "yes", "ON", "True"}) {
    ASSERT_TRUE(flag.SetFromText("false").IsOk());
    ASSERT_TRUE(flag.SetFromText(text).IsOk()) << text;
    EXPECT_TRUE(flag.Get()) << text;
  }
  for (const char* text : {"false", "0", "no", "Off"}) {
    ASSERT_TRUE(flag.SetFromText("true").IsOk());
    ASSERT_TRUE(flag.SetFromText(text).IsOk()) << text;
    EXPECT_FALSE(flag.Get()) << text;
  }
  EXPECT_FALSE(flag.SetFromText("").IsOk());
}

TEST(ConfigVariableTest, NumbersMustBeWhole) {
  ConfigInt count("test_cfg_count", "", 3);
  ConfigFloat scale("test_cfg_scale", "", 1.0);
  EXPECT_TRUE(count.SetFromText("-12").IsOk());
  EXPECT_EQ(count.Get(), -12);
  EXPECT_FALSE(count.SetFromText("12abc").IsOk());
  EXPECT_FALSE(count.SetFromText("1.5").IsOk());
  EXPECT_FALSE(count.SetFromText("99999999999999999999").IsOk());
  EXPECT_EQ(count.Get(), -12);  // a failed parse leaves the value
  EXPECT_TRUE(scale.SetFromText("0.25").IsOk());
  EXPECT_DOUBLE_EQ(scale.Get(), 0.25);
  EXPECT_FALSE(scale.SetFromText("nan").IsOk());
  EXPECT_FALSE(scale.SetFromText("").IsOk());
  EXPECT_EQ(scale.GetValueText(), "0.25");
  EXPECT_EQ(count.GetValueText(), "-12");
}

TEST(ConfigVariableTest, EnvironmentNameIsPrefixedAndUpperCased) {
  EXPECT_EQ(ConfigDatabase::GetEnvironmentName("g_mvp_show_cells"), "ZARVO_G_MVP_SHOW_CELLS");
  EXPECT_EQ(ConfigDatabase::GetEnvironmentName("g.mvp-menu"), "ZARVO_G_MVP_MENU");
}

TEST(ConfigVariableTest, EnvironmentSetsAVariableWhenItRegisters) {
  ScopedEnvironment environment("ZARVO_TEST_CFG_ENV", "on");
  ConfigBool flag("test_cfg_env", "", false);
  EXPECT_TRUE(flag.Get());
  EXPECT_FALSE(flag.IsDefault());
}

TEST(ConfigVariableTest, ApplyEnvironmentRereadsIt) {
  ConfigInt count("test_cfg_env", "", 1);
  ScopedEnvironment environment("ZARVO_TEST_CFG_ENV", "17");
  EXPECT_EQ(count.Get(), 1);
  ASSERT_TRUE(ConfigDatabase::Get().ApplyEnvironment().IsOk());
  EXPECT_EQ(count.Get(), 17);
}

TEST(ConfigVariableTest, BadEnvironmentValueKeepsTheDefaultAndWarns) {
  ScopedEnvironment environment("ZARVO_TEST_CFG_ENV", "lots");
  ScopedLogCapture capture;
  ConfigInt count("test_cfg_env", "", 4);
  EXPECT_EQ(count.Get(), 4);
  EXPECT_TRUE(capture.Contains(LogLevel::kWarning, "ZARVO_TEST_CFG_ENV"));
  EXPECT_FALSE(ConfigDatabase::Get().ApplyEnvironment().IsOk());
}

TEST(ConfigVariableTest, SetByNameAndResetToDefaults) {
  ConfigString theme("test_cfg_theme", "", "light");
  ASSERT_TRUE(ConfigDatabase::Get().SetValue("test_cfg_theme", "dark").IsOk());
  EXPECT_EQ(theme.Get(), "dark");
  EXPECT_EQ(theme.GetValueText(), "dark");
  Result<void> unknown = ConfigDatabase::Get().SetValue("test_cfg_nothing", "1");
  ASSERT_FALSE(unknown.IsOk());
  EXPECT_EQ(unknown.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(unknown.GetError().GetMessage(), "Config variable not found: 'test_cfg_nothing'");
  ConfigDatabase::Get().ResetAllToDefaults();
  EXPECT_EQ(theme.Get(), "light");
  EXPECT_TRUE(theme.IsDefault());
}

}  // namespace
}  // namespace zarvo
