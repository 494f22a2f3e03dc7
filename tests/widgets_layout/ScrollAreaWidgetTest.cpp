#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/core/HostClock.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/interfaces/ScrollSliderWidgetInterface.h"
#include "source/interfaces/ScrollbarWidgetInterface.h"
#include "source/widgets_base/ButtonWidgetImpl.h"
#include "source/widgets_layout/ScrollAreaWidgetImpl.h"
#include "source/widgets_layout/ScrollbarWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

using std::chrono::milliseconds;

constexpr WIDGET_DIRECTION kH = WIDGET_DIRECTION::HORIZONTAL;
constexpr WIDGET_DIRECTION kV = WIDGET_DIRECTION::VERTICAL;
constexpr SCROLL_DIRECTION kForward = SCROLL_DIRECTION::FORWARD;
constexpr SCROLL_DIRECTION kBackward = SCROLL_DIRECTION::BACKWARD;
constexpr Rect kWindow{0, 0, 300, 200};
constexpr Float kBar = 14;  // the base size's default

// Content of a natural size; counts how often the host looks at it.
class Content final : public WidgetBase {
 public:
  explicit Content(Vector2d size, ColorA color = {0.85, 0.55, 0.2, 1.0}) : size_(size) {
    SetBackgroundVisibility(true);
    SetBackgroundColor(color);
  }
  Result<void> LayoutPass1() override {
    ++measures_;
    return SetLocalSize(size_.x, size_.y);
  }
  void Resize(Vector2d size) {
    size_ = size;
    RequestLayout();
  }
  int measures_ = 0;

 private:
  Vector2d size_;
};

// A real button that counts how often drawing and hit testing look at it.
class CountedButton final : public ButtonWidgetImpl {
 public:
  bool GetLocalVisibility() const override {
    ++looks_;
    return ButtonWidgetImpl::GetLocalVisibility();
  }
  static int looks_;
};
int CountedButton::looks_ = 0;

class ScrollAreaWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(kWindow);
    ASSERT_TRUE(window_);
    area_ = test::NewObject<ScrollAreaWidgetInterface>(kScrollAreaWidgetClassId);
    ASSERT_TRUE(area_);
    area_->SetInheritParentSize(true, kH);
    area_->SetInheritParentSize(true, kV);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(area_).IsOk());
    Update();
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }

  Ref<Content> SetContent(Vector2d size) {
    Ref<Content> content = MakeRef<Content>(size);
    EXPECT_TRUE(area_->SetWidgetToBeScrolled(content).IsOk());
    Update();
    return content;
  }

  CellWidgetRef Cell(Int x, Int y) const {
    Result<CellWidgetRef> cell = area_->GetCell(x, y);
    EXPECT_TRUE(cell.IsOk()) << cell.GetError().ToString();
    return cell.IsOk() ? *cell : CellWidgetRef();
  }
  CellWidgetRef ContentCell() const { return *area_->GetContentCell(); }
  ScrollAreaWidgetImpl& Impl() const { return dynamic_cast<ScrollAreaWidgetImpl&>(*area_); }
  const ScrollbarWidgetRef& Bar(WIDGET_DIRECTION axis) const { return Impl().GetScrollbar(axis); }
  // Horizontal bar, vertical bar, corner shown.
  std::vector<bool> Shown() const {
    const bool inverse = area_->GetInverse();
    return {Cell(inverse ? 1 : 0, 1)->GetLocalVisibility(), Cell(inverse ? 0 : 1, 0)->GetLocalVisibility(),
            Cell(inverse ? 0 : 1, 1)->GetLocalVisibility()};
  }
  Vector2d Position(const Ref<Content>& content) const { return content->GetLocalPosition(); }
  static void ExpectState(const Result<void>& result, const char* message) {
    ASSERT_FALSE(result.IsOk()) << "expected: " << message;
    EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kIllegalState);
    EXPECT_EQ(result.GetError().GetMessage(), message);
  }

  ScopedVirtualHostClock clock_;
  Ref<AppWindow> window_;
  ScrollAreaWidgetRef area_;
};

// ---- building --------------------------------------------------------------------------------

