#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "host/ui/WidgetBase.h"

namespace zarvo {
namespace {

std::vector<std::string>* gActionLog = nullptr;

// Records how the app widget drives it.
class ProbeAction final : public virtual ActionInterface {
 public:
  Result<bool> Begin(WidgetInterface*, const DataDictionary&) override {
    gActionLog->push_back("Begin");
    return true;
  }
  bool GetAllowed(const DataDictionary&) const override { return true; }
  Result<void> While(const DataDictionary& event) override {
    Result<Vector2d> position = EventReader(&event).GetPosition();
    gActionLog->push_back("While " + std::to_string(static_cast<int>(position->x)));
    return Ok();
  }
  Result<void> End(const DataDictionary&) override {
    gActionLog->push_back("End");
    return Ok();
  }
  Result<void> Cancel() override {
    gActionLog->push_back("Cancel");
    return Ok();
  }
  Result<void> DrawAction(CanvasInterface&) override {
    gActionLog->push_back("Draw");
    return Ok();
  }
};

// Starts the probe action when pressed.
class DragSource final : public WidgetBase {
 public:
  Result<bool> HandleEvent(const DataDictionary* event) override {
    EventReader reader(event);
    Result<EVENT> type = reader.GetType();
    if (!type.IsOk() || *type != EVENT::BUTTON_DOWN) return false;
    AppWidgetInterface* app = GetAppWidget();
    ZV_TRY_ASSIGN(ActionRef action, app->CreateAction(Id("net.zarvo.test.actionclasses.probe")));
    return app->StartAction(action, this, *event);
  }
};

class ActionTest : public testing::Test {
 protected:
  void SetUp() override {
    gActionLog = &log_;
    mark_ = ClassRegistry::Get().GetMark();
    ClassRegistry::Get().RecordComponent(Id("net.zarvo.test.actionclasses.probe"), sizeof(ProbeAction),
                                         [] { return static_cast<ObjectInterface*>(new ProbeAction); });
    ClassRegistry::Get().RecordClass(Id("net.zarvo.test.actionclasses.probe"));
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 100, 100});
    ASSERT_TRUE(window.IsOk());
    window_ = *window;
    source_ = MakeRef<DragSource>();
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(source_).IsOk());
    ASSERT_TRUE(source_->SetLocalSize(50.0, 50.0).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
  }
  void TearDown() override {
    window_ = nullptr;
    ClassRegistry::Get().WithdrawTo(mark_);
    gActionLog = nullptr;
  }

  std::vector<std::string> log_;
  size_t mark_ = 0;
  Ref<AppWindow> window_;
  Ref<DragSource> source_;
};

TEST_F(ActionTest, DragsGoToTheRunningActionAndTheReleaseEndsIt) {
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Press({10, 10}).IsOk());
  EXPECT_TRUE(window_->GetAppWidget()->IsActionRunning());
  ASSERT_TRUE(driver.Drag({30, 10}).IsOk());
  ASSERT_TRUE(driver.Drag({90, 10}).IsOk());
  ASSERT_TRUE(driver.Release({90, 10}).IsOk());
  EXPECT_FALSE(window_->GetAppWidget()->IsActionRunning());
  std::vector<std::string> withoutDraws;
  for (const std::string& entry : log_) {
    if (entry != "Draw") withoutDraws.push_back(entry);
  }
  EXPECT_EQ(withoutDraws, (std::vector<std::string>{"Begin", "While 30", "While 90", "End"}));
  EXPECT_NE(std::find(log_.begin(), log_.end(), "Draw"), log_.end()) << "a running action draws over the window";
}

TEST_F(ActionTest, EscapeCancelsTheRunningAction) {
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Press({10, 10}).IsOk());
  Result<bool> escaped = driver.KeyDown(KEY::ESCAPE);
  ASSERT_TRUE(escaped.IsOk());
  EXPECT_TRUE(*escaped);
  EXPECT_FALSE(window_->GetAppWidget()->IsActionRunning());
  EXPECT_EQ(log_.back(), "Cancel");
  // The release that follows reaches the widgets again, not the cancelled action.
  ASSERT_TRUE(driver.Release({10, 10}).IsOk());
  EXPECT_EQ(std::count(log_.begin(), log_.end(), "End"), 0);
}

