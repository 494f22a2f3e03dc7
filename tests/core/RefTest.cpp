#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/Ref.h"

namespace zarvo {
namespace {

class NamedInterface : public virtual ObjectInterface {
 public:
  virtual std::string GetLabel() const = 0;
};

class SizedInterface : public virtual ObjectInterface {
 public:
  virtual int GetSize() const = 0;
};

class UnusedInterface : public virtual ObjectInterface {};

// Implements two interfaces and records its lifecycle.
class Probe final : public NamedInterface, public SizedInterface {
 public:
  explicit Probe(std::vector<std::string>* log = nullptr) : log_(log) {}
  ~Probe() override {
    if (log_) log_->push_back("destroyed");
  }
  void FreeComponent() override {
    if (log_) log_->push_back("freed");
  }
  std::string GetLabel() const override { return "probe"; }
  int GetSize() const override { return 3; }

 private:
  std::vector<std::string>* log_;
};

TEST(RefTest, CountsFollowCopiesMovesAndResets) {
  Ref<Probe> first = MakeRef<Probe>();
  EXPECT_EQ(first->GetRefCount(), 1u);
  Ref<Probe> second = first;
  EXPECT_EQ(first->GetRefCount(), 2u);
  Ref<Probe> third = std::move(second);
  EXPECT_FALSE(second);
  EXPECT_EQ(first->GetRefCount(), 2u);
  third.Reset();
  EXPECT_EQ(first->GetRefCount(), 1u);
  first = first;  // self-assignment keeps the object
  EXPECT_EQ(first->GetRefCount(), 1u);
}

TEST(RefTest, LastReleaseFreesTheComponentThenDestroys) {
  std::vector<std::string> log;
  {
    Ref<Probe> ref = MakeRef<Probe>(&log);
    Ref<Probe> copy = ref;
    ref.Reset();
    EXPECT_TRUE(log.empty());
  }
  EXPECT_EQ(log, (std::vector<std::string>{"freed", "destroyed"}));
}

TEST(RefTest, CastReachesOtherInterfacesOfTheSameObject) {
  Ref<NamedInterface> named = MakeRef<Probe>();
  Ref<SizedInterface> sized = Cast<SizedInterface>(named);
  ASSERT_TRUE(sized);
  EXPECT_EQ(sized->GetSize(), 3);
  EXPECT_EQ(named->GetRefCount(), 2u);
  EXPECT_EQ(named.Identity(), sized.Identity());

  EXPECT_FALSE(Cast<UnusedInterface>(named));
  EXPECT_FALSE(Cast<SizedInterface>(Ref<NamedInterface>()));
  Ref<ObjectInterface> root = Cast<ObjectInterface>(sized);
  EXPECT_EQ(root.Identity(), named.Identity());
}

TEST(RefTest, UpcastsConvertImplicitly) {
  Ref<Probe> probe = MakeRef<Probe>();
  Ref<NamedInterface> named = probe;
  EXPECT_EQ(probe->GetRefCount(), 2u);
  Ref<ObjectInterface> moved = Ref<SizedInterface>(std::move(probe));
  EXPECT_FALSE(probe);
  EXPECT_EQ(moved->GetRefCount(), 2u);
  EXPECT_EQ(moved.Identity(), named.Identity());
}

TEST(WeakRefTest, LocksWhileTheTargetLivesWithoutKeepingIt) {
  Ref<Probe> strong = MakeRef<Probe>();
  WeakRef<Probe> weak = strong;
  EXPECT_EQ(strong->GetRefCount(), 1u);
  EXPECT_TRUE(weak.IsSet());
  EXPECT_TRUE(weak.IsAlive());
  EXPECT_EQ(weak.GetUnsafe(), strong.Get());
  {
    Ref<Probe> locked = weak.Lock();
    ASSERT_TRUE(locked);
    EXPECT_EQ(strong->GetRefCount(), 2u);
  }
  Result<Ref<Probe>> resolved = weak.Resolve();
  ASSERT_TRUE(resolved.IsOk());
  EXPECT_EQ(resolved->Get(), strong.Get());
}

TEST(WeakRefTest, ReportsMissingWidgetLinkAfterRelease) {
  std::vector<std::string> log;
  Ref<Probe> strong = MakeRef<Probe>(&log);
  WeakRef<Probe> weak = strong;
  WeakRef<Probe> copy = weak;
  strong.Reset();
  EXPECT_EQ(log, (std::vector<std::string>{"freed", "destroyed"}));

  EXPECT_TRUE(weak.IsSet());
  EXPECT_FALSE(weak.IsAlive());
  EXPECT_FALSE(weak.Lock());
  EXPECT_EQ(weak.GetUnsafe(), nullptr);
  Result<Ref<Probe>> resolved = copy.Resolve();
  ASSERT_FALSE(resolved.IsOk());
  EXPECT_EQ(resolved.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_EQ(resolved.GetError().GetMessage(), "Missing widget link");
}

TEST(WeakRefTest, EmptyLinkResolvesToTheGivenMessage) {
  WeakRef<Probe> empty;
  EXPECT_FALSE(empty.IsSet());
  EXPECT_EQ(empty.Resolve().GetError().GetMessage(), "Missing widget link");
  EXPECT_EQ(empty.Resolve("Widget link not set.").GetError().GetMessage(), "Widget link not set.");
}

TEST(WeakRefTest, ObserversThroughDifferentInterfacesShareOneControl) {
  Ref<Probe> strong = MakeRef<Probe>();
  WeakRef<NamedInterface> named{Ref<NamedInterface>(strong)};
  WeakRef<SizedInterface> sized{Ref<SizedInterface>(strong)};
  EXPECT_EQ(named.Lock()->GetLabel(), "probe");
  EXPECT_EQ(sized.Lock()->GetSize(), 3);
  strong.Reset();
  EXPECT_FALSE(named.IsAlive());
  EXPECT_FALSE(sized.IsAlive());
}

TEST(WeakRefTest, AssignmentAndResetReleaseTheLink) {
  Ref<Probe> first = MakeRef<Probe>();
  Ref<Probe> second = MakeRef<Probe>();
  WeakRef<Probe> weak = first;
  weak = WeakRef<Probe>(second);
  EXPECT_EQ(weak.GetUnsafe(), second.Get());
  weak.Reset();
  EXPECT_FALSE(weak.IsSet());
  EXPECT_EQ(first->GetRefCount(), 1u);
  EXPECT_EQ(second->GetRefCount(), 1u);
}

}  // namespace
}  // namespace zarvo