TEST_F(ScrollAreaWidgetTest, BuildsATwoByTwoTableOfContentBarsAndCorner) {
  EXPECT_EQ(area_->GetName(), "ScrollAreaWidget");
  EXPECT_EQ(area_->GetCountX(), 2);
  EXPECT_EQ(area_->GetCountY(), 2);
  EXPECT_EQ(area_->GetTableMode(kH), TABLE_MODE::SQUEEZE | TABLE_MODE::ENLARGE);
  EXPECT_EQ(area_->GetTableMode(kV), TABLE_MODE::SQUEEZE | TABLE_MODE::ENLARGE);
  EXPECT_FALSE(area_->GetInverse());
  EXPECT_TRUE(area_->GetAutoScrollbarsVisibilityMode());
  EXPECT_EQ(area_->GetScrollStep(), CanvasUnitValue::Pix(10));

  auto* vertical = dynamic_cast<ScrollbarWidgetInterface*>(Cell(1, 0)->GetFirstChildWidget());
  auto* horizontal = dynamic_cast<ScrollbarWidgetInterface*>(Cell(0, 1)->GetFirstChildWidget());
  ASSERT_NE(vertical, nullptr);
  ASSERT_NE(horizontal, nullptr);
  EXPECT_EQ(vertical->GetDirection(), kV);
  EXPECT_EQ(horizontal->GetDirection(), kH);
  EXPECT_EQ(Cell(1, 1)->GetFirstChild(), nullptr) << "the corner is empty";

  const CellWidgetRef content = ContentCell();
  EXPECT_EQ(content, Cell(0, 0));
  EXPECT_TRUE(content->GetClipping());
  EXPECT_EQ(content->GetStretchMode(kH), CELL_STRETCH_MODE::MAXIMUM);
  EXPECT_EQ(content->GetMinSize(kV), CanvasUnitValue::Pix(2 * kBar));
  EXPECT_EQ(Cell(1, 0)->GetMinSize(kH), CanvasUnitValue::Pix(kBar));
  EXPECT_EQ(Cell(1, 0)->GetMinSize(kV), CanvasUnitValue::Pix(2 * kBar));
  EXPECT_EQ(Cell(0, 1)->GetStretchMode(kH), CELL_STRETCH_MODE::MAXIMUM);
  for (Int i = 0; i < 4; ++i) {
    EXPECT_TRUE((*area_->GetCell(i))->GetBackgroundVisibility());
    const ColorA background = (*area_->GetCell(i))->GetBackgroundColor();
    EXPECT_NEAR(background.r, 0.23921568627451, 1e-12);
    EXPECT_NEAR(background.b, 0.23921568627451, 1e-12);
    EXPECT_EQ(background.a, 1.0);
  }
  EXPECT_EQ(*area_->GetWidgetToBeScrolled(), WidgetRef()) << "no content yet";
  EXPECT_EQ(Shown(), (std::vector<bool>{false, false, false})) << "nothing to scroll shows no bars";
}

TEST_F(ScrollAreaWidgetTest, TheContentKeepsItsOwnSizeAndReplacingDetachesTheOld) {
  Ref<Content> first = SetContent({500, 400});
  EXPECT_EQ(*area_->GetWidgetToBeScrolled(), WidgetRef(first));
  EXPECT_EQ(first->GetSizeMode(kH), WIDGET_SIZE::INFINITE);
  EXPECT_EQ(first->GetSizeMode(kV), WIDGET_SIZE::INFINITE);
  EXPECT_EQ(first->GetLocalPixSize(), (Vector2d{500, 400})) << "the view does not squeeze it";

  Ref<Content> second = SetContent({50, 50});
  EXPECT_EQ(first->GetParent(), nullptr);
  EXPECT_EQ(*area_->GetWidgetToBeScrolled(), WidgetRef(second));

  Result<void> none = area_->SetWidgetToBeScrolled(WidgetRef());
  ASSERT_FALSE(none.IsOk());
  EXPECT_EQ(none.GetError().GetKind(), ErrorKind::kNullReference);
  EXPECT_EQ(second->GetParent(), nullptr) << "the old content stays detached";
  EXPECT_EQ(*area_->GetWidgetToBeScrolled(), WidgetRef());

  // A widget that lives elsewhere moves in.
  Ref<Content> elsewhere = MakeRef<Content>(Vector2d{10, 10});
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(elsewhere).IsOk());
  ASSERT_TRUE(area_->SetWidgetToBeScrolled(elsewhere).IsOk());
  EXPECT_EQ(elsewhere->GetParentWidget(), ContentCell().Get());
}

