#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/core/StringResources.h"

namespace zarvo {
namespace {

const Id kOk("net.zarvo.mvp.desktop2d.widgets.globalstrings.ok");
const Id kCancel("net.zarvo.mvp.desktop2d.widgets.globalstrings.cancel");
const Id kYes("net.zarvo.mvp.desktop2d.widgets.globalstrings.yes");

class StringResourcesTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "zarvo-strings-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    strings_.Clear();
  }
  void TearDown() override {
    strings_.Clear();
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
  }

  std::filesystem::path Write(const std::string& name, const std::string& content) {
    const std::filesystem::path file = folder_ / name;
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }

  StringResources& strings_ = StringResources::Get();
  std::filesystem::path folder_;
};

TEST_F(StringResourcesTest, LooksUpTheCurrentLanguageAndFallsBackToEnglish) {
  const auto file = Write("global.strings",
                          "# standard answers\n"
                          "[en]\n"
                          "net.zarvo.mvp.desktop2d.widgets.globalstrings.ok = OK\n"
                          "net.zarvo.mvp.desktop2d.widgets.globalstrings.cancel = Cancel\n"
                          "\n"
                          "[de]\n"
                          "net.zarvo.mvp.desktop2d.widgets.globalstrings.cancel = Abbrechen\n");
  ASSERT_TRUE(strings_.LoadFile(file).IsOk());
  EXPECT_EQ(strings_.GetLanguage(), "en");
  EXPECT_EQ(*strings_.GetString(kCancel), "Cancel");

  ASSERT_TRUE(strings_.SetLanguage("de").IsOk());
  EXPECT_EQ(*strings_.GetString(kCancel), "Abbrechen");
  EXPECT_EQ(*strings_.GetString(kOk), "OK");  // no German text: English

  ASSERT_TRUE(strings_.SetLanguage("de-AT").IsOk());
  EXPECT_EQ(*strings_.GetString(kCancel), "Abbrechen");  // the base language
}

TEST_F(StringResourcesTest, MissingIdIsANotFoundError) {
  Result<std::string> missing = strings_.GetString(kYes);
  ASSERT_FALSE(missing.IsOk());
  EXPECT_EQ(missing.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(missing.GetError().GetMessage(),
            "String resource not found: 'net.zarvo.mvp.desktop2d.widgets.globalstrings.yes'");
  EXPECT_FALSE(strings_.HasString(kYes));
}

TEST_F(StringResourcesTest, ReadsEscapesSpacesCommentsAndLineEndings) {
  const auto file = Write("format.strings",
                          "\xEF\xBB\xBF"
                          "first.line=Two\\nlines\r\n"
                          "   # an indented comment\r\n"
                          "tabbed  =  \tA\\tB\\\\C  \n"
                          "equation = a = b\n"
                          "unicode = Schlie\xC3\x9F" "en\n"
                          "empty =\n"
                          "last = no newline at the end");
  ASSERT_TRUE(strings_.LoadFile(file).IsOk());
  EXPECT_EQ(*strings_.GetString(Id("first.line")), "Two\nlines");
  EXPECT_EQ(*strings_.GetString(Id("tabbed")), "A\tB\\C");
  EXPECT_EQ(*strings_.GetString(Id("equation")), "a = b");
  EXPECT_EQ(*strings_.GetString(Id("unicode")), "Schlie\xC3\x9F" "en");
  EXPECT_EQ(*strings_.GetString(Id("empty")), "");
  EXPECT_EQ(*strings_.GetString(Id("last")), "no newline at the end");
}

TEST_F(StringResourcesTest, MissingFileIsAnErrorNamingIt) {
  const auto file = folder_ / "absent.strings";
  Result<void> result = strings_.LoadFile(file);
  ASSERT_FALSE(result.IsOk());
  EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(result.GetError().GetMessage(), "String resource file not found: '" + file.string() + "'");
}

TEST_F(StringResourcesTest, MalformedLinesAreErrorsNamingFileAndLine) {
  struct Case {
    const char* content;
    const char* expected;
  };
  const Case cases[] = {
      {"good = yes\n\nthis line has no equals sign\n", ":3: expected 'id = text', found 'this line has no equals sign'"},
      {"= no id\n", ":1: expected 'id = text', found '= no id'"},
      {"two words = text\n", ":1: expected 'id = text', found 'two words = text'"},
      {"[en\n", ":1: malformed language header '[en'"},
      {"[]\n", ":1: malformed language header '[]'"},
      {"a = b\\q\n", ":1: unknown escape '\\q'"},
      {"a = b\\\n", ":1: backslash at the end of the text"},
      {"a = \xC3\n", ":1: invalid UTF-8"},
      {"[de]\na = 1\n[en]\na = 2\n[de]\na = 3\n", ":6: duplicate id 'a' for language 'de'"},
  };
  for (const Case& c : cases) {
    const auto file = Write("bad.strings", c.content);
    Result<void> result = strings_.LoadFile(file);
    ASSERT_FALSE(result.IsOk()) << c.content;
    EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kIllegalArgument);
    EXPECT_EQ(result.GetError().GetMessage(), file.string() + c.expected) << c.content;
    // Nothing of a bad file is taken, not even its good lines.
    EXPECT_FALSE(strings_.IsLoaded(file));
    EXPECT_FALSE(strings_.HasString(Id("good")));
  }
}

