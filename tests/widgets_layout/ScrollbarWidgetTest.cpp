#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "host/core/HostClock.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/EventKeys.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/ScrollSliderWidgetInterface.h"
#include "source/interfaces/ScrollbarWidgetInterface.h"
#include "source/widgets_layout/ScrollbarWidgetImpl.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

using std::chrono::milliseconds;

constexpr WIDGET_DIRECTION kH = WIDGET_DIRECTION::HORIZONTAL;
constexpr WIDGET_DIRECTION kV = WIDGET_DIRECTION::VERTICAL;

ScrollbarWidgetRef MakeBar(WIDGET_DIRECTION direction) {
  ScrollbarWidgetRef bar = test::NewObject<ScrollbarWidgetInterface>(kScrollbarWidgetClassId);
  if (!bar) return bar;
  bar->SetDirection(direction);
  EXPECT_TRUE(bar->CreateLayout().IsOk());
  return bar;
}

WidgetInterface* ChildOf(const ScrollbarWidgetRef& bar, Int x, Int y) {
  Result<CellWidgetRef> cell = bar->GetCell(x, y);
  return cell.IsOk() && *cell ? (*cell)->GetFirstChildWidget() : nullptr;
}

// Records every notification of a bar by its observable's name, in order.
class ScrollbarWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    bar_ = MakeBar(kV);
    ASSERT_TRUE(bar_);
    Watch(bar_->ObservableScrollKeyBackward());
    Watch(bar_->ObservableScrollKeyForward());
    Watch(bar_->ObservableScrollPageUp());
    Watch(bar_->ObservableScrollPageDown());
    Watch(bar_->ObservableScrollHome());
    Watch(bar_->ObservableScrollEnd());
    bar_->ObservableScroll()->AddObserver([this](const ScrollbarWidgetRef& sender, Vector2d scroll) -> Result<void> {
      EXPECT_EQ(sender, bar_);
      fired_.push_back("ObservableScroll " + std::to_string(static_cast<int>(scroll.x)) + "," +
                       std::to_string(static_cast<int>(scroll.y)));
      return Ok();
    });
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }

  void Watch(const Ref<ScrollbarObservable>& observable) {
    observable->AddObserver([this, name = std::string(observable->GetObservableId())](
                                const ScrollbarWidgetRef& sender) -> Result<void> {
      EXPECT_EQ(sender, bar_);
      fired_.push_back(name);
      return Ok();
    });
  }
  Result<bool> Key(EVENT type, Int32 key, Int modifiers = MODIFIER::NONE) {
    const DataDictionary event = MakeKeyEvent(type, key, modifiers);
    return bar_->HandleEvent(&event);
  }
  void Advance(int ms) { GetMainThreadQueue().AdvanceTime(milliseconds(ms)); }
  size_t Count(const std::string& name) const { return static_cast<size_t>(std::count(fired_.begin(), fired_.end(), name)); }

  ScopedVirtualHostClock clock_;
  ScrollbarWidgetRef bar_;
  std::vector<std::string> fired_;
};

TEST_F(ScrollbarWidgetTest, AVerticalBarIsAColumnOfArrowSliderArrow) {
  EXPECT_EQ(bar_->GetName(), "ScrollbarWidget");
  EXPECT_EQ(bar_->GetDirection(), kV);
  EXPECT_EQ(bar_->GetCountX(), 1);
  EXPECT_EQ(bar_->GetCountY(), 3);
  EXPECT_EQ(bar_->GetTableMode(kV), TABLE_MODE::SQUEEZE | TABLE_MODE::ENLARGE);
  EXPECT_EQ(bar_->GetTableMode(kH), TABLE_MODE::NONE);
  EXPECT_TRUE(bar_->GetInheritParentSize(kV));
  EXPECT_FALSE(bar_->GetInheritParentSize(kH));
  auto* up = dynamic_cast<CustomButtonWidgetInterface*>(ChildOf(bar_, 0, 0));
  auto* slider = dynamic_cast<ScrollSliderWidgetInterface*>(ChildOf(bar_, 0, 1));
  auto* down = dynamic_cast<CustomButtonWidgetInterface*>(ChildOf(bar_, 0, 2));
  ASSERT_TRUE(up && slider && down);
  EXPECT_EQ(up->GetName(), "UpScrollButton");
  EXPECT_EQ(down->GetName(), "DownScrollButton");
  EXPECT_EQ(slider->GetDirection(), kV);
  EXPECT_EQ(up->GetAllowedDragDirections(), 12);
  EXPECT_EQ(up->GetLocalPixSize(), (Vector2d{14, 14}));
  EXPECT_EQ(up->GetSizeMode(kH), WIDGET_SIZE::MIN);
  EXPECT_EQ(up->GetMinSize(kV), CanvasUnitValue::Pix(14));
  EXPECT_EQ((*bar_->GetCell(0, 0))->GetStretchMode(kV), CELL_STRETCH_MODE::MINIMUM);
  EXPECT_EQ((*bar_->GetCell(0, 1))->GetStretchMode(kV), CELL_STRETCH_MODE::MAXIMUM);
  EXPECT_EQ((*bar_->GetCell(0, 1))->GetSizeMode(kH), WIDGET_SIZE::NONE);
  EXPECT_EQ(FindScrollArrow(*bar_, false)->Get(), up);
  EXPECT_EQ(FindScrollArrow(*bar_, true)->Get(), down);
}

