#include "generated/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <set>

#include "generated/InterfaceRegistration.h"
#include "host/core/HostRegistrations.h"
#include "tests/module/ModuleTestSupport.h"

namespace zarvo {
namespace {

// The identifier hash written as a sum of powers, independent of the running product in Id.h.
uint64_t HashBySumOfPowers(std::string_view text) {
  uint64_t sum = 0;
  uint64_t power = 1;
  for (size_t i = text.size(); i-- > 0;) {
    sum += static_cast<unsigned char>(text[i]) * power;
    power *= 31u;
  }
  return text.empty() ? 0 : (uint64_t{text.size()} << 44) + (sum & 0x7FFFFFFFFFFull);
}

std::string_view BaseName(std::string_view path) { return path.substr(path.find_last_of('/') + 1); }

TEST(CatalogueTest, EveryClassIdHashesToTheStoredValue) {
  for (const CatalogueClass& row : GetClassCatalogue()) {
    SCOPED_TRACE(row.classId);
    EXPECT_EQ(row.hash, HashBySumOfPowers(row.classId));
    EXPECT_EQ(Id(row.classId).GetHash(), row.hash);
    EXPECT_EQ(row.hash >> kIdHashLengthShift, row.classId.size());
  }
  const CatalogueClass* button = FindCatalogueClass("net.zarvo.mvp.widgetclasses.button");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->hash >> kIdHashLengthShift, 34u);
}

TEST(CatalogueTest, RowsFollowTheLinkOrderAndNameKnownInterfaces) {
  std::vector<std::string_view> unitOrder;
  for (const ModuleUnit& unit : GetWidgetsModuleUnits()) unitOrder.push_back(BaseName(unit.path));
  size_t lastUnit = 0;
  std::set<std::string_view> ids;
  for (const CatalogueClass& row : GetClassCatalogue()) {
    SCOPED_TRACE(row.classId);
    EXPECT_TRUE(ids.insert(row.classId).second) << "listed twice";
    const auto unit = std::find(unitOrder.begin(), unitOrder.end(), row.unit);
    ASSERT_NE(unit, unitOrder.end()) << "unit " << row.unit << " is not in the link order";
    const size_t unitIndex = static_cast<size_t>(unit - unitOrder.begin());
    EXPECT_GE(unitIndex, lastUnit) << "the catalogue runs against the link order";
    lastUnit = unitIndex;
    EXPECT_TRUE(FindInterface(row.interfaceName) || FindHostInterface(row.interfaceName));
    if (!row.registryId.empty()) {
      EXPECT_NE(std::find(std::begin(kHostRegistries), std::end(kHostRegistries), row.registryId),
                std::end(kHostRegistries));
    }
  }
  EXPECT_EQ(ids.size(), 94u);
}

TEST(CatalogueTest, RegisteredClassesMatchTheCatalogueInOrderUnitAndRegistry) {
  ClassRegistry& registry = ClassRegistry::Get();
  const auto catalogue = GetClassCatalogue();
  size_t lastRow = 0;
  std::set<std::string_view> registered;
  for (const RegistryRecord* record : test::WidgetsModuleRecords(RecordKind::kClass)) {
    const std::string& classId = record->id.GetString();
    SCOPED_TRACE(classId);
    const CatalogueClass* row = FindCatalogueClass(classId);
    ASSERT_NE(row, nullptr) << "registered but not catalogued";
    const size_t rowIndex = static_cast<size_t>(row - catalogue.data());
    EXPECT_GE(rowIndex, lastRow) << "registered out of catalogue order";
    lastRow = rowIndex;
    registered.insert(row->classId);
    EXPECT_EQ(record->owner.GetString(), row->unit);
    const RegistryRecord* component = registry.FindComponent(record->id);
    ASSERT_NE(component, nullptr);
    EXPECT_GT(component->memberSize, 0u);
    Result<Id> boundTo = registry.GetClassRegistry(record->id);
    ASSERT_TRUE(boundTo.IsOk());
    EXPECT_EQ(boundTo->GetString(), row->registryId);
  }
  std::string missing;
  for (const CatalogueClass& row : catalogue) {
    if (!registered.count(row.classId)) missing += "\n  " + std::string(row.classId);
  }
  std::cout << "[ catalogue ] " << registered.size() << " of " << catalogue.size()
            << " classes registered" << (missing.empty() ? "" : "; still missing:") << missing << "\n";
}

// Registry placements the catalogue promises. Checked for every class that is registered; the
// others are reported as pending by the test above.
struct Placement {
  const char* classId;
  const char* registryId;
  bool member;
};

constexpr Placement kPlacements[] = {
    {"net.zarvo.mvp.actionclasses.resizecolumn", kActionClassesRegistry, false},
    {"net.zarvo.mvp.actionclasses.headercelldraganddrop", kActionClassesRegistry, false},
    {"net.zarvo.mvp.actionclasses.pan", kActionClassesRegistry, true},
    {"net.zarvo.mvp.actionclasses.zoom", kActionClassesRegistry, true},
    {"net.zarvo.mvp.actionclasses.basepanzoom", kActionClassesRegistry, true},
    {"net.zarvo.mvp.actionclasses.paint", kActionClassesRegistry, true},
    {"net.zarvo.mvp.widgetadapterclasses.quicktabtextadapter", kWidgetAdaptersRegistry, true},
    {"net.zarvo.mvp.widgetadapterclasses.quicktabtextadapter", kWidgetClassesRegistry, false},
    {"net.zarvo.mvp.widgetadapterclasses.quicktabtextandiconadapter", kWidgetAdaptersRegistry, true},
    {"net.zarvo.mvp.widgetadapterclasses.quicktabtextandiconadapter", kWidgetClassesRegistry, false},
    {"net.zarvo.mvp.widgetadapterclasses.cycletextadapter", kWidgetAdaptersRegistry, true},
    {"net.zarvo.mvp.widgetadapterclasses.cycletextadapter", kWidgetClassesRegistry, false},
    {"net.zarvo.mvp.widgetadapterclasses.cycletextandiconadapter", kWidgetAdaptersRegistry, true},
    {"net.zarvo.mvp.widgetadapterclasses.cycletextandiconadapter", kWidgetClassesRegistry, false},
};

TEST(CatalogueTest, RegistriesHoldExactlyTheirRegisteredClasses) {
  ClassRegistry& registry = ClassRegistry::Get();
  for (const Placement& placement : kPlacements) {
    SCOPED_TRACE(std::string(placement.classId) + " in " + placement.registryId);
    const CatalogueClass* row = FindCatalogueClass(placement.classId);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->registryId == placement.registryId, placement.member) << "the catalogue disagrees";
    if (!registry.HasClass(placement.classId)) continue;
    Result<std::vector<Id>> members = registry.GetRegistryClasses(placement.registryId);
    ASSERT_TRUE(members.IsOk());
    const bool found = std::find(members->begin(), members->end(), Id(placement.classId)) != members->end();
    EXPECT_EQ(found, placement.member);
  }
  for (std::string_view registryId : kHostRegistries) {
    Result<std::vector<Id>> members = registry.GetRegistryClasses(Id(registryId));
    ASSERT_TRUE(members.IsOk()) << members.GetError().ToString();
    for (const Id& classId : *members) {
      const CatalogueClass* row = FindCatalogueClass(classId.GetString());
      ASSERT_NE(row, nullptr) << classId.GetString();
      EXPECT_EQ(row->registryId, registryId) << classId.GetString();
    }
  }
}