TEST_F(StringResourcesTest, LaterFilesWinUntilTheyAreUnloaded) {
  const auto base = Write("base.strings", "net.zarvo.mvp.desktop2d.widgets.globalstrings.ok = OK\n");
  const auto patch = Write("patch.strings", "net.zarvo.mvp.desktop2d.widgets.globalstrings.ok = Okay\n");
  ASSERT_TRUE(strings_.LoadFile(base).IsOk());
  ASSERT_TRUE(strings_.LoadFile(patch).IsOk());
  EXPECT_EQ(*strings_.GetString(kOk), "Okay");
  EXPECT_TRUE(strings_.UnloadFile(folder_ / "." / "patch.strings"));  // the same file
  EXPECT_EQ(*strings_.GetString(kOk), "OK");
  EXPECT_FALSE(strings_.UnloadFile(patch));
  EXPECT_TRUE(strings_.UnloadFile(base));
  EXPECT_FALSE(strings_.HasString(kOk));
}

TEST_F(StringResourcesTest, ReloadingAFileReplacesWhatItAdded) {
  const auto file = Write("module.strings", "old.id = old\nshared = first\n");
  ASSERT_TRUE(strings_.LoadFile(file).IsOk());
  Write("module.strings", "shared = second\n");
  ASSERT_TRUE(strings_.LoadFile(file).IsOk());
  EXPECT_FALSE(strings_.HasString(Id("old.id")));
  EXPECT_EQ(*strings_.GetString(Id("shared")), "second");
}

TEST_F(StringResourcesTest, FailedReloadKeepsThePreviousTexts) {
  const auto file = Write("module.strings", "shared = first\n");
  ASSERT_TRUE(strings_.LoadFile(file).IsOk());
  Write("module.strings", "shared second\n");
  EXPECT_FALSE(strings_.LoadFile(file).IsOk());
  EXPECT_EQ(*strings_.GetString(Id("shared")), "first");
}

TEST_F(StringResourcesTest, LanguageMustBeATag) {
  ASSERT_TRUE(strings_.SetLanguage("fr").IsOk());
  Result<void> empty = strings_.SetLanguage("");
  ASSERT_FALSE(empty.IsOk());
  EXPECT_EQ(empty.GetError().GetMessage(), "Invalid language tag: ''");
  EXPECT_FALSE(strings_.SetLanguage("en US").IsOk());
  EXPECT_EQ(strings_.GetLanguage(), "fr");
}

}  // namespace
}  // namespace zarvo
