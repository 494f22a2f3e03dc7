#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "host/ui/WidgetBase.h"

namespace zarvo {
namespace {

// A widget that records the hooks the host calls, in a log shared by a tree.
class ProbeWidget final : public WidgetBase {
 public:
  ProbeWidget(std::vector<std::string>& log, std::string name, Vector2d size = {20, 10})
      : log_(log), size_(size) {
    SetName(name);
  }
  Result<void> CreateLayout() override {
    ZV_TRY(WidgetBase::CreateLayout());
    log_.push_back(GetName() + ".CreateLayout");
    return Ok();
  }
  Result<void> LayoutBegin() override {
    log_.push_back(GetName() + ".Begin");
    return Ok();
  }
  Result<void> LayoutPass1() override {
    log_.push_back(GetName() + ".Pass1");
    if (!GetFirstChild()) return SetLocalSize(size_.x, size_.y);
    // Stack children vertically.
    Float width = 0.0, height = 0.0;
    for (WidgetInterface* c = GetFirstChildWidget(); c; c = c->GetNextWidget()) {
      width = std::max(width, c->GetParentLocalSize().x);
      height += c->GetParentLocalSize().y;
    }
    return SetLocalSize(width, height);
  }
  Result<void> LayoutPass2() override {
    log_.push_back(GetName() + ".Pass2");
    Float y = 0.0;
    for (WidgetInterface* c = GetFirstChildWidget(); c; c = c->GetNextWidget()) {
      c->SetLocalPosition({0.0, y});
      y += c->GetParentLocalSize().y;
    }
    return Ok();
  }
  Result<bool> HandleEvent(const DataDictionary* event) override {
    Result<EVENT> type = EventReader(event).GetType();
    if (!type.IsOk()) return false;
    log_.push_back(GetName() + ".Event" + std::to_string(static_cast<int>(*type)));
    return consume_;
  }
  Result<void> HandleCursorInfo(Vector2d) override {
    log_.push_back(GetName() + ".Cursor");
    return Ok();
  }
  void SetSize(Vector2d size) {
    size_ = size;
    RequestLayout();
  }
  bool consume_ = false;

 private:
  std::vector<std::string>& log_;
  Vector2d size_;
};

class AppWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    Result<Ref<AppWindow>> created = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 200, 100}, "test");
    ASSERT_TRUE(created.IsOk()) << created.GetError().ToString();
    window_ = *created;
    root_ = MakeRef<ProbeWidget>(log_, "root");
    a_ = MakeRef<ProbeWidget>(log_, "a", Vector2d{40, 10});
    b_ = MakeRef<ProbeWidget>(log_, "b", Vector2d{30, 20});
    ASSERT_TRUE(root_->InsertChildLast(a_).IsOk());
    ASSERT_TRUE(root_->InsertChildLast(b_).IsOk());
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(root_).IsOk());
  }
  Result<void> Update() { return window_->Update(); }

  std::vector<std::string> log_;
  Ref<AppWindow> window_;
  Ref<ProbeWidget> root_, a_, b_;
};

TEST_F(AppWidgetTest, FirstLayoutCreatesOnceMeasuresChildrenFirstAndPlacesParentsFirst) {
  ASSERT_TRUE(Update().IsOk());
  // One walk down and up begins and measures each subtree; a second one places.
  const std::vector<std::string> expected = {
      "root.CreateLayout", "root.Begin", "a.CreateLayout", "a.Begin", "a.Pass1", "b.CreateLayout", "b.Begin",
      "b.Pass1", "root.Pass1", "root.Pass2", "a.Pass2", "b.Pass2"};
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(root_->GetLocalPixSize(), (Vector2d{40, 30}));
  EXPECT_EQ(b_->GetLocalPosition(), (Vector2d{0, 10}));
  EXPECT_EQ(b_->GetGlobalFrame(), (Rect{0, 10, 30, 30}));
}

TEST_F(AppWidgetTest, ARelayoutRevisitsOnlyWhatChangedAndWhatItTouches) {
  ASSERT_TRUE(Update().IsOk());
  log_.clear();
  ASSERT_TRUE(Update().IsOk());
  EXPECT_TRUE(log_.empty()) << "nothing changed, nothing runs";
  a_->SetSize({50, 15});
  ASSERT_TRUE(Update().IsOk());
  const std::vector<std::string> expected = {"a.Begin", "a.Pass1", "root.Pass1", "root.Pass2", "a.Pass2"};
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(b_->GetLocalPosition(), (Vector2d{0, 15}));
}

TEST_F(AppWidgetTest, InvalidatingASubtreeLaysOutEveryWidgetInItAndNothingElse) {
  ASSERT_TRUE(Update().IsOk());
  log_.clear();
  window_->GetAppWidget()->InvalidateLayout(root_.Get());
  ASSERT_TRUE(Update().IsOk());
  const std::vector<std::string> all = {"root.Begin", "a.Begin", "a.Pass1", "b.Begin", "b.Pass1",
                                        "root.Pass1", "root.Pass2", "a.Pass2", "b.Pass2"};
  EXPECT_EQ(log_, all);
  log_.clear();
  window_->GetAppWidget()->InvalidateLayout(b_.Get());
  ASSERT_TRUE(Update().IsOk());
  const std::vector<std::string> one = {"b.Begin", "b.Pass1", "b.Pass2"};
  EXPECT_EQ(log_, one);
  log_.clear();
  ASSERT_TRUE(Update().IsOk());
  EXPECT_TRUE(log_.empty()) << "the marks are gone after the run";
}