TEST(CatalogueTest, DeclaredOnlyIdsAndUnknownIdsFindNoClass) {
  const auto& records = ClassRegistry::Get().GetRecords();
  for (std::string_view classId : kDeclaredOnlyClassIds) {
    SCOPED_TRACE(classId);
    EXPECT_EQ(FindCatalogueClass(classId), nullptr);
    EXPECT_TRUE(std::any_of(records.begin(), records.end(), [&](const RegistryRecord& record) {
      return record.kind == RecordKind::kDeclaration && record.id.GetString() == classId;
    })) << "the framework declares it";
    EXPECT_FALSE(ClassRegistry::Get().HasClass(Id(classId)));
    Result<Ref<ObjectInterface>> created = CreateObject(Id(classId));
    ASSERT_FALSE(created.IsOk());
    EXPECT_EQ(created.GetError().GetKind(), ErrorKind::kNotFound);
  }
  Result<Ref<ObjectInterface>> unknown = CreateObject("net.zarvo.mvp.widgetclasses.nosuchwidget");
  ASSERT_FALSE(unknown.IsOk());
  EXPECT_EQ(unknown.GetError().GetMessage(), "Class not found: 'net.zarvo.mvp.widgetclasses.nosuchwidget'");
}

TEST(CatalogueTest, UnknownRegistryIsAnError) {
  Result<std::vector<Id>> members = ClassRegistry::Get().GetRegistryClasses("net.zarvo.mvp.widgetadapters");
  ASSERT_FALSE(members.IsOk());
  EXPECT_EQ(members.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(members.GetError().GetMessage(), "Registry not found: 'net.zarvo.mvp.widgetadapters'");
  EXPECT_FALSE(ClassRegistry::Get().HasRegistry("net.zarvo.mvp.widgetadapters"));
}

}  // namespace
}  // namespace zarvo
