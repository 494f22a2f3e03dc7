#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/ui/EventDriver.h"
#include "host/ui/PointerGrab.h"
#include "source/interfaces/ColorPickerWidgetInterface.h"
#include "source/widgets_color/ColorPickerWidgetImpl.h"
#include "tests/backend/RealWindowTest.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

constexpr ColorA kPaint{0.2, 0.6, 0.4, 1.0};

class EyeDropperRealWindowTest : public test::RealWindowTest {
 protected:
  void TearDown() override {
    PointerGrab::Cancel();
    test::RealWindowTest::TearDown();
  }
};

test::Rgb ToRgb(const ColorA& c) {
  return {static_cast<int>(std::lround(c.r * 255)), static_cast<int>(std::lround(c.g * 255)),
          static_cast<int>(std::lround(c.b * 255))};
}

TEST_F(EyeDropperRealWindowTest, ThePickedColourIsThePixelUnderTheRealPointer) {
  Ref<AppWindow> window = OpenWindow(WindowClass::Window(), Rect{40, 40, 440, 500}, "picker");
  Ref<AppWindow> other = OpenWindow(WindowClass::Window(), Rect{500, 40, 640, 180}, "paint");
  ASSERT_TRUE(window && other);
  RecordEvents(*window);
  ColorPickerWidgetRef picker = test::NewObject<ColorPickerWidgetInterface>(kColorPickerWidgetClassId);
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(picker).IsOk());
  ASSERT_TRUE(window->Update().IsOk());
  std::vector<ColorA> told;
  picker->ObservableColorChanged()->AddObserver([&](const WidgetRef&, ColorA color) -> Result<void> {
    told.push_back(color);
    return Ok();
  });
  other->GetAppWidget()->SetBackgroundVisibility(true);
  other->GetAppWidget()->SetBackgroundColor(kPaint);
  other->GetAppWidget()->RequestRedraw();
  ASSERT_TRUE(other->Update().IsOk());
  const auto& impl = dynamic_cast<const ColorPickerWidgetImpl&>(*picker);

  // Whole pixels: the window system reports the pointer at whole pixels.
  const Vector2d centre = EventDriver::CenterOf(*impl.GetEyeDropperButton());
  const Vector2d dropper{std::floor(centre.x), std::floor(centre.y)};
  ASSERT_TRUE(PointAt(*window, dropper));
  Button(1, true);
  Button(1, false);
  ASSERT_TRUE(PumpUntil([&] { return impl.GetEyeDropper().IsPicking(); })) << "the click started no pick";

  // Over the other window, as the screen shows it.
  const Vector2d spot{70, 70};
  const test::Rgb shown = ShownPixel(*other, spot);
  EXPECT_EQ(shown, ToRgb(kPaint));
  MovePointer(OnScreen(*other, spot));
  ASSERT_TRUE(PumpUntil([&] { return ToRgb(impl.GetField()->GetBackgroundColor()) == shown; }))
      << "the field never previewed the colour under the pointer";
  Button(1, true);
  Button(1, false);
  ASSERT_TRUE(PumpUntil([&] { return !told.empty() && !PointerGrab::IsActive(); }));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(ToRgb(told[0]), shown);
  EXPECT_EQ(ToRgb(told[0]), ScreenPixel(OnScreen(*other, spot))) << "the picked colour is the screen's";
}

}  // namespace
}  // namespace zarvo