// ---- automatic scrollbars --------------------------------------------------------------------

TEST_F(ScrollAreaWidgetTest, ContentAsLargeAsTheViewNeedsNoBarAndOnePixelMoreDoes) {
  Ref<Content> content = SetContent({300, 200});
  EXPECT_EQ(Shown(), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(ContentCell()->GetLocalPixSize(), (Vector2d{300, 200}));

  content->Resize({301, 186});
  Update();
  EXPECT_EQ(Shown(), (std::vector<bool>{true, false, false})) << "186 + 14 still fits the height";
  EXPECT_EQ(ContentCell()->GetLocalPixSize(), (Vector2d{300, 186}));
  EXPECT_EQ(Cell(0, 1)->GetLocalPixSize(), (Vector2d{300, kBar}));

  content->Resize({301, 187});
  Update();
  EXPECT_EQ(Shown(), (std::vector<bool>{true, true, true})) << "the horizontal bar makes the vertical one needed";
  EXPECT_EQ(ContentCell()->GetLocalPixSize(), (Vector2d{300 - kBar, 200 - kBar}));
  EXPECT_EQ(Cell(1, 0)->GetGlobalFrame().left, 300 - kBar);

  content->Resize({100, 400});
  Update();
  EXPECT_EQ(Shown(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(ContentCell()->GetLocalPixSize(), (Vector2d{300 - kBar, 200}));
}

TEST_F(ScrollAreaWidgetTest, WithoutAutoModeBothBarsAndTheCornerAlwaysShow) {
  SetContent({10, 10});
  area_->SetAutoScrollbarsVisibilityMode(false);
  EXPECT_FALSE(area_->GetAutoScrollbarsVisibilityMode());
  Update();
  EXPECT_EQ(Shown(), (std::vector<bool>{true, true, true}));
  EXPECT_EQ(ContentCell()->GetLocalPixSize(), (Vector2d{300 - kBar, 200 - kBar}));
  area_->SetAutoScrollbarsVisibilityMode(true);
  Update();
  EXPECT_EQ(Shown(), (std::vector<bool>{false, false, false}));
}

// ---- scrolling -------------------------------------------------------------------------------

TEST_F(ScrollAreaWidgetTest, StepsPagesAndLimitsMoveTheContent) {
  Ref<Content> content = SetContent({100, 500});  // only the vertical bar: the view is 200 high
  ASSERT_TRUE(area_->ScrollToStep(kForward, kV).IsOk());
  EXPECT_EQ(Position(content), (Vector2d{0, -10}));
  ASSERT_TRUE(area_->ScrollToStep(kBackward, kV).IsOk());
  EXPECT_EQ(Position(content), (Vector2d{0, 0}));
  ASSERT_TRUE(area_->ScrollToPage(kForward, kV).IsOk());
  EXPECT_EQ(Position(content), (Vector2d{0, -200}));
  ASSERT_TRUE(area_->ScrollToLimit(kForward, kV).IsOk());
  EXPECT_EQ(Position(content), (Vector2d{0, -300}));
  ASSERT_TRUE(area_->ScrollToPage(kForward, kV).IsOk());
  EXPECT_EQ(Position(content), (Vector2d{0, -500})) << "not clamped until the layout";
  Update();
  EXPECT_EQ(Position(content), (Vector2d{0, -300}));
  ASSERT_TRUE(area_->ScrollToLimit(kBackward, kV).IsOk());
  EXPECT_EQ(Position(content), (Vector2d{0, 0}));

  area_->SetScrollStep(CanvasUnitValue::Rem(1));
  ASSERT_TRUE(area_->ScrollToStep(kForward, kV).IsOk());
  EXPECT_EQ(Position(content), (Vector2d{0, -13})) << "a step in REM is converted with the canvas";
  area_->SetScrollStep(CanvasUnitValue::Pix(-5));
  EXPECT_EQ(area_->GetScrollStep(), CanvasUnitValue::Pix(0));
}

TEST_F(ScrollAreaWidgetTest, APositiveStepAtTheTopHoldsUntilTheNextLayout) {
  Ref<Content> content = SetContent({600, 500});
  ASSERT_TRUE(area_->IncreaseScroll(CanvasUnitValue::Pix(25), kV).IsOk());
  ASSERT_TRUE(area_->IncreaseScroll(CanvasUnitValue::Pix(-40), kH).IsOk());
  EXPECT_EQ(Position(content), (Vector2d{-40, 25}));
  Update();
  EXPECT_EQ(Position(content), (Vector2d{-40, 0}));
  ASSERT_TRUE(area_->ScrollToLimit(kForward, kH).IsOk());
  EXPECT_EQ(Position(content), (Vector2d{300 - kBar - 600, 0})) << "the other axis is kept";
}

TEST_F(ScrollAreaWidgetTest, WithoutContentThereIsNothingToScroll) {
  ExpectState(area_->IncreaseScroll(CanvasUnitValue::Pix(5), kV), "Nothing to scroll");
  ExpectState(area_->ScrollToStep(kForward, kV), "Nothing to scroll");
  ExpectState(area_->ScrollToPage(kForward, kH), "Nothing to scroll");
  ExpectState(area_->ScrollToLimit(kBackward, kH), "Nothing to scroll");
}

TEST_F(ScrollAreaWidgetTest, TheWheelScrollsVerticallyUnlessItHasASidewaysComponent) {
  Ref<Content> content = SetContent({600, 500});
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Scroll({100, 100}, {0, -30}));
  EXPECT_EQ(Position(content), (Vector2d{0, -30}));
  ASSERT_TRUE(*driver.Scroll({100, 100}, {-20, -30}));
  EXPECT_EQ(Position(content), (Vector2d{-20, -30})) << "any x scrolls horizontally, by x";
  ASSERT_TRUE(*driver.Scroll({100, 100}, {0, 100}));
  EXPECT_EQ(Position(content), (Vector2d{-20, 0})) << "clamped by the layout after the event";
  // Over the horizontal bar the wheel's vertical turn scrolls sideways.
  ASSERT_TRUE(*driver.Scroll({100, 200 - kBar / 2}, {0, -50}));
  EXPECT_EQ(Position(content), (Vector2d{-70, 0}));
  // Other events pass.
  const DataDictionary move = MakeMouseEvent(EVENT::MOUSE_MOVE, {100, 100});
  EXPECT_FALSE(*area_->HandleEvent(&move));
  EXPECT_FALSE(*area_->HandleEvent(nullptr));
}

TEST_F(ScrollAreaWidgetTest, ClampingFollowsTheContentWhenItShrinks) {
  Ref<Content> content = SetContent({100, 500});
  ASSERT_TRUE(area_->ScrollToLimit(kForward, kV).IsOk());
  Update();
  EXPECT_EQ(Position(content), (Vector2d{0, -300}));
  content->Resize({100, 300});
  Update();
  EXPECT_EQ(Position(content), (Vector2d{0, -100})) << "the end stays at the view's end";
  content->Resize({100, 150});
  Update();
  EXPECT_EQ(Position(content), (Vector2d{0, 0}));
  EXPECT_EQ(Shown(), (std::vector<bool>{false, false, false}));
  // Content growing back does not move it.
  content->Resize({100, 500});
  Update();
  EXPECT_EQ(Position(content), (Vector2d{0, 0}));
  ASSERT_TRUE(area_->ScrollToLimit(kForward, kV).IsOk());
  Update();
  EXPECT_EQ(Position(content), (Vector2d{0, -300}));
}

// ---- the bars drive the area -----------------------------------------------------------------

TEST_F(ScrollAreaWidgetTest, KeysOnAFocusedBarScrollItsAxis) {
  Ref<Content> content = SetContent({600, 500});
  // The scroll area observes its bars from their creation on, so a presenter's observer added
  // later sees the content moved already.
  std::vector<Float> seen;
  Bar(kV)->ObservableScrollKeyForward()->AddObserver([&](const ScrollbarWidgetRef&) -> Result<void> {
    seen.push_back(content->GetLocalPosition().y);
    return Ok();
  });
  EventDriver driver(*window_);
  // A press on the vertical track below the thumb focuses the slider and jumps there.
  ASSERT_TRUE(*driver.Click({300 - kBar / 2, 120}));
  const Float jumped = Position(content).y;
  EXPECT_LT(jumped, 0.0);
  ASSERT_TRUE(*driver.KeyPress(KEY::DOWN));
  EXPECT_EQ(Position(content).y, jumped - 10);
  EXPECT_EQ(seen, (std::vector<Float>{jumped - 10}));
  ASSERT_TRUE(*driver.KeyPress(KEY::UP));
  ASSERT_TRUE(*driver.KeyPress(KEY::UP));
  EXPECT_EQ(Position(content).y, jumped + 10);
  ASSERT_TRUE(*driver.KeyPress(KEY::HOME));
  EXPECT_EQ(Position(content).y, 0);
  ASSERT_TRUE(*driver.KeyPress(KEY::PAGE_DOWN));
  EXPECT_EQ(Position(content).y, -(200 - kBar));
  ASSERT_TRUE(*driver.KeyPress(KEY::END));
  EXPECT_EQ(Position(content).y, (200 - kBar) - 500);
  ASSERT_TRUE(*driver.KeyPress(KEY::PAGE_UP));
  EXPECT_EQ(Position(content).y, 2 * (200 - kBar) - 500);
  EXPECT_EQ(Position(content).x, 0) << "the vertical bar's keys leave x alone";
  ASSERT_TRUE(*driver.KeyPress(KEY::RIGHT)) << "consumed, but not the vertical bar's key";
  EXPECT_EQ(Position(content).x, 0);
}

TEST_F(ScrollAreaWidgetTest, AHeldArrowButtonStepsThenRepeatsOnTheClock) {
  Ref<Content> content = SetContent({100, 5000});
  CustomButtonWidgetRef down = *FindScrollArrow(*Bar(kV), true);
  CustomButtonWidgetRef up = *FindScrollArrow(*Bar(kV), false);
  EXPECT_EQ(down->GetName(), "DownScrollButton");
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press(EventDriver::CenterOf(*down)));
  EXPECT_EQ(Position(content).y, -10) << "a press steps at once";
  GetMainThreadQueue().AdvanceTime(milliseconds(450));
  EXPECT_EQ(Position(content).y, -10) << "then nothing for half a second";
  GetMainThreadQueue().AdvanceTime(milliseconds(550));
  const Float held = Position(content).y;
  EXPECT_LE(held, -10 - 10 * 10) << "then it repeats every 0.05 s at least";
  ASSERT_TRUE(*driver.Release(EventDriver::CenterOf(*down)));
  GetMainThreadQueue().AdvanceTime(milliseconds(1000));
  EXPECT_EQ(Position(content).y, held) << "the release stops it";

  ASSERT_TRUE(*driver.Click(EventDriver::CenterOf(*up)));
  EXPECT_EQ(Position(content).y, held + 10);
  // Dragged down while held, the up arrow steps down.
  const Vector2d at = EventDriver::CenterOf(*up);
  ASSERT_TRUE(*driver.Press(at));
  ASSERT_TRUE(*driver.Drag({at.x, at.y + 40}));
  GetMainThreadQueue().AdvanceTime(milliseconds(520));
  EXPECT_LT(Position(content).y, held + 10 + 10);
  ASSERT_TRUE(*driver.Release({at.x, at.y + 40}));
}

TEST_F(ScrollAreaWidgetTest, ObserversOfAGoneScrollAreaFail) {
  ScrollbarWidgetRef bar = Bar(kV);
  ASSERT_TRUE(bar);
  area_->Remove();
  area_ = nullptr;
  const DataDictionary wheel = MakeScrollEvent({0, 0}, {0, -40});
  Result<bool> scrolled = bar->HandleEvent(&wheel);
  ASSERT_FALSE(scrolled.IsOk());
  EXPECT_EQ(scrolled.GetError().GetMessage(), "Invalid scrollarea");
  const DataDictionary key = MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, KEY::PAGE_DOWN);
  EXPECT_EQ(bar->HandleEvent(&key).GetError().GetMessage(), "Invalid scrollarea");
}