TEST_F(ScrollbarWidgetTest, AnyOtherDirectionBuildsAHorizontalRow) {
  ScrollbarWidgetRef bar = test::NewObject<ScrollbarWidgetInterface>(kScrollbarWidgetClassId);
  bar->SetDirection(static_cast<WIDGET_DIRECTION>(7));
  EXPECT_EQ(bar->GetDirection(), kH);
  ASSERT_TRUE(bar->CreateLayout().IsOk());
  EXPECT_EQ(bar->GetCountX(), 3);
  EXPECT_EQ(bar->GetCountY(), 1);
  EXPECT_TRUE(bar->GetInheritParentSize(kH));
  EXPECT_EQ(ChildOf(bar, 0, 0)->GetName(), "LeftScrollButton");
  EXPECT_EQ(ChildOf(bar, 2, 0)->GetName(), "RightScrollButton");
  EXPECT_EQ(dynamic_cast<ScrollSliderWidgetInterface*>(ChildOf(bar, 1, 0))->GetDirection(), kH);
  EXPECT_EQ(dynamic_cast<CustomButtonWidgetInterface*>(ChildOf(bar, 0, 0))->GetAllowedDragDirections(), 3);
}

TEST_F(ScrollbarWidgetTest, KeysNotifyByTheBarsAxisAndEveryKeyDownIsConsumed) {
  for (Int32 key : {KEY::UP, KEY::DOWN, KEY::LEFT, KEY::RIGHT, KEY::PAGE_UP, KEY::PAGE_DOWN, KEY::HOME, KEY::END,
                    Int32{'a'}, KEY::TAB}) {
    EXPECT_TRUE(*Key(EVENT::KEYBOARD_KEY_DOWN, key)) << key;
    EXPECT_TRUE(*Key(EVENT::KEYBOARD_KEY_UP, key)) << key;
  }
  EXPECT_EQ(fired_, (std::vector<std::string>{"ObservableScrollKeyBackward", "ObservableScrollKeyForward",
                                              "ObservableScrollPageUp", "ObservableScrollPageDown",
                                              "ObservableScrollHome", "ObservableScrollEnd"}));
  fired_.clear();
  ScrollbarWidgetRef horizontal = MakeBar(kH);
  std::vector<std::string> sideways;
  horizontal->ObservableScrollKeyBackward()->AddObserver([&](const ScrollbarWidgetRef&) -> Result<void> {
    sideways.push_back("backward");
    return Ok();
  });
  horizontal->ObservableScrollKeyForward()->AddObserver([&](const ScrollbarWidgetRef&) -> Result<void> {
    sideways.push_back("forward");
    return Ok();
  });
  for (Int32 key : {KEY::UP, KEY::LEFT, KEY::DOWN, KEY::RIGHT}) {
    const DataDictionary event = MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, key);
    EXPECT_TRUE(*horizontal->HandleEvent(&event));
  }
  EXPECT_EQ(sideways, (std::vector<std::string>{"backward", "forward"}));
  const DataDictionary repeat = MakeKeyEvent(EVENT::KEYBOARD_KEY_REPEAT, KEY::DOWN);
  EXPECT_FALSE(*bar_->HandleEvent(&repeat)) << "the bar repeats on its own clock";
  EXPECT_FALSE(*bar_->HandleEvent(nullptr));
}

