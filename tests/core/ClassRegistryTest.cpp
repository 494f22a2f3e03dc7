#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"

namespace zarvo {
namespace {

int gLiveProbes = 0;
bool gFailInit = false;

class ProbeInterface : public virtual ObjectInterface {
 public:
  virtual bool WasInitialised() const = 0;
};

class OtherInterface : public virtual ObjectInterface {};

class ProbeImpl final : public ProbeInterface {
 public:
  ProbeImpl() { ++gLiveProbes; }
  ~ProbeImpl() override { --gLiveProbes; }
  Result<void> InitComponent() override {
    if (gFailInit) return IllegalStateError("Probe refused to start");
    initialised_ = true;
    return Ok();
  }
  bool WasInitialised() const override { return initialised_; }

 private:
  bool initialised_ = false;
};

ObjectInterface* ConstructProbe() { return new ProbeImpl; }
ObjectInterface* ConstructNothing() { return nullptr; }

const Id kProbeClass("test.registry.widgetclasses.probe");
const Id kSecondClass("test.registry.widgetclasses.second");
const Id kThirdClass("test.registry.widgetclasses.third");
const Id kRegistry("test.registry.widgetclasses");
const Id kFramework("test.registry.framework");

// Every test records under its own mark and withdraws to it, so the process-wide registry is
// left as it was found.
class ClassRegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    gLiveProbes = 0;
    gFailInit = false;
    mark_ = registry_.GetMark();
  }
  void TearDown() override {
    registry_.WithdrawTo(mark_);
    EXPECT_EQ(registry_.GetMark(), mark_);
    EXPECT_EQ(gLiveProbes, 0);
  }

  void RecordProbeClass(const Id& classId, std::string_view unit = "tests/core/test_probe_unit.cpp") {
    registry_.RecordSourceUnit(unit);
    registry_.RecordComponent(classId, sizeof(ProbeImpl), &ConstructProbe);
    registry_.RecordClass(classId);
  }

  ClassRegistry& registry_ = ClassRegistry::Get();
  size_t mark_ = 0;
};

TEST_F(ClassRegistryTest, CreatesAClassByIdentifier) {
  RecordProbeClass(kProbeClass);
  Result<Ref<ProbeInterface>> probe = CreateObject<ProbeInterface>(kProbeClass);
  ASSERT_TRUE(probe.IsOk()) << probe.GetError().ToString();
  EXPECT_TRUE((*probe)->WasInitialised());
  EXPECT_EQ((*probe)->GetClassId(), kProbeClass);
  EXPECT_EQ((*probe)->GetRefCount(), 1u);
  EXPECT_TRUE(registry_.HasClass(kProbeClass));
  ASSERT_NE(registry_.FindComponent(kProbeClass), nullptr);
  EXPECT_EQ(registry_.FindComponent(kProbeClass)->memberSize, sizeof(ProbeImpl));
}