TEST_F(AppWidgetTest, AResizedWindowResizesTheChildrenThatInheritItsSize) {
  auto fill = MakeRef<ProbeWidget>(log_, "fill");
  fill->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  fill->SetInheritParentSize(true, WIDGET_DIRECTION::VERTICAL);
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(fill).IsOk());
  ASSERT_TRUE(Update().IsOk());
  EXPECT_EQ(fill->GetLocalPixSize(), (Vector2d{200, 100}));
  log_.clear();
  ASSERT_TRUE(window_->GetHostCanvas()->GetOsWindow()->SetFrame(Rect{0, 0, 320, 150}).IsOk());
  ASSERT_TRUE(Update().IsOk());
  EXPECT_EQ(fill->GetLocalPixSize(), (Vector2d{320, 150}));
  EXPECT_EQ(root_->GetLocalPixSize(), (Vector2d{40, 30})) << "a child of its own size keeps it";
  EXPECT_EQ(log_, std::vector<std::string>{"fill.Pass2"});
}

TEST_F(AppWidgetTest, PressCapturesThePointerAndUnconsumedEventsBubble) {
  ASSERT_TRUE(Update().IsOk());
  EventDriver driver(*window_);
  log_.clear();
  Result<bool> pressed = driver.Press({5, 15});
  ASSERT_TRUE(pressed.IsOk());
  EXPECT_FALSE(*pressed);
  const std::vector<std::string> bubbled = {"b.Event10", "root.Event10"};
  EXPECT_EQ(log_, bubbled);
  log_.clear();
  b_->consume_ = true;
  // The drag and the release go to the widget that took the press, wherever the pointer is.
  ASSERT_TRUE(driver.Drag({150, 80}).IsOk());
  Result<bool> released = driver.Release({150, 80});
  ASSERT_TRUE(released.IsOk());
  EXPECT_TRUE(*released);
  const std::vector<std::string> captured = {"b.Event11", "b.Event12"};
  EXPECT_EQ(log_, captured);
}

TEST_F(AppWidgetTest, CursorInfosReachWidgetsUnderThePointerAndThoseJustLeft) {
  ASSERT_TRUE(Update().IsOk());
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Move({5, 5}).IsOk());
  log_.clear();
  ASSERT_TRUE(driver.Move({5, 15}).IsOk());
  EXPECT_NE(std::find(log_.begin(), log_.end(), "b.Cursor"), log_.end());
  EXPECT_NE(std::find(log_.begin(), log_.end(), "a.Cursor"), log_.end()) << "a was just left";
}

TEST_F(AppWidgetTest, TabWalksWidgetsThatAcceptTabFocusBothWays) {
  a_->SetAcceptTabFocus(true);
  b_->SetAcceptTabFocus(true);
  ASSERT_TRUE(Update().IsOk());
  EventDriver driver(*window_);
  AppWidgetInterface* app = window_->GetAppWidget();
  ASSERT_TRUE(driver.KeyDown(KEY::TAB).IsOk());
  EXPECT_EQ(app->GetFocusWidget(), a_.Get());
  ASSERT_TRUE(driver.KeyDown(KEY::TAB).IsOk());
  EXPECT_EQ(app->GetFocusWidget(), b_.Get());
  ASSERT_TRUE(driver.KeyDown(KEY::TAB, MODIFIER::SHIFT).IsOk());
  EXPECT_EQ(app->GetFocusWidget(), a_.Get());
  // Keys go to the focus widget first.
  log_.clear();
  ASSERT_TRUE(driver.KeyDown('x').IsOk());
  EXPECT_EQ(log_.front(), "a.Event100");
}

TEST_F(AppWidgetTest, AWidgetRemovedWhileItHandlesAnEventEndsTheBubbling) {
  ASSERT_TRUE(Update().IsOk());
  EventDriver driver(*window_);
  log_.clear();
  Ref<ProbeWidget> keep = b_;
  b_->Remove();
  b_ = nullptr;
  Result<bool> pressed = driver.Press({5, 15});
  ASSERT_TRUE(pressed.IsOk());
  EXPECT_EQ(std::find(log_.begin(), log_.end(), "b.Event10"), log_.end());
}

TEST_F(AppWidgetTest, DrawingPaintsTheBackgroundOnlyWhereDamaged) {
  a_->SetBackgroundVisibility(true);
  a_->SetBackgroundColor({1, 0, 0, 1});
  ASSERT_TRUE(Update().IsOk());
  Canvas* canvas = window_->GetHostCanvas();
  EXPECT_EQ(canvas->GetLastDrawnArea(), (Rect{0, 0, 200, 100}));
  b_->SetBackgroundVisibility(true);
  b_->SetBackgroundColor({0, 0, 1, 1});
  ASSERT_TRUE(Update().IsOk());
  const Rect drawn = canvas->GetLastDrawnArea();
  EXPECT_TRUE(drawn.Intersects(b_->GetGlobalFrame()));
  EXPECT_LT(drawn.Width() * drawn.Height(), 200.0 * 100.0 / 4) << "only b's area was drawn again";
}

// Sizes itself while placing, as a flexbox does.
class SelfSizingWidget final : public WidgetBase {
 public:
  Result<void> LayoutPass2() override { return SetLocalSize(50.0, 25.0); }
};

TEST_F(AppWidgetTest, AParentMeasuresAgainWhenAChildSizedItselfWhilePlacing) {
  Ref<SelfSizingWidget> flow = MakeRef<SelfSizingWidget>();
  ASSERT_TRUE(root_->InsertChildLast(flow).IsOk());
  ASSERT_TRUE(Update().IsOk());
  EXPECT_EQ(root_->GetLocalPixSize(), (Vector2d{50, 55})) << "one update settles the sizes";
  log_.clear();
  ASSERT_TRUE(Update().IsOk());
  EXPECT_TRUE(log_.empty());
}

}  // namespace
}  // namespace zarvo