TEST_F(ScrollbarWidgetTest, AHeldArrowKeyRepeatsAfterHalfASecondEveryTwentiethOfOne) {
  ASSERT_TRUE(*Key(EVENT::KEYBOARD_KEY_DOWN, KEY::DOWN));
  EXPECT_EQ(Count("ObservableScrollKeyForward"), 1u) << "once at once";
  Advance(500);
  EXPECT_EQ(Count("ObservableScrollKeyForward"), 1u) << "nothing for 0.5 s";
  Advance(50);
  EXPECT_EQ(Count("ObservableScrollKeyForward"), 2u);
  Advance(200);
  EXPECT_EQ(Count("ObservableScrollKeyForward"), 6u);
  ASSERT_TRUE(*Key(EVENT::KEYBOARD_KEY_UP, KEY::DOWN));
  Advance(1000);
  EXPECT_EQ(Count("ObservableScrollKeyForward"), 6u) << "the release stops it";
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 0u);
}

TEST_F(ScrollbarWidgetTest, ANewArrowKeyReplacesTheRepeatAndAModifierStopsIt) {
  ASSERT_TRUE(*Key(EVENT::KEYBOARD_KEY_DOWN, KEY::DOWN));
  Advance(300);
  ASSERT_TRUE(*Key(EVENT::KEYBOARD_KEY_DOWN, KEY::UP));
  Advance(450);
  EXPECT_EQ(fired_, (std::vector<std::string>{"ObservableScrollKeyForward", "ObservableScrollKeyBackward"}))
      << "the delay counts from the newer press";
  Advance(100);
  EXPECT_EQ(Count("ObservableScrollKeyBackward"), 2u) << "0.55 s after the newer press";
  EXPECT_EQ(Count("ObservableScrollKeyForward"), 1u);
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 1u);
  ASSERT_TRUE(*Key(EVENT::KEYBOARD_KEY_UP, KEY::UP));

  fired_.clear();
  ASSERT_TRUE(*Key(EVENT::KEYBOARD_KEY_DOWN, KEY::DOWN, MODIFIER::SHIFT));
  Advance(2000);
  EXPECT_EQ(fired_, (std::vector<std::string>{"ObservableScrollKeyForward"})) << "with a modifier only once";
  ASSERT_TRUE(*Key(EVENT::KEYBOARD_KEY_DOWN, KEY::PAGE_DOWN));
  Advance(2000);
  EXPECT_EQ(Count("ObservableScrollPageDown"), 1u) << "page keys do not repeat";
}

TEST_F(ScrollbarWidgetTest, TheRepeatEndsWithTheBar) {
  ASSERT_TRUE(*Key(EVENT::KEYBOARD_KEY_DOWN, KEY::DOWN));
  bar_ = nullptr;
  Advance(1000);
  EXPECT_EQ(fired_.size(), 1u);
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 0u);
}

TEST_F(ScrollbarWidgetTest, TheWheelIsReportedWithItsVectorAndAnObserversErrorReturned) {
  const DataDictionary wheel = MakeScrollEvent({5, 5}, {-3, 40});
  EXPECT_TRUE(*bar_->HandleEvent(&wheel));
  EXPECT_EQ(fired_, (std::vector<std::string>{"ObservableScroll -3,40"}));
  bar_->ObservableScroll()->AddObserver(
      [](const ScrollbarWidgetRef&, Vector2d) -> Result<void> { return IllegalStateError("refused"); });
  Result<bool> refused = bar_->HandleEvent(&wheel);
  ASSERT_FALSE(refused.IsOk());
  EXPECT_EQ(refused.GetError().GetMessage(), "refused");
  bar_->ObservableScrollEnd()->AddObserver(
      [](const ScrollbarWidgetRef&) -> Result<void> { return IllegalStateError("no end"); });
  EXPECT_EQ(Key(EVENT::KEYBOARD_KEY_DOWN, KEY::END).GetError().GetMessage(), "no end");
  const DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, {5, 5}, BUTTON::LEFT);
  EXPECT_FALSE(*bar_->HandleEvent(&press));
}

}  // namespace
}  // namespace zarvo
