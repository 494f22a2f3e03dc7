#include <gtest/gtest.h>

#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/interfaces/ScrollSliderWidgetInterface.h"
#include "source/interfaces/ScrollbarWidgetInterface.h"
#include "source/widgets_layout/ScrollAreaWidgetImpl.h"
#include "source/widgets_layout/ScrollSliderWidgetImpl.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

constexpr WIDGET_DIRECTION kH = WIDGET_DIRECTION::HORIZONTAL;
constexpr WIDGET_DIRECTION kV = WIDGET_DIRECTION::VERTICAL;
constexpr Float kBar = 14;

class Sized final : public WidgetBase {
 public:
  explicit Sized(Vector2d size) : size_(size) {}
  Result<void> LayoutPass1() override { return SetLocalSize(size_.x, size_.y); }

 private:
  Vector2d size_;
};

void ExpectState(const Result<ScrollThumb>& result, const char* message) {
  ASSERT_FALSE(result.IsOk()) << "expected: " << message;
  EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_EQ(result.GetError().GetMessage(), message);
}

ScrollSliderWidgetImpl& SliderImpl(WidgetInterface* widget) { return dynamic_cast<ScrollSliderWidgetImpl&>(*widget); }

TEST(ScrollSliderAloneTest, ABrokenChainOfParentsIsNamed) {
  ScrollSliderWidgetRef slider = test::NewObject<ScrollSliderWidgetInterface>(kScrollSliderWidgetClassId);
  ExpectState(SliderImpl(slider.Get()).ComputeThumb(), "Scroll slider has no parent cell.");
  const DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, {1, 1}, BUTTON::LEFT);
  EXPECT_EQ(slider->HandleEvent(&press).GetError().GetMessage(), "Scroll slider has no parent cell.");

  CellWidgetRef cell = test::NewObject<CellWidgetInterface>(kCellWidgetClassId);
  ASSERT_TRUE(cell->InsertChildLast(slider).IsOk());
  ExpectState(SliderImpl(slider.Get()).ComputeThumb(), "Scroll slider's parent cell has no scrollbar parent.");

  ScrollbarWidgetRef bar = test::NewObject<ScrollbarWidgetInterface>(kScrollbarWidgetClassId);
  ASSERT_TRUE(bar->CreateLayout().IsOk());
  WidgetInterface* own = (*bar->GetCell(0, 1))->GetFirstChildWidget();
  ExpectState(SliderImpl(own).ComputeThumb(), "Scrollbar has no parent cell.");
  EXPECT_EQ(own->DrawContent().GetError().GetMessage(), "Scrollbar has no parent cell.");

  CellWidgetRef barCell = test::NewObject<CellWidgetInterface>(kCellWidgetClassId);
  ASSERT_TRUE(barCell->InsertChildLast(bar).IsOk());
  ExpectState(SliderImpl(own).ComputeThumb(), "Scrollbar's parent cell has no scrollarea parent.");
}

class ScrollSliderWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(Rect{0, 0, 200, 128});
    ASSERT_TRUE(window_);
    area_ = test::NewObject<ScrollAreaWidgetInterface>(kScrollAreaWidgetClassId);
    area_->SetInheritParentSize(true, kH);
    area_->SetInheritParentSize(true, kV);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(area_).IsOk());
    Update();  // the scroll area builds its cells
    // 400 high in a view of 128 - 14: the vertical track is 128 - 14 - 2 × 14 = 86 long.
    content_ = MakeRef<Sized>(Vector2d{400, 400});
    ASSERT_TRUE(area_->SetWidgetToBeScrolled(content_).IsOk());
    Update();
    const auto& impl = dynamic_cast<const ScrollAreaWidgetImpl&>(*area_);
    slider_ = (*impl.GetScrollbar(kV)->GetCell(0, 1))->GetFirstChildWidget();
    ASSERT_NE(slider_, nullptr);
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  ScrollThumb Thumb() const { return *SliderImpl(slider_).ComputeThumb(); }
  // A point of the track, `along` pixels from its top.
  Vector2d Track(Float along) const {
    const Rect frame = slider_->GetGlobalFrame();
    return {(frame.left + frame.right) * 0.5, frame.top + along};
  }

  Ref<AppWindow> window_;
  ScrollAreaWidgetRef area_;
  Ref<Sized> content_;
  WidgetInterface* slider_ = nullptr;
};

