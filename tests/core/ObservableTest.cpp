#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/Observable.h"
#include "host/core/Types.h"

namespace zarvo {
namespace {

class Watcher final : public ObjectInterface {};

using ValueObservable = Observable<int>;

class ObservableTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(observable_->Init(owner_.Get(), "ObservableValueChanged").IsOk()); }

  // An observer that logs its name and the value, and succeeds.
  ValueObservable::Callback Logging(std::string name) {
    return [this, name](int value) -> Result<void> {
      log_.push_back(name + ":" + std::to_string(value));
      return Ok();
    };
  }

  Ref<Watcher> owner_ = MakeRef<Watcher>();
  Ref<ValueObservable> observable_ = MakeRef<ValueObservable>();
  std::vector<std::string> log_;
};

TEST_F(ObservableTest, InitNamesTheObservableAndItsOwner) {
  EXPECT_STREQ(observable_->GetObservableId(), "ObservableValueChanged");
  EXPECT_EQ(observable_->GetOwner(), owner_.Get());
  Result<void> unnamed = MakeRef<ValueObservable>()->Init(owner_.Get(), nullptr);
  ASSERT_FALSE(unnamed.IsOk());
  EXPECT_EQ(unnamed.GetError().GetKind(), ErrorKind::kNullReference);
}

TEST_F(ObservableTest, NotifiesInOrderOfRegistrationOrInverse) {
  observable_->AddObserver(Logging("a"));
  observable_->AddObserver(Logging("b"));
  observable_->AddObserver(Logging("c"));
  ASSERT_TRUE(observable_->Notify(1).IsOk());
  observable_->SetInverseNotification(true);
  ASSERT_TRUE(observable_->Notify(2).IsOk());
  EXPECT_EQ(log_, (std::vector<std::string>{"a:1", "b:1", "c:1", "c:2", "b:2", "a:2"}));
}

TEST_F(ObservableTest, ReturnsTheFirstErrorAfterTellingEveryone) {
  observable_->AddObserver(Logging("a"));
  observable_->AddObserver([this](int) -> Result<void> {
    log_.push_back("first failure");
    return IllegalStateError("First");
  });
  observable_->AddObserver([this](int) -> Result<void> {
    log_.push_back("second failure");
    return IllegalArgumentError("Second");
  });
  observable_->AddObserver(Logging("d"));
  Result<void> result = observable_->Notify(5);
  ASSERT_FALSE(result.IsOk());
  EXPECT_EQ(result.GetError().GetMessage(), "First");
  EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_EQ(log_, (std::vector<std::string>{"a:5", "first failure", "second failure", "d:5"}));
}

TEST_F(ObservableTest, ObserversMayRemoveThemselvesAndOthersWhileNotified) {
  ObserverHandle self = kNoObserver;
  ObserverHandle later = kNoObserver;
  self = observable_->AddObserver([&](int value) -> Result<void> {
    log_.push_back("self:" + std::to_string(value));
    EXPECT_TRUE(observable_->RemoveObserver(self));
    EXPECT_TRUE(observable_->RemoveObserver(later));
    return Ok();
  });
  observable_->AddObserver(Logging("stays"));
  later = observable_->AddObserver(Logging("later"));
  ASSERT_TRUE(observable_->Notify(1).IsOk());
  ASSERT_TRUE(observable_->Notify(2).IsOk());
  EXPECT_EQ(log_, (std::vector<std::string>{"self:1", "stays:1", "stays:2"}));
  EXPECT_EQ(observable_->GetObserverCount(), 1u);
  EXPECT_FALSE(observable_->RemoveObserver(self));
}

TEST_F(ObservableTest, ObserversAddedWhileNotifiedHearTheNextNotification) {
  observable_->AddObserver([this](int value) -> Result<void> {
    if (value == 1) observable_->AddObserver(Logging("added"));
    return Ok();
  });
  ASSERT_TRUE(observable_->Notify(1).IsOk());
  EXPECT_TRUE(log_.empty());
  ASSERT_TRUE(observable_->Notify(2).IsOk());
  EXPECT_EQ(log_, (std::vector<std::string>{"added:2"}));
}

