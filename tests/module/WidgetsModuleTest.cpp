#include "source/ModuleUnits.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <utility>

#include "generated/InterfaceRegistration.h"
#include "host/core/StringResources.h"
#include "source/IconProvider.h"
#include "source/Register.h"
#include "tests/module/ModuleTestSupport.h"

namespace zarvo {
namespace {

using RecordKey = std::pair<RecordKind, std::string>;

std::vector<RecordKey> ModuleRecordKeys() {
  std::vector<RecordKey> keys;
  for (const RegistryRecord* record : test::WidgetsModuleRecords()) keys.emplace_back(record->kind, record->id.GetString());
  return keys;
}

std::string ReadShippedStrings() {
  Result<std::filesystem::path> folder = FindWidgetsModuleFolder();
  EXPECT_TRUE(folder.IsOk());
  std::ifstream file(*folder / kGlobalStringsFile);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// Every test leaves the module loaded from the application's own modules folder again.
class WidgetsModuleTest : public testing::Test {
 protected:
  void TearDown() override {
    if (ModuleLoader::Get().IsLoaded(kWidgetsModuleId)) return;
    Result<void> reloaded = LoadWidgetsModule();
    ASSERT_TRUE(reloaded.IsOk()) << reloaded.GetError().ToString();
  }
};

TEST_F(WidgetsModuleTest, SourceUnitsAreRecordedInLinkOrder) {
  const std::vector<std::string> expected = {
      "interface_registration", "register", "icon_provider", "messagedialog",
      "widget_area_impl", "widget_button_impl", "widget_checkbox_impl", "widget_commandbutton_impl",
      "widget_custom_impl", "widget_custombutton_impl", "widget_cycle_impl", "widget_datetime_impl",
      "widget_frame_impl", "widget_image_impl", "widget_imagebutton_impl", "widget_padding_impl",
      "widget_slider_impl", "widget_text_impl", "widget_textbutton_impl", "widget_textedit_impl",
      "widget_timeslider_impl", "widget_tristatebutton_impl",
      "widget_boolean_impl", "widget_color_impl", "widget_imagetextbutton_impl", "widget_matrix_impl",
      "widget_menu_impl", "widget_number_impl", "widget_quicktab_impl", "widget_radiogroup_impl",
      "widget_spinbox_impl", "widget_vector_impl",
      "widget_doodle_actions", "widget_doodle_commands", "widget_doodle_draw", "widget_doodle_events",
      "widget_doodle_impl", "widget_easteregg", "widget_fcurve_actions", "widget_fcurve_commands",
      "widget_fcurve_draw", "widget_fcurve_events", "widget_fcurve_impl", "widget_monitor", "widget_svgdebug",
      "widget_cell_impl", "widget_flexbox_impl", "widget_foldercell_impl", "widget_headercell_impl",
      "widget_scrollarea_impl", "widget_scrollbar_impl", "widget_scrollslider_impl", "widget_table_impl",
      "widget_treegraph_impl", "window_app_impl"};
  std::vector<std::string> recorded;
  for (const RegistryRecord* unit : test::WidgetsModuleRecords(RecordKind::kSourceUnit)) {
    recorded.push_back(unit->id.GetString());
  }
  EXPECT_EQ(recorded, expected);
  const auto units = test::WidgetsModuleRecords(RecordKind::kSourceUnit);
  ASSERT_FALSE(units.empty());
  EXPECT_EQ(units[0]->text, "generated/interface_registration");
  EXPECT_EQ(units[5]->text, "source/widgets_base/widget_button_impl");
}

TEST_F(WidgetsModuleTest, UnloadWithdrawsEverythingAndReloadRecordsTheSame) {
  ClassRegistry& registry = ClassRegistry::Get();
  const size_t mark = ModuleLoader::Get().GetMark(kWidgetsModuleId).ValueOr(0);
  const std::vector<RecordKey> before = ModuleRecordKeys();
  WeakRef<IconProvider> cachedProvider;
  {
    Result<Ref<IconProvider>> provider = GetWidgetsIconProvider();
    ASSERT_TRUE(provider.IsOk()) << provider.GetError().ToString();
    cachedProvider = WeakRef<IconProvider>(*provider);
  }

  ASSERT_TRUE(UnloadWidgetsModule().IsOk());
  EXPECT_EQ(registry.GetMark(), mark);
  EXPECT_FALSE(registry.HasRegistry(kIconProvidersRegistry));
  EXPECT_FALSE(registry.GetReferenceTypeName("net.zarvo.mvp.interface.button").IsOk());
  EXPECT_FALSE(cachedProvider.IsAlive()) << "the registry entry let go of its object";
  EXPECT_FALSE(GetWidgetsIconProvider().IsOk());
  Result<std::string> ok = StringResources::Get().GetString(kGlobalStringOk);
  ASSERT_FALSE(ok.IsOk());
  EXPECT_EQ(ok.GetError().GetKind(), ErrorKind::kNotFound);

  ASSERT_TRUE(LoadWidgetsModule().IsOk());
  EXPECT_EQ(ModuleRecordKeys(), before);
  EXPECT_EQ(StringResources::Get().GetString(kGlobalStringOk).ValueOr(""), "OK");
}

TEST_F(WidgetsModuleTest, AMissingStringsFileFailsTheLoadWithNothingLeft) {
  ASSERT_TRUE(UnloadWidgetsModule().IsOk());
  test::TempFolder modules;
  modules.Write(std::filesystem::path(kWidgetsModuleFolder) / "icons" / "check.svg", "<svg/>");
  test::ModulesFolderOverride useTemp(modules.Path());
  const size_t mark = ClassRegistry::Get().GetMark();

  Result<void> loaded = LoadWidgetsModule();
  ASSERT_FALSE(loaded.IsOk());
  EXPECT_NE(loaded.GetError().GetMessage().find("globalstrings.txt"), std::string::npos)
      << loaded.GetError().ToString();
  EXPECT_EQ(ClassRegistry::Get().GetMark(), mark);
  EXPECT_FALSE(ModuleLoader::Get().IsLoaded(kWidgetsModuleId));
  EXPECT_FALSE(ClassRegistry::Get().HasRegistry(kIconProvidersRegistry));
}

TEST_F(WidgetsModuleTest, AMissingModuleFolderFailsTheLoad) {
  ASSERT_TRUE(UnloadWidgetsModule().IsOk());
  test::TempFolder modules;
  test::ModulesFolderOverride useTemp(modules.Path());
  Result<void> loaded = LoadWidgetsModule();
  ASSERT_FALSE(loaded.IsOk());
  EXPECT_EQ(loaded.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_NE(loaded.GetError().GetMessage().find(kWidgetsModuleFolder), std::string::npos)
      << loaded.GetError().ToString();
}

TEST_F(WidgetsModuleTest, AFolderNamedByTheModuleIdIsTheFallback) {
  const std::string shipped = ReadShippedStrings();
  ASSERT_TRUE(UnloadWidgetsModule().IsOk());
  test::TempFolder modules;
  modules.Write(std::filesystem::path(kWidgetsModuleId) / kGlobalStringsFile, shipped);
  modules.Write(std::filesystem::path("other.module") / "icons" / "gear.svg", "<svg/>");
  test::ModulesFolderOverride useTemp(modules.Path());

  Result<void> loaded = LoadWidgetsModule();
  ASSERT_TRUE(loaded.IsOk()) << loaded.GetError().ToString();
  EXPECT_EQ(StringResources::Get().GetString(kGlobalStringRetry).ValueOr(""), "Retry");
  // The icon provider is made when first asked for, from the modules folder of that moment.
  Result<Ref<IconProvider>> provider = GetWidgetsIconProvider();
  ASSERT_TRUE(provider.IsOk()) << provider.GetError().ToString();
  EXPECT_EQ(GetWidgetsIconProvider().ValueOr(nullptr), *provider) << "one provider, kept";
  Result<Url> gear = (**provider)("gear");
  ASSERT_TRUE(gear.IsOk());
  EXPECT_EQ(gear->text, (modules.Path() / "other.module" / "icons" / "gear.svg").string());
  ASSERT_TRUE(UnloadWidgetsModule().IsOk());
}

}  // namespace
}  // namespace zarvo
