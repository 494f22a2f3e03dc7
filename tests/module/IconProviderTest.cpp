#include "source/IconProvider.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/module/ModuleTestSupport.h"

namespace zarvo {
namespace {

namespace fs = std::filesystem;

constexpr char kSvg[] = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";

Ref<IconProvider> MakeProvider(const fs::path& modules) {
  Result<Ref<IconProvider>> provider = IconProvider::Create(modules);
  EXPECT_TRUE(provider.IsOk()) << provider.GetError().ToString();
  return provider.ValueOr(nullptr);
}

std::string UrlOf(IconProvider& provider, std::string_view name) {
  Result<Url> url = provider(name);
  EXPECT_TRUE(url.IsOk()) << url.GetError().ToString();
  return url.IsOk() ? url->text : "<error>";
}

TEST(IconProviderTest, CollectsTheIconFoldersOfModulesSortedByName) {
  test::TempFolder modules;
  modules.Write("zeta.module/icons/a.svg", kSvg);
  modules.Write("alpha.module/icons/b.svg", kSvg);
  modules.Write("noicons.module/strings/x.txt");
  modules.Write("fileicons.module/icons");  // a file called icons is not a folder of icons
  modules.Write("stray.txt");
  fs::create_directories(modules.Path() / "empty.module" / "icons");

  Ref<IconProvider> provider = MakeProvider(modules.Path());
  ASSERT_TRUE(provider);
  const std::vector<fs::path> expected = {modules.Path() / "alpha.module" / "icons",
                                          modules.Path() / "empty.module" / "icons",
                                          modules.Path() / "zeta.module" / "icons"};
  EXPECT_EQ(provider->GetIconFolders(), expected);
}

TEST(IconProviderTest, TheFirstFolderWinsOnEveryLookup) {
  test::TempFolder modules;
  const fs::path second = modules.Write("b.module/icons/shared.svg", kSvg);
  const fs::path first = modules.Write("a.module/icons/shared.svg", kSvg);
  const fs::path only = modules.Write("b.module/icons/own.svg", kSvg);

  Ref<IconProvider> provider = MakeProvider(modules.Path());
  ASSERT_TRUE(provider);
  EXPECT_EQ(UrlOf(*provider, "shared"), first.string());
  EXPECT_EQ(UrlOf(*provider, "shared"), first.string());
  EXPECT_EQ(UrlOf(*provider, "own"), only.string());
  EXPECT_EQ(UrlOf(*MakeProvider(modules.Path()), "shared"), first.string()) << "a new provider agrees";
  EXPECT_TRUE(fs::is_regular_file(second)) << "written first, found second";
}

TEST(IconProviderTest, ANameIsResolvedOnceAndCached) {
  test::TempFolder modules;
  modules.Write("a.module/icons/present.svg", kSvg);
  Ref<IconProvider> provider = MakeProvider(modules.Path());
  ASSERT_TRUE(provider);

  EXPECT_EQ(UrlOf(*provider, "late"), "") << "no file, empty URL";
  const fs::path late = modules.Write("a.module/icons/late.svg", kSvg);
  EXPECT_EQ(UrlOf(*provider, "late"), "") << "the empty answer is cached";

  const std::string present = UrlOf(*provider, "present");
  fs::remove(present);
  EXPECT_EQ(UrlOf(*provider, "present"), present) << "so is a found file";

  Ref<IconProvider> recreated = MakeProvider(modules.Path());
  ASSERT_TRUE(recreated);
  EXPECT_EQ(UrlOf(*recreated, "late"), late.string());
  EXPECT_EQ(UrlOf(*recreated, "present"), "");
}

TEST(IconProviderTest, TheNameIsUsedUnchanged) {
  test::TempFolder modules;
  const fs::path plain = modules.Write("a.module/icons/check.svg", kSvg);
  const fs::path doubled = modules.Write("a.module/icons/check.svg.svg", kSvg);
  const fs::path nested = modules.Write("a.module/icons/arrows/up.svg", kSvg);
  Ref<IconProvider> provider = MakeProvider(modules.Path());
  ASSERT_TRUE(provider);
  EXPECT_EQ(UrlOf(*provider, "check"), plain.string());
  EXPECT_EQ(UrlOf(*provider, "check.svg"), doubled.string());
  EXPECT_EQ(UrlOf(*provider, "arrows/up"), nested.string());
  EXPECT_EQ(UrlOf(*provider, "Check"), "");
  EXPECT_EQ(UrlOf(*provider, "/a.module/icons/check"), "") << "a leading slash does not leave the folder";
}

TEST(IconProviderTest, AFailedResolutionIsReturnedAndNotCached) {
  test::TempFolder modules;
  fs::create_directories(modules.Path() / "a.module" / "icons");
  Ref<IconProvider> provider = MakeProvider(modules.Path());
  ASSERT_TRUE(provider);
  const std::string tooLong(400, 'x');  // longer than a file name may be
  for (int attempt = 0; attempt < 2; ++attempt) {
    Result<Url> url = provider->GetIconUrl(tooLong);
    ASSERT_FALSE(url.IsOk()) << "attempt " << attempt;
    EXPECT_EQ(url.GetError().GetKind(), ErrorKind::kUnexpected);
  }
}

TEST(IconProviderTest, ConcurrentLookupsAgree) {
  test::TempFolder modules;
  const fs::path icon = modules.Write("a.module/icons/spin.svg", kSvg);
  Ref<IconProvider> provider = MakeProvider(modules.Path());
  ASSERT_TRUE(provider);
  constexpr int kThreads = 4;
  constexpr int kLookups = 200;
  std::vector<std::vector<std::string>> seen(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < kLookups; ++i) {
        Result<Url> url = provider->GetIconUrl(i % 2 ? "spin" : "missing" + std::to_string(i % 7));
        seen[t].push_back(url.IsOk() ? url->text : "<error>");
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) {
    for (int i = 0; i < kLookups; ++i) EXPECT_EQ(seen[t][i], i % 2 ? icon.string() : "");
  }
}

TEST(IconProviderTest, AMissingOrUnreadableModulesFolderCreatesNoProvider) {
  test::TempFolder modules;
  Result<Ref<IconProvider>> missing = IconProvider::Create(modules.Path() / "nonexistent");
  ASSERT_FALSE(missing.IsOk());
  EXPECT_EQ(missing.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(missing.GetError().GetMessage(),
            "Modules folder not found: '" + (modules.Path() / "nonexistent").string() + "'");

  const fs::path file = modules.Write("not-a-folder");
  Result<Ref<IconProvider>> notAFolder = IconProvider::Create(file);
  ASSERT_FALSE(notAFolder.IsOk());
  EXPECT_EQ(notAFolder.GetError().GetKind(), ErrorKind::kUnexpected);
  EXPECT_NE(notAFolder.GetError().GetMessage().find("Cannot read the modules folder"), std::string::npos);

  Ref<IconProvider> empty = MakeProvider(modules.Path());
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->GetIconFolders().empty());
  EXPECT_EQ(UrlOf(*empty, "anything"), "");
}

}  // namespace
}  // namespace zarvo