TEST_F(ScrollSliderWidgetTest, TheThumbShowsTheViewsShareOfTheContent) {
  EXPECT_EQ(slider_->GetLocalPixSize(), (Vector2d{kBar, 86}));
  const Float view = 128 - kBar;
  ScrollThumb thumb = Thumb();
  ASSERT_TRUE(thumb.present);
  EXPECT_DOUBLE_EQ(thumb.start, 0);
  EXPECT_DOUBLE_EQ(thumb.end, view * 86 / 400);
  ASSERT_TRUE(area_->ScrollToLimit(SCROLL_DIRECTION::FORWARD, kV).IsOk());
  Update();
  thumb = Thumb();
  EXPECT_DOUBLE_EQ(thumb.end, 86);
}

TEST_F(ScrollSliderWidgetTest, DraggingTheThumbMovesTheContentByTheTracksScale) {
  EventDriver driver(*window_);
  const Float grabbedAt = Thumb().Center() - 3;  // a little above the thumb's centre
  ASSERT_TRUE(*driver.Press(Track(grabbedAt)));
  EXPECT_TRUE(SliderImpl(slider_).IsDragging());
  EXPECT_EQ(content_->GetLocalPosition().y, 0) << "a press on the thumb moves nothing";
  ASSERT_TRUE(*driver.Drag(Track(grabbedAt + 20)));
  EXPECT_NEAR(content_->GetLocalPosition().y, -20 * 400.0 / 86, 1e-9) << "20 px of track are 20 × 400 / 86 of content";
  ASSERT_TRUE(*driver.Drag(Track(500)));
  EXPECT_EQ(content_->GetLocalPosition().y, 128 - kBar - 400) << "held at the end by the layout";
  ASSERT_TRUE(*driver.Release(Track(500)));
  EXPECT_FALSE(SliderImpl(slider_).IsDragging());
  EXPECT_EQ(content_->GetLocalPosition().x, 0) << "the other axis stays";
}

TEST_F(ScrollSliderWidgetTest, APressBesideTheThumbJumpsThere) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press(Track(43)));
  // Half way down the track: the view's centre at the content's middle.
  EXPECT_NEAR(content_->GetLocalPosition().y, -(200 - (128 - kBar) / 2.0), 1e-9);
  EXPECT_NEAR(Thumb().Center(), 43, 1e-9);
  ASSERT_TRUE(*driver.Release(Track(43)));
}

TEST_F(ScrollSliderWidgetTest, OnlyTheLeftButtonDragsAndAShortTrackTakesNoPress) {
  const DataDictionary right = MakeMouseEvent(EVENT::BUTTON_DOWN, Track(40), BUTTON::RIGHT);
  EXPECT_FALSE(*slider_->HandleEvent(&right));
  const DataDictionary drag = MakeMouseEvent(EVENT::BUTTON_DRAG, Track(60), BUTTON::LEFT);
  EXPECT_FALSE(*slider_->HandleEvent(&drag)) << "no drag without a press";
  EXPECT_EQ(content_->GetLocalPosition().y, 0);

  ASSERT_TRUE(window_->GetCanvas()->SetWindowSize({200, 40}).IsOk());
  area_->RequestLayout();  // the host passes a new window size on only to widgets it lays out
  Update();
  EXPECT_LE(slider_->GetLocalPixSize().y, kBar) << "the arrows take the track";
  EXPECT_FALSE(Thumb().present);
  const DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, Track(1), BUTTON::LEFT);
  EXPECT_FALSE(*slider_->HandleEvent(&press));
}

}  // namespace
}  // namespace zarvo
