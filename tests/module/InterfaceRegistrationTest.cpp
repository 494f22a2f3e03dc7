#include "generated/InterfaceRegistration.h"

#include <gtest/gtest.h>

#include "tests/module/ModuleTestSupport.h"

namespace zarvo {
namespace {

TEST(InterfaceRegistrationTest, BindsEveryInterfaceInTableOrder) {
  const auto table = GetInterfaceTable();
  const auto bindings = test::WidgetsModuleRecords(RecordKind::kReferenceType);
  ASSERT_EQ(bindings.size(), table.size());
  ASSERT_EQ(table.size(), 84u);
  for (size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(table[i].name);
    EXPECT_EQ(bindings[i]->id.GetString(), table[i].id);
    EXPECT_EQ(bindings[i]->text, ReferenceTypeName(table[i]));
  }
}

TEST(InterfaceRegistrationTest, ReferenceTypeNamesDropInterfaceAndTemplatesHaveNone) {
  ClassRegistry& registry = ClassRegistry::Get();
  EXPECT_EQ(registry.GetReferenceTypeName("net.zarvo.mvp.interface.button").ValueOr(""), "zarvo::ButtonWidgetRef");
  EXPECT_EQ(registry.GetReferenceTypeName("net.zarvo.mvp.interface.cycledropdownwindow").ValueOr(""),
            "zarvo::CycleDropdownWindowRef");
  EXPECT_EQ(registry.GetReferenceTypeName("net.zarvo.mvp.interface.dummyitem").ValueOr(""), "zarvo::DummyItemRef");
  EXPECT_EQ(registry.GetReferenceTypeName("net.zarvo.mvp.doodlewidget").ValueOr(""), "zarvo::DoodleWidgetRef");
  EXPECT_EQ(registry.GetReferenceTypeName("net.zarvo.mvp.interface.svgdrawareawidget").ValueOr(""),
            "zarvo::SVGDrawAreaWidgetRef");

  Result<std::string> intSlider = registry.GetReferenceTypeName(
      "net.zarvo.mvp.interface.sliderwidget.net.zarvo.mvp.interface.intsliderwidget");
  ASSERT_TRUE(intSlider.IsOk()) << "a template interface is still declared";
  EXPECT_EQ(*intSlider, "");

  size_t templates = 0;
  for (const InterfaceDeclaration& declaration : GetInterfaceTable()) {
    if (!IsTemplateInterface(declaration)) continue;
    ++templates;
    EXPECT_EQ(ReferenceTypeName(declaration), "") << declaration.name;
  }
  EXPECT_EQ(templates, 17u);  // sliders, numbers, spin boxes, vectors, matrices
}

TEST(InterfaceRegistrationTest, DefinesTheIconProviderRegistryWithItsOneEntry) {
  ClassRegistry& registry = ClassRegistry::Get();
  ASSERT_TRUE(registry.HasRegistry(kIconProvidersRegistry));
  Result<std::vector<Id>> classes = registry.GetRegistryClasses(kIconProvidersRegistry);
  ASSERT_TRUE(classes.IsOk());
  EXPECT_TRUE(classes->empty()) << "the registry holds an entry, not classes";
  const auto entries = test::WidgetsModuleRecords(RecordKind::kRegistryEntry);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0]->id.GetString(), "net.zarvo.mvp.iconprovider.widgets");
  EXPECT_EQ(entries[0]->owner.GetString(), kIconProvidersRegistry);
}

}  // namespace
}  // namespace zarvo