TEST_F(ObservableTest, ObjectBoundObserversAreSkippedOnceTheirObjectDies) {
  Ref<Watcher> watcher = MakeRef<Watcher>();
  observable_->AddObserver(watcher.Get(), Logging("bound"));
  observable_->AddObserver(Logging("plain"));
  EXPECT_EQ(watcher->GetRefCount(), 1u);  // the observable does not keep it
  EXPECT_EQ(observable_->GetObserverCount(), 2u);
  watcher.Reset();
  EXPECT_EQ(observable_->GetObserverCount(), 1u);
  ASSERT_TRUE(observable_->Notify(3).IsOk());
  EXPECT_EQ(log_, (std::vector<std::string>{"plain:3"}));
}

TEST_F(ObservableTest, DisconnectAllRemovesOneKindAtATime) {
  Ref<Watcher> first = MakeRef<Watcher>();
  Ref<Watcher> second = MakeRef<Watcher>();
  observable_->AddObserver(first.Get(), Logging("first"));
  observable_->AddObserver(second.Get(), Logging("second"));
  observable_->AddObserver(Logging("plain"));
  EXPECT_EQ(observable_->GetObserverCount(), 3u);

  observable_->DisconnectAll(first.Get(), DisconnectMode::kObjectObservers);
  ASSERT_TRUE(observable_->Notify(1).IsOk());
  EXPECT_EQ(log_, (std::vector<std::string>{"second:1", "plain:1"}));

  observable_->DisconnectAll(nullptr, DisconnectMode::kPlainObservers);
  EXPECT_EQ(observable_->GetObserverCount(), 1u);
  observable_->DisconnectAll(nullptr, DisconnectMode::kObjectObservers);
  EXPECT_EQ(observable_->GetObserverCount(), 0u);
}

TEST_F(ObservableTest, DisconnectingBothKindsAsFreeComponentDoesLeavesNoObserver) {
  Ref<Watcher> watcher = MakeRef<Watcher>();
  observable_->AddObserver(watcher.Get(), Logging("bound"));
  observable_->AddObserver(Logging("plain"));
  observable_->DisconnectAll(nullptr, static_cast<DisconnectMode>(0));
  observable_->DisconnectAll(nullptr, static_cast<DisconnectMode>(1));
  EXPECT_EQ(observable_->GetObserverCount(), 0u);
  ASSERT_TRUE(observable_->Notify(1).IsOk());
  EXPECT_TRUE(log_.empty());
}

TEST_F(ObservableTest, DisconnectAllDuringNotificationStopsTheRest) {
  observable_->AddObserver([this](int) -> Result<void> {
    observable_->DisconnectAll(nullptr, DisconnectMode::kPlainObservers);
    return Ok();
  });
  observable_->AddObserver(Logging("after"));
  ASSERT_TRUE(observable_->Notify(1).IsOk());
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(observable_->GetObserverCount(), 0u);
}

TEST_F(ObservableTest, SurvivesAnObserverDroppingTheLastReference) {
  observable_->AddObserver([this](int) -> Result<void> {
    observable_.Reset();  // the notification holds the observable until it ends
    return Ok();
  });
  observable_->AddObserver(Logging("next"));
  ValueObservable* raw = observable_.Get();
  ASSERT_TRUE(raw->Notify(4).IsOk());
  EXPECT_EQ(log_, (std::vector<std::string>{"next:4"}));
}

TEST_F(ObservableTest, PassesEveryArgument) {
  Ref<Observable<const Ref<Watcher>&, Float, Bool>> changed =
      MakeRef<Observable<const Ref<Watcher>&, Float, Bool>>();
  ASSERT_TRUE(changed->Init(owner_.Get(), "ObservableValueChanged").IsOk());
  Float seen = 0.0;
  changed->AddObserver([&](const Ref<Watcher>& sender, Float value, Bool flag) -> Result<void> {
    EXPECT_EQ(sender.Get(), owner_.Get());
    EXPECT_TRUE(flag);
    seen = value;
    return Ok();
  });
  ASSERT_TRUE(changed->Notify(owner_, 2.5, true).IsOk());
  EXPECT_DOUBLE_EQ(seen, 2.5);
}

}  // namespace
}  // namespace zarvo
