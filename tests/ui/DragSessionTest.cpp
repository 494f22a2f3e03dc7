#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/DragSession.h"
#include "host/ui/EventKeys.h"
#include "host/ui/WidgetBase.h"

namespace zarvo {
namespace {

const Id kPayloadKey("net.zarvo.test.draganddrop.payload");

// Records what the session tells it; takes the data when `accepting`.
class ProbeTarget final : public WidgetBase {
 public:
  ProbeTarget(std::string name, std::vector<std::string>* log) : name_(std::move(name)), log_(log) {}
  bool GetAcceptDragAndDrop() const override { return true; }
  Result<bool> HandleDragAndDrop(const DataDictionary& event) override {
    EventReader reader(&event);
    ZV_TRY_ASSIGN(EVENT type, reader.GetType());
    ZV_TRY_ASSIGN(Int payload, event.GetRequired<Int>(kPayloadKey));
    const char* what = type == EVENT::DND_ENTER  ? "enter"
                       : type == EVENT::DND_DRAG ? "drag"
                       : type == EVENT::DND_DROP ? "drop"
                                                 : "leave";
    log_->push_back(name_ + " " + what + " " + std::to_string(payload));
    return accepting_;
  }
  bool accepting_ = true;

 private:
  std::string name_;
  std::vector<std::string>* log_;
};

class DragSessionTest : public testing::Test {
 protected:
  void SetUp() override {
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 200, 100});
    ASSERT_TRUE(window.IsOk());
    window_ = *window;
    left_ = AddTarget("left", {0, 0});
    right_ = AddTarget("right", {100, 0});
    // A plain widget inside the right target: drops on it go to the target around it.
    inner_ = MakeRef<WidgetBase>();
    ASSERT_TRUE(right_->InsertChildLast(inner_).IsOk());
    ASSERT_TRUE(inner_->SetLocalSize(20.0, 20.0).IsOk());
    inner_->SetLocalPosition({10, 10});
    ASSERT_TRUE(window_->Update().IsOk());
    DataDictionary data;
    data.Set(kPayloadKey, Int{7});
    Result<std::unique_ptr<DragSession>> session = DragSession::Start(*window_->GetAppWidget(), {5, 90}, data);
    ASSERT_TRUE(session.IsOk());
    session_ = std::move(*session);
  }
  Ref<ProbeTarget> AddTarget(const char* name, Vector2d position) {
    Ref<ProbeTarget> target = MakeRef<ProbeTarget>(name, &log_);
    EXPECT_TRUE(window_->GetAppWidget()->InsertChildLast(target).IsOk());
    EXPECT_TRUE(target->SetLocalSize(80.0, 60.0).IsOk());
    target->SetLocalPosition(position);
    return target;
  }
  DRAGANDDROP_RESPONSE Move(Vector2d position) {
    Result<DRAGANDDROP_RESPONSE> response = session_->Move(position);
    EXPECT_TRUE(response.IsOk()) << response.GetError().ToString();
    return response.IsOk() ? *response : DRAGANDDROP_RESPONSE::MENU;
  }

  std::vector<std::string> log_;
  Ref<AppWindow> window_;
  Ref<ProbeTarget> left_;
  Ref<ProbeTarget> right_;
  Ref<WidgetBase> inner_;
  std::unique_ptr<DragSession> session_;
};

TEST_F(DragSessionTest, TargetsHearEnterDragAndLeaveAsThePointerCrossesThem) {
  EXPECT_EQ(Move({5, 90}), DRAGANDDROP_RESPONSE::NONE) << "nothing accepts below the targets";
  EXPECT_EQ(session_->GetTarget(), nullptr);
  EXPECT_EQ(Move({40, 30}), DRAGANDDROP_RESPONSE::MOVE);
  EXPECT_EQ(Move({50, 30}), DRAGANDDROP_RESPONSE::MOVE);
  EXPECT_EQ(Move({115, 15}), DRAGANDDROP_RESPONSE::MOVE) << "the plain widget's target";
  EXPECT_EQ(session_->GetTarget(), right_.Get());
  EXPECT_EQ(Move({190, 90}), DRAGANDDROP_RESPONSE::NONE);
  EXPECT_EQ(log_, (std::vector<std::string>{"left enter 7", "left drag 7", "left drag 7", "left leave 7",
                                            "right enter 7", "right drag 7", "right leave 7"}));
}

TEST_F(DragSessionTest, TheDropGoesToTheAcceptingTargetAndEndsTheSession) {
  session_->SetOfferedResponse(DRAGANDDROP_RESPONSE::COPY);
  EXPECT_EQ(Move({40, 30}), DRAGANDDROP_RESPONSE::COPY);
  Result<DRAGANDDROP_RESPONSE> dropped = session_->Drop({45, 30});
  ASSERT_TRUE(dropped.IsOk());
  EXPECT_EQ(*dropped, DRAGANDDROP_RESPONSE::COPY);
  EXPECT_EQ(log_.back(), "left drop 7");
  EXPECT_FALSE(session_->IsRunning());
  Result<DRAGANDDROP_RESPONSE> after = session_->Move({50, 30});
  ASSERT_FALSE(after.IsOk());
  EXPECT_EQ(after.GetError().GetMessage(), "Drag session has ended");
}

TEST_F(DragSessionTest, ARefusingTargetGetsNoDrop) {
  left_->accepting_ = false;
  EXPECT_EQ(Move({40, 30}), DRAGANDDROP_RESPONSE::NONE);
  Result<DRAGANDDROP_RESPONSE> dropped = session_->Drop({40, 30});
  ASSERT_TRUE(dropped.IsOk());
  EXPECT_EQ(*dropped, DRAGANDDROP_RESPONSE::NONE);
  EXPECT_EQ(std::count(log_.begin(), log_.end(), "left drop 7"), 0);
}

TEST_F(DragSessionTest, CancelTellsTheTargetItWasLeft) {
  EXPECT_EQ(Move({115, 15}), DRAGANDDROP_RESPONSE::MOVE);
  ASSERT_TRUE(session_->Cancel().IsOk());
  EXPECT_EQ(log_.back(), "right leave 7");
  EXPECT_FALSE(session_->IsRunning());
  EXPECT_FALSE(session_->Cancel().IsOk()) << "once";
}

}  // namespace
}  // namespace zarvo