TEST_F(ActionTest, AnUnknownActionClassIsAnErrorOfThePress) {
  ClassRegistry::Get().WithdrawTo(mark_);
  EventDriver driver(*window_);
  Result<bool> pressed = driver.Press({10, 10});
  ASSERT_FALSE(pressed.IsOk());
  EXPECT_EQ(pressed.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_FALSE(window_->GetAppWidget()->IsActionRunning());
}

TEST_F(ActionTest, EventRecordsWithoutTypeOrWithUnknownTypeAreNotConsumed) {
  EventDriver driver(*window_);
  DataDictionary noType;
  noType.Set(EventKeys::Position(), Vector2d{10, 10});
  Result<bool> first = driver.Send(noType);
  ASSERT_TRUE(first.IsOk());
  EXPECT_FALSE(*first);
  DataDictionary unknown = MakeMouseEvent(EVENT::MOUSE_MOVE, {10, 10});
  unknown.Set(EventKeys::EventType(), Int32{999});
  Result<bool> second = driver.Send(unknown);
  ASSERT_TRUE(second.IsOk());
  EXPECT_FALSE(*second);
  DataDictionary wrongType = MakeMouseEvent(EVENT::BUTTON_DOWN, {10, 10});
  wrongType.Set(EventKeys::Position(), String("ten, ten"));
  Result<bool> third = driver.Send(wrongType);
  ASSERT_FALSE(third.IsOk());
  EXPECT_NE(third.GetError().GetMessage().find("net.zarvo.ui.message.position"), std::string::npos);
}

TEST(WidgetGeometryTest, NaNAndNegativeSizesBecomeZeroAndModesApply) {
  Ref<WidgetBase> widget = MakeRef<WidgetBase>();
  ASSERT_TRUE(widget->SetLocalSize(std::nan(""), -5.0).IsOk());
  EXPECT_EQ(widget->GetLocalPixSize(), (Vector2d{0, 0}));
  widget->SetSizeMode(WIDGET_SIZE::MIN_MAX, WIDGET_DIRECTION::HORIZONTAL);
  widget->SetMinSize(CanvasUnitValue::Pix(10), WIDGET_DIRECTION::HORIZONTAL);
  widget->SetMaxSize(CanvasUnitValue::Rem(2), WIDGET_DIRECTION::HORIZONTAL);
  EXPECT_EQ(widget->GetLocalPixSize().x, 10.0) << "a new minimum applies to the current size";
  ASSERT_TRUE(widget->SetLocalSize(100.0, 5.0).IsOk());
  EXPECT_EQ(widget->GetLocalSize().width, CanvasUnitValue::Rem(2)) << "the limit keeps its unit";
  EXPECT_EQ(widget->GetLocalPixSize().x, 2 * kDefaultRemBase);
  widget->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::VERTICAL);
  widget->SetFixedSize(CanvasUnitValue::Fon(22), WIDGET_DIRECTION::VERTICAL);
  EXPECT_DOUBLE_EQ(widget->GetLocalPixSize().y, 2.0 * kDefaultRemBase);
  ASSERT_TRUE(widget->SetLocalSize(100.0, 500.0).IsOk());
  EXPECT_DOUBLE_EQ(widget->GetLocalPixSize().y, 2.0 * kDefaultRemBase) << "FIXED ignores what is given";
}

TEST(WidgetGeometryTest, CoordinatesConvertThroughScaledParents) {
  Ref<WidgetBase> parent = MakeRef<WidgetBase>();
  Ref<WidgetBase> child = MakeRef<WidgetBase>();
  ASSERT_TRUE(parent->InsertChildLast(child).IsOk());
  parent->SetLocalPosition({100, 50});
  parent->SetLocalScale({2, 2});
  child->SetLocalPosition({10, 5});
  ASSERT_TRUE(child->SetLocalSize(20.0, 10.0).IsOk());
  EXPECT_EQ(child->GetGlobalFrame(), (Rect{120, 60, 160, 80}));
  EXPECT_EQ(child->GlobalToLocalPosition({140, 70}), (Vector2d{10, 5}));
  EXPECT_EQ(child->LocalToGlobalSize({1, 1}), (Vector2d{2, 2}));
  EXPECT_EQ(child->GetParentLocalSize(), (Vector2d{20, 10}));
}

}  // namespace
}  // namespace zarvo