// ---- inverse -------------------------------------------------------------------------------

TEST_F(ScrollAreaWidgetTest, InverseMovesTheVerticalBarLeftAtTheNextSwitch) {
  Ref<Content> content = SetContent({600, 500});
  const CellWidgetRef contentCell = ContentCell();
  ASSERT_TRUE(area_->SetInverse(true).IsOk());
  EXPECT_TRUE(area_->GetInverse());
  Update();
  EXPECT_NE(dynamic_cast<ScrollbarWidgetInterface*>(Cell(0, 0)->GetFirstChildWidget()), nullptr);
  EXPECT_EQ(ContentCell(), contentCell);
  EXPECT_EQ(ContentCell(), Cell(1, 0));
  EXPECT_EQ(Cell(0, 0)->GetGlobalFrame().left, 0);
  EXPECT_EQ(contentCell->GetGlobalFrame().left, kBar);
  EXPECT_EQ(Cell(1, 1)->GetFirstChildWidget(), Bar(kH).Get()) << "the horizontal bar stays under the content";
  EXPECT_EQ(Shown(), (std::vector<bool>{true, true, true}));
  ASSERT_TRUE(area_->ScrollToStep(kForward, kV).IsOk());
  Update();
  EXPECT_EQ(Position(content).y, -10);

  // Content set between SetInverse and the switch goes into the content cell all the same.
  ASSERT_TRUE(area_->SetInverse(false).IsOk());
  Ref<Content> other = MakeRef<Content>(Vector2d{50, 50});
  ASSERT_TRUE(area_->SetWidgetToBeScrolled(other).IsOk());
  EXPECT_EQ(other->GetParentWidget(), contentCell.Get());
  EXPECT_NE(Bar(kV)->GetParent(), nullptr) << "the bar stays in its cell";
  Update();
  EXPECT_EQ(ContentCell(), Cell(0, 0));
  ASSERT_TRUE(area_->SetWidgetToBeScrolled(content).IsOk());
  ASSERT_TRUE(area_->SetInverse(true).IsOk());
  Update();

  // Setting it again changes nothing and asks for no switch.
  ASSERT_TRUE(area_->SetInverse(true).IsOk());
  EXPECT_FALSE(area_->GetBase()->Has(WidgetBase::kSwitchRequested));
  ASSERT_TRUE(area_->SetInverse(false).IsOk());
  Update();
  EXPECT_EQ(ContentCell(), Cell(0, 0));
  EXPECT_EQ(Cell(1, 0)->GetGlobalFrame().left, 300 - kBar);
}

