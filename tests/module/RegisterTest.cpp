#include "source/Register.h"

#include <gtest/gtest.h>

#include <set>

#include "generated/Catalogue.h"
#include "host/core/HostRegistrations.h"
#include "host/core/StringResources.h"
#include "tests/module/ModuleTestSupport.h"

namespace zarvo {
namespace {

TEST(RegisterTest, RecordsTheNineFrameworksInOrderWithTheirHashes) {
  const auto dependencies = test::WidgetsModuleRecords(RecordKind::kDependency, "register");
  ASSERT_EQ(dependencies.size(), 9u);
  for (size_t i = 0; i < dependencies.size(); ++i) {
    EXPECT_EQ(dependencies[i]->id.GetString(), kWidgetsModuleDependencies[i].text);
    EXPECT_EQ(dependencies[i]->id.GetHash(), kWidgetsModuleDependencies[i].hash);
  }
  EXPECT_EQ(dependencies.front()->id.GetString(), "net.zarvo.core.framework");
  EXPECT_EQ(dependencies[7]->id.GetString(), "net.zarvo.mvp_desktop2d_widgets.framework");
  EXPECT_EQ(dependencies.back()->id.GetString(), "net.zarvo.svg.framework");
}

TEST(RegisterTest, RecordsTheGlobalStringsThePaintActionAndTheModuleId) {
  const auto strings = test::WidgetsModuleRecords(RecordKind::kGlobalString, "register");
  ASSERT_EQ(strings.size(), 7u);
  const char* const suffixes[] = {"ok", "cancel", "abort", "retry", "ignore", "yes", "no"};
  for (size_t i = 0; i < strings.size(); ++i) {
    EXPECT_EQ(strings[i]->id.GetString(), std::string(kGlobalStringsScope) + "." + suffixes[i]);
  }
  const auto uses = test::WidgetsModuleRecords(RecordKind::kClassUse, "register");
  ASSERT_EQ(uses.size(), 1u);
  EXPECT_EQ(uses[0]->id.GetString(), "net.zarvo.mvp.actionclasses.paint");
  const auto modules = test::WidgetsModuleRecords(RecordKind::kModule);
  ASSERT_EQ(modules.size(), 1u);
  EXPECT_EQ(modules[0]->id.GetString(), "net.zarvo.mvp_desktop2d_widgets");
  EXPECT_EQ(modules[0]->owner.GetString(), "register");
}

TEST(RegisterTest, GlobalStringsResolveToTheEnglishTexts) {
  const char* const texts[] = {"OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"};
  StringResources& strings = StringResources::Get();
  for (size_t i = 0; i < std::size(kGlobalStrings); ++i) {
    Result<std::string> text = strings.GetString(Id(kGlobalStrings[i]));
    ASSERT_TRUE(text.IsOk()) << text.GetError().ToString();
    EXPECT_EQ(*text, texts[i]);
  }
  // A language without its own texts falls back to English.
  const std::string previous = strings.GetLanguage();
  ASSERT_TRUE(strings.SetLanguage("de").IsOk());
  EXPECT_EQ(strings.GetString(kGlobalStringCancel).ValueOr(""), "Cancel");
  ASSERT_TRUE(strings.SetLanguage(previous).IsOk());
}

TEST(RegisterTest, EveryDependencyOfTheModuleIsDeclaredWhenItLoads) {
  std::set<std::string> declared;
  for (const RegistryRecord& record : ClassRegistry::Get().GetRecords()) {
    switch (record.kind) {
      case RecordKind::kDeclaration:
      case RecordKind::kRegistry:
      case RecordKind::kReferenceType:
      case RecordKind::kClass:
      case RecordKind::kModule:
        declared.insert(record.id.GetString());
        break;
      default:
        break;
    }
  }
  std::set<std::string> unitsWithDependencies;
  for (const RegistryRecord* dependency : test::WidgetsModuleRecords(RecordKind::kDependency)) {
    EXPECT_TRUE(declared.count(dependency->id.GetString()))
        << dependency->owner.GetString() << " depends on undeclared " << dependency->id.GetString() << " ("
        << dependency->text << ")";
    unitsWithDependencies.insert(dependency->owner.GetString());
  }
  for (const CatalogueClass& row : GetClassCatalogue()) {
    EXPECT_TRUE(unitsWithDependencies.count(std::string(row.unit))) << row.unit << " records no dependency";
  }
}

TEST(RegisterTest, HostRegistrationsAreRecordedOnce) {
  const size_t mark = ClassRegistry::Get().GetMark();
  RecordHostRegistrations();
  EXPECT_EQ(ClassRegistry::Get().GetMark(), mark);
  for (std::string_view registryId : kHostRegistries) EXPECT_TRUE(ClassRegistry::Get().HasRegistry(Id(registryId)));
}

}  // namespace
}  // namespace zarvo