TEST_F(ClassRegistryTest, UnknownClassOrInterfaceIsAnError) {
  Result<Ref<ObjectInterface>> unknown = registry_.CreateObject(Id("test.registry.nothing"));
  ASSERT_FALSE(unknown.IsOk());
  EXPECT_EQ(unknown.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(unknown.GetError().GetMessage(), "Class not found: 'test.registry.nothing'");

  RecordProbeClass(kProbeClass);
  Result<Ref<OtherInterface>> wrong = CreateObject<OtherInterface>(kProbeClass);
  ASSERT_FALSE(wrong.IsOk());
  EXPECT_EQ(wrong.GetError().GetMessage(),
            "Class 'test.registry.widgetclasses.probe' does not implement the requested interface");
}

TEST_F(ClassRegistryTest, ClassWithoutWorkingConstructorIsAnError) {
  registry_.RecordSourceUnit("test_empty_unit.cpp");
  registry_.RecordClass(kSecondClass);
  EXPECT_EQ(registry_.CreateObject(kSecondClass).GetError().GetKind(), ErrorKind::kIllegalState);
  registry_.RecordComponent(kThirdClass, 0, &ConstructNothing);
  registry_.RecordClass(kThirdClass);
  EXPECT_EQ(registry_.CreateObject(kThirdClass).GetError().GetKind(), ErrorKind::kOutOfMemory);
}

TEST_F(ClassRegistryTest, FailedInitComponentYieldsNoObject) {
  RecordProbeClass(kProbeClass);
  gFailInit = true;
  Result<Ref<ObjectInterface>> probe = registry_.CreateObject(kProbeClass);
  ASSERT_FALSE(probe.IsOk());
  EXPECT_EQ(probe.GetError().GetMessage(), "Probe refused to start");
  EXPECT_EQ(gLiveProbes, 0);
}

TEST_F(ClassRegistryTest, EnumeratesARegistryInRegistrationOrder) {
  registry_.RecordRegistry(kRegistry);
  for (const Id& id : {kThirdClass, kProbeClass, kSecondClass}) {
    RecordProbeClass(id);
    registry_.RecordRegistryBinding(id, kRegistry);
  }
  Result<std::vector<Id>> classes = registry_.GetRegistryClasses(kRegistry);
  ASSERT_TRUE(classes.IsOk());
  EXPECT_EQ(*classes, (std::vector<Id>{kThirdClass, kProbeClass, kSecondClass}));
  EXPECT_EQ(*registry_.GetClassRegistry(kProbeClass), kRegistry);
  EXPECT_EQ(registry_.GetClassRegistry(Id("test.registry.nothing")).GetError().GetKind(), ErrorKind::kNotFound);
}

TEST_F(ClassRegistryTest, UnknownOrUndefinedRegistryIsAnError) {
  Result<std::vector<Id>> unknown = registry_.GetRegistryClasses(Id("test.registry.none"));
  ASSERT_FALSE(unknown.IsOk());
  EXPECT_EQ(unknown.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(unknown.GetError().GetMessage(), "Registry not found: 'test.registry.none'");

  // Bindings alone do not make a registry exist.
  RecordProbeClass(kProbeClass);
  registry_.RecordRegistryBinding(kProbeClass, kRegistry);
  EXPECT_FALSE(registry_.HasRegistry(kRegistry));
  EXPECT_FALSE(registry_.GetRegistryClasses(kRegistry).IsOk());
}

TEST_F(ClassRegistryTest, UnresolvedDependencyFailsTheFirstUse) {
  registry_.RecordSourceUnit("src/widget_probe_impl.cpp");
  registry_.RecordDependency(kFramework, "framework.h");
  registry_.RecordComponent(kProbeClass, sizeof(ProbeImpl), &ConstructProbe);
  registry_.RecordClass(kProbeClass);
  // Recording succeeds; only creating finds the gap.
  Result<Ref<ObjectInterface>> probe = registry_.CreateObject(kProbeClass);
  ASSERT_FALSE(probe.IsOk());
  EXPECT_EQ(probe.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_EQ(probe.GetError().GetMessage(),
            "Unresolved dependency 'test.registry.framework' (framework.h) of 'widget_probe_impl.cpp'");

  registry_.RecordDeclaration(kFramework);
  EXPECT_TRUE(registry_.CreateObject(kProbeClass).IsOk());
}

TEST_F(ClassRegistryTest, WithdrawRemovesNewestFirstAndLeavesNothingHalfRegistered) {
  registry_.RecordRegistry(kRegistry);
  RecordProbeClass(kProbeClass, "base_unit.cpp");
  registry_.RecordRegistryBinding(kProbeClass, kRegistry);
  registry_.RecordDeclaration(kFramework);
  const size_t loaded = registry_.GetMark();

  // A second "module": binds into the first one's registry and depends on its declaration.
  registry_.RecordSourceUnit("plugin_unit.cpp");
  registry_.RecordDependency(kFramework, "framework.h");
  registry_.RecordComponent(kSecondClass, sizeof(ProbeImpl), &ConstructProbe);
  registry_.RecordClass(kSecondClass);
  registry_.RecordRegistryBinding(kSecondClass, kRegistry);
  registry_.RecordReferenceType(Id("test.registry.interface.second"), "SecondRef");
  registry_.RecordRegistryEntry(kRegistry, Id("test.registry.entry"),
                                []() -> Result<Ref<ObjectInterface>> { return Ref<ObjectInterface>(ConstructProbe()); });
  EXPECT_EQ(registry_.GetRegistryClasses(kRegistry)->size(), 2u);
  EXPECT_TRUE(registry_.CreateObject(kSecondClass).IsOk());

  registry_.WithdrawTo(loaded);
  EXPECT_EQ(registry_.GetMark(), loaded);
  EXPECT_FALSE(registry_.HasClass(kSecondClass));
  EXPECT_EQ(registry_.FindComponent(kSecondClass), nullptr);
  EXPECT_EQ(*registry_.GetRegistryClasses(kRegistry), (std::vector<Id>{kProbeClass}));
  EXPECT_FALSE(registry_.GetReferenceTypeName(Id("test.registry.interface.second")).IsOk());
  EXPECT_FALSE(registry_.GetRegistryEntry(kRegistry, Id("test.registry.entry")).IsOk());
  EXPECT_TRUE(registry_.CreateObject(kProbeClass).IsOk());

  // Withdrawing the first module takes its declaration: a unit that needs it fails again.
  registry_.WithdrawTo(mark_);
  registry_.RecordSourceUnit("late_unit.cpp");
  registry_.RecordDependency(kFramework, "framework.h");
  registry_.RecordComponent(kThirdClass, sizeof(ProbeImpl), &ConstructProbe);
  registry_.RecordClass(kThirdClass);
  EXPECT_FALSE(registry_.CreateObject(kThirdClass).IsOk());
  EXPECT_FALSE(registry_.HasRegistry(kRegistry));
}

TEST_F(ClassRegistryTest, RegistryEntryIsCreatedOnceAndKept) {
  registry_.RecordRegistry(kRegistry);
  int made = 0;
  registry_.RecordRegistryEntry(kRegistry, Id("test.registry.entry"), [&made]() -> Result<Ref<ObjectInterface>> {
    ++made;
    return Ref<ObjectInterface>(ConstructProbe());
  });
  Result<Ref<ObjectInterface>> first = registry_.GetRegistryEntry(kRegistry, Id("test.registry.entry"));
  Result<Ref<ObjectInterface>> second = registry_.GetRegistryEntry(kRegistry, Id("test.registry.entry"));
  ASSERT_TRUE(first.IsOk());
  ASSERT_TRUE(second.IsOk());
  EXPECT_EQ(first->Get(), second->Get());
  EXPECT_EQ(made, 1);

  Result<Ref<ObjectInterface>> elsewhere = registry_.GetRegistryEntry(Id("test.registry.other"), Id("test.registry.entry"));
  ASSERT_FALSE(elsewhere.IsOk());
  EXPECT_EQ(elsewhere.GetError().GetMessage(),
            "Registry entry not found: 'test.registry.entry' in 'test.registry.other'");
}

TEST_F(ClassRegistryTest, FailedRegistryEntryIsRetriedOnTheNextRequest) {
  registry_.RecordRegistry(kRegistry);
  int attempts = 0;
  registry_.RecordRegistryEntry(kRegistry, Id("test.registry.entry"), [&attempts]() -> Result<Ref<ObjectInterface>> {
    if (++attempts == 1) return IllegalStateError("Not yet");
    return Ref<ObjectInterface>(ConstructProbe());
  });
  Result<Ref<ObjectInterface>> first = registry_.GetRegistryEntry(kRegistry, Id("test.registry.entry"));
  ASSERT_FALSE(first.IsOk());
  EXPECT_EQ(first.GetError().GetMessage(), "Not yet");
  EXPECT_TRUE(registry_.GetRegistryEntry(kRegistry, Id("test.registry.entry")).IsOk());
  EXPECT_EQ(attempts, 2);
}

TEST_F(ClassRegistryTest, ReferenceTypeNamesAreLookedUpByInterface) {
  registry_.RecordReferenceType(Id("test.registry.interface.probe"), "ProbeWidgetRef");
  EXPECT_EQ(*registry_.GetReferenceTypeName(Id("test.registry.interface.probe")), "ProbeWidgetRef");
  EXPECT_EQ(registry_.GetReferenceTypeName(Id("test.registry.interface.none")).GetError().GetKind(),
            ErrorKind::kNotFound);
}

}  // namespace
}  // namespace zarvo