// ---- the late layout pass ------------------------------------------------------------------

TEST_F(ScrollAreaWidgetTest, TheLatePassNamesAMissingCell) {
  ASSERT_TRUE(area_->Resize(1, 2).IsOk());
  ExpectState(area_->LayoutPass3(), "No vertical scrollbar cell.");
  ASSERT_TRUE(area_->Resize(0, 0).IsOk());
  ExpectState(area_->LayoutPass3(), "No vertical scrollbar cell.");
}

TEST(ScrollAreaWithoutWindowTest, ABarChangeWithoutAnAppWidgetIsANullReference) {
  ScrollAreaWidgetRef area = test::NewObject<ScrollAreaWidgetInterface>(kScrollAreaWidgetClassId);
  ASSERT_TRUE(area->CreateLayout().IsOk());
  Result<void> late = area->LayoutPass3();  // nothing to scroll: the bars go
  ASSERT_FALSE(late.IsOk());
  EXPECT_EQ(late.GetError().GetKind(), ErrorKind::kNullReference);
  EXPECT_TRUE(area->LayoutPass3().IsOk()) << "no further change";
}

// ---- large content ---------------------------------------------------------------------------

TEST_F(ScrollAreaWidgetTest, TenThousandButtonsDrawAndHitOnlyWhatIsInView) {
  constexpr Int kColumns = 100;
  constexpr Int kRows = 100;
  TableWidgetRef table = test::NewObject<TableWidgetInterface>(kTableWidgetClassId);
  ASSERT_TRUE(table->Resize(kColumns, kRows).IsOk());
  std::vector<Ref<CountedButton>> buttons;
  buttons.reserve(kColumns * kRows);
  for (Int i = 0; i < kColumns * kRows; ++i) {
    Ref<CountedButton> button = MakeRef<CountedButton>();
    ASSERT_TRUE(button->InitComponent().IsOk());
    ASSERT_TRUE(button->SetLocalSize(60, 20).IsOk());
    ASSERT_TRUE((*table->GetCell(i))->InsertChildLast(button).IsOk());
    buttons.push_back(button);
  }
  ASSERT_TRUE(area_->SetWidgetToBeScrolled(table).IsOk());
  Update();
  EXPECT_EQ(table->GetLocalPixSize(), (Vector2d{6000, 2000}));
  EXPECT_EQ(Shown(), (std::vector<bool>{true, true, true}));

  EventDriver driver(*window_);
  CountedButton::looks_ = 0;
  ASSERT_TRUE(*driver.Scroll({100, 100}, {0, -1000}));
  EXPECT_EQ(table->GetLocalPosition(), (Vector2d{0, -1000}));
  // The view is 286 × 186: about 5 × 10 buttons, with a margin a row and column more.
  EXPECT_GT(CountedButton::looks_, 0);
  EXPECT_LT(CountedButton::looks_, 200) << "drawing and hit testing looked at far more than the view";

  CountedButton::looks_ = 0;
  WidgetInterface* hit = window_->GetAppWidget()->FindHitWidget({130, 50});
  EXPECT_EQ(hit, buttons[static_cast<size_t>(52 * kColumns + 2)].Get()) << "row (1000 + 50) / 20, column 130 / 60";
  EXPECT_LT(CountedButton::looks_, 10);
  EXPECT_NE(dynamic_cast<ScrollSliderWidgetInterface*>(window_->GetAppWidget()->FindHitWidget({130, 200 - kBar / 2})),
            nullptr)
      << "content hidden under the bar is not hit";

  // A colour change inside is drawing only: nothing asks for layout.
  buttons[static_cast<size_t>(52 * kColumns + 2)]->SetBackgroundColor({0.2, 0.8, 0.3, 1.0});
  EXPECT_FALSE(area_->GetBase()->Has(WidgetBase::kLayoutDirty));
  EXPECT_FALSE(area_->GetBase()->Has(WidgetBase::kDescendantDirty));
  CountedButton::looks_ = 0;
  Update();
  EXPECT_LT(CountedButton::looks_, 20);
}

