#include "host/core/ModuleLoader.h"

#include <gtest/gtest.h>

#include "host/core/ClassRegistry.h"
#include "source/ModuleUnits.h"

namespace zarvo {
namespace {

constexpr char kProbeModule[] = "net.zarvo.test.probe.module";
constexpr char kProbeRegistry[] = "net.zarvo.test.proberegistry";
constexpr char kProbeClass[] = "net.zarvo.test.probe";
constexpr char kOrphanClass[] = "net.zarvo.test.orphan";

class ProbeImpl : public ObjectInterface {
 public:
  Result<void> InitComponent() override {
    initialised_ = true;
    return Ok();
  }
  bool IsInitialised() const { return initialised_; }

 private:
  int payload_[16] = {};
  bool initialised_ = false;
};

void RecordProbeFirst() {
  ClassRegistry::Get().RecordRegistry(kProbeRegistry);
  ClassRegistry::Get().RecordDependency(kProbeRegistry, "tests/module/ModuleLoaderTest.cpp");
  RecordCatalogueClass<ProbeImpl>(kProbeClass, kProbeRegistry);
}

void RecordProbeSecond() {
  ClassRegistry::Get().RecordDependency("net.zarvo.test.nobodydeclaresthis", "nowhere.h");
  RecordCatalogueClass<ProbeImpl>(kOrphanClass);
}

constexpr ModuleUnit kProbeUnits[] = {
    {"tests/probe/probe_first", &RecordProbeFirst},
    {"tests/probe/probe_second", &RecordProbeSecond},
};

// What the resource hooks saw, for the order of unloading.
bool unloadSawClass = false;

ModuleDescriptor ProbeModule() {
  ModuleDescriptor module{Id(kProbeModule), kProbeUnits};
  module.unloadResources = [] { unloadSawClass = ClassRegistry::Get().HasClass(kProbeClass); };
  return module;
}

class ModuleLoaderTest : public testing::Test {
 protected:
  void TearDown() override {
    if (ModuleLoader::Get().IsLoaded(kProbeModule)) {
      EXPECT_TRUE(ModuleLoader::Get().Unload(kProbeModule).IsOk());
    }
  }
  ClassRegistry& registry_ = ClassRegistry::Get();
  ModuleLoader& loader_ = ModuleLoader::Get();
};

TEST_F(ModuleLoaderTest, UnitsRecordInOrderAndTheirClassesAreCreatedById) {
  const size_t mark = registry_.GetMark();
  ASSERT_TRUE(loader_.Load(ProbeModule()).IsOk());
  EXPECT_EQ(loader_.GetMark(kProbeModule).ValueOr(0), mark);

  const RegistryRecord& first = registry_.GetRecords()[mark];
  EXPECT_EQ(first.kind, RecordKind::kSourceUnit);
  EXPECT_EQ(first.id.GetString(), "probe_first");
  EXPECT_EQ(first.text, "tests/probe/probe_first");

  Result<Ref<ProbeImpl>> probe = CreateObject<ProbeImpl>(kProbeClass);
  ASSERT_TRUE(probe.IsOk()) << probe.GetError().ToString();
  EXPECT_TRUE((*probe)->IsInitialised());
  EXPECT_EQ((*probe)->GetClassId().GetString(), kProbeClass);
  ASSERT_NE(registry_.FindComponent(kProbeClass), nullptr);
  EXPECT_EQ(registry_.FindComponent(kProbeClass)->memberSize, sizeof(ProbeImpl));
  EXPECT_EQ(registry_.GetRegistryClasses(kProbeRegistry).ValueOr({}), std::vector<Id>{Id(kProbeClass)});
  EXPECT_EQ(registry_.GetClassRegistry(kOrphanClass).ValueOr("x"), Id());
}

TEST_F(ModuleLoaderTest, ADependencyNobodyDeclaresStopsCreation) {
  ASSERT_TRUE(loader_.Load(ProbeModule()).IsOk());
  Result<Ref<ObjectInterface>> orphan = CreateObject(kOrphanClass);
  ASSERT_FALSE(orphan.IsOk());
  EXPECT_EQ(orphan.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_NE(orphan.GetError().GetMessage().find("net.zarvo.test.nobodydeclaresthis"), std::string::npos);
}

TEST_F(ModuleLoaderTest, UnloadWithdrawsEverythingAndReloadRestoresIt) {
  const size_t mark = registry_.GetMark();
  ASSERT_TRUE(loader_.Load(ProbeModule()).IsOk());
  const size_t loadedMark = registry_.GetMark();

  unloadSawClass = false;
  ASSERT_TRUE(loader_.Unload(kProbeModule).IsOk());
  EXPECT_TRUE(unloadSawClass) << "resources go before the records";
  EXPECT_EQ(registry_.GetMark(), mark);
  EXPECT_FALSE(registry_.HasClass(kProbeClass));
  EXPECT_FALSE(registry_.HasRegistry(kProbeRegistry));
  EXPECT_FALSE(loader_.IsLoaded(kProbeModule));
  EXPECT_FALSE(CreateObject(kProbeClass).IsOk());

  ASSERT_TRUE(loader_.Load(ProbeModule()).IsOk());
  EXPECT_EQ(registry_.GetMark(), loadedMark);
  EXPECT_TRUE(CreateObject(kProbeClass).IsOk());
}

TEST_F(ModuleLoaderTest, ModulesLoadOnceAndUnloadNewestFirst) {
  ASSERT_TRUE(loader_.Load(ProbeModule()).IsOk());
  const size_t loadedMark = registry_.GetMark();

  Result<void> again = loader_.Load(ProbeModule());
  ASSERT_FALSE(again.IsOk());
  EXPECT_EQ(again.GetError().GetMessage(), "Module already loaded: 'net.zarvo.test.probe.module'");

  Result<void> older = loader_.Unload(kWidgetsModuleId);
  ASSERT_FALSE(older.IsOk());
  EXPECT_EQ(older.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_TRUE(loader_.IsLoaded(kWidgetsModuleId));
  EXPECT_EQ(registry_.GetMark(), loadedMark);

  Result<void> unknown = loader_.Unload("net.zarvo.test.nosuchmodule");
  ASSERT_FALSE(unknown.IsOk());
  EXPECT_EQ(unknown.GetError().GetKind(), ErrorKind::kNotFound);
}

TEST_F(ModuleLoaderTest, FailingResourcesLeaveNothingRecorded) {
  ModuleDescriptor module = ProbeModule();
  module.loadResources = []() -> Result<void> { return NotFoundError("no strings here"); };
  const size_t mark = registry_.GetMark();
  Result<void> loaded = loader_.Load(module);
  ASSERT_FALSE(loaded.IsOk());
  EXPECT_EQ(loaded.GetError().GetMessage(), "no strings here");
  EXPECT_EQ(registry_.GetMark(), mark);
  EXPECT_FALSE(loader_.IsLoaded(kProbeModule));
  EXPECT_FALSE(registry_.HasClass(kProbeClass));
}

}  // namespace
}  // namespace zarvo