// ---- drawing -------------------------------------------------------------------------------

TEST_F(ScrollAreaWidgetTest, GoldenBothBarsScrolled) {
  ASSERT_TRUE(window_->GetCanvas()->SetWindowSize({220, 160}).IsOk());
  // A checkerboard of 40 px squares, 400 × 300, scrolled a little both ways.
  TableWidgetRef board = test::NewObject<TableWidgetInterface>(kTableWidgetClassId);
  ASSERT_TRUE(board->Resize(10, 6).IsOk());
  const ColorA colors[3] = {{0.85, 0.3, 0.25, 1.0}, {0.3, 0.65, 0.35, 1.0}, {0.3, 0.45, 0.85, 1.0}};
  for (Int i = 0; i < 60; ++i) {
    Ref<Content> square = MakeRef<Content>(Vector2d{40, 50}, colors[(i % 10 + i / 10) % 3]);
    ASSERT_TRUE((*board->GetCell(i))->InsertChildLast(square).IsOk());
  }
  ASSERT_TRUE(area_->SetWidgetToBeScrolled(board).IsOk());
  Update();
  ASSERT_TRUE(area_->IncreaseScroll(CanvasUnitValue::Pix(-100), kH).IsOk());
  ASSERT_TRUE(area_->IncreaseScroll(CanvasUnitValue::Pix(-60), kV).IsOk());
  Update();
  EXPECT_EQ(board->GetLocalPosition(), (Vector2d{-100, -60}));
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "scrollarea_both_bars");
}

}  // namespace
}  // namespace zarvo
