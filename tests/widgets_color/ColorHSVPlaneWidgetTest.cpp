#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "host/gfx/Image.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/ColorHSVPlaneWidgetInterface.h"
#include "source/widgets_color/ColorHSVPlaneWidgetImpl.h"
#include "source/widgets_color/ColorStyle.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

constexpr Vector2d kOrigin{10, 10};

class ColorHSVSpectrumWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 200, 220});
    spectrum_ = test::NewObject<ColorHSVSpectrumWidgetInterface>(kColorHSVSpectrumWidgetClassId);
    ASSERT_TRUE(window_ && spectrum_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(spectrum_).IsOk());
    spectrum_->SetLocalPosition(kOrigin);
    Update();
    spectrum_->ObservableColorChanged()->AddObserver([this](const WidgetRef&, Vector hsv, Bool dragging) -> Result<void> {
      told_.emplace_back(hsv, dragging);
      return Ok();
    });
  }
  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  const ColorHSVPlaneWidgetImpl& Impl() const { return dynamic_cast<const ColorHSVPlaneWidgetImpl&>(*spectrum_); }
  Vector2d At(Float x, Float y) const { return {kOrigin.x + x, kOrigin.y + y}; }
  PixelRGBA8 Pixel(Vector2d p) const {
    Result<Ref<Image>> image = Image::FromCairoSurface(window_->GetHostCanvas()->GetOsWindow()->GetSurface());
    EXPECT_TRUE(image.IsOk());
    return (*image)->GetPixel(static_cast<Int>(p.x), static_cast<Int>(p.y));
  }

  Ref<AppWindow> window_;
  ColorHSVSpectrumWidgetRef spectrum_;
  std::vector<std::tuple<Vector, Bool>> told_;
};

TEST_F(ColorHSVSpectrumWidgetTest, ClicksAtTheCornersPickTheExtremes) {
  EXPECT_EQ(spectrum_->GetName(), "ColorHSVSpectrumWidget");
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(At(0, 0)).IsOk());
  EXPECT_EQ(*spectrum_->GetHSV(), (Vector{0.0, 0.0, 1.0}));
  ASSERT_TRUE(driver.Click(At(kSpectrumSide, kSpectrumSide)).IsOk());
  EXPECT_EQ(*spectrum_->GetHSV(), (Vector{0.0, 1.0, 0.0}));
  EXPECT_TRUE(Impl().WasChangedByUser());
  ASSERT_EQ(told_.size(), 2u);
  EXPECT_FALSE(std::get<1>(told_[1])) << "a release tells with dragging false";
}

TEST_F(ColorHSVSpectrumWidgetTest, ADragTellsWhileMovingAndKeepsToTheEdges) {
  ASSERT_TRUE(spectrum_->SetHSV({0.25, 0.5, 0.5}, false).IsOk());
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Press(At(40, 40)).IsOk());
  EXPECT_TRUE(told_.empty()) << "a press alone changes nothing";
  ASSERT_TRUE(driver.Drag(At(80, 120)).IsOk());
  ASSERT_TRUE(driver.Drag(At(400, -50)).IsOk());  // far outside: the top-right corner
  ASSERT_TRUE(driver.Release(At(400, -50)).IsOk());
  ASSERT_EQ(told_.size(), 3u);
  EXPECT_EQ(std::get<0>(told_[0]), (Vector{0.25, 0.5, 0.25}));
  EXPECT_TRUE(std::get<1>(told_[0]));
  EXPECT_EQ(std::get<0>(told_[1]), (Vector{0.25, 1.0, 1.0}));
  EXPECT_EQ(std::get<0>(told_[2]), (Vector{0.25, 1.0, 1.0}));
  EXPECT_FALSE(std::get<1>(told_[2]));
  EXPECT_FALSE(Impl().IsDragging());
}

TEST_F(ColorHSVSpectrumWidgetTest, TheHueSliderFollowsTheValueAndRepaintsTheSquareOnlyForANewHue) {
  ASSERT_TRUE(spectrum_->SetHSV({0.5, 0.2, 0.8}, false).IsOk());
  EXPECT_EQ(Impl().GetHueSlider()->GetValue(), 180);
  Update();
  const uint64_t paints = Impl().GetSpectrumPaintCount();
  ASSERT_TRUE(spectrum_->SetHSV({0.5, 0.9, 0.1}, false).IsOk());
  Update();
  EXPECT_EQ(Impl().GetSpectrumPaintCount(), paints) << "the marker moved, the square stayed";
  ASSERT_TRUE(Impl().GetHueSlider()->SetValue(90, true).IsOk());
  Update();
  EXPECT_EQ(Impl().GetSpectrumPaintCount(), paints + 1);
  ASSERT_EQ(told_.size(), 1u);
  EXPECT_EQ(std::get<0>(told_[0]).x, static_cast<Float>(90.0f / 360.0f));
  EXPECT_TRUE(told_.size() == 1u) << "SetHSV without notify told nobody";
}

TEST_F(ColorHSVSpectrumWidgetTest, TheMarkerRingIsBlackOnLightColoursAndWhiteOnDark) {
  ASSERT_TRUE(spectrum_->SetHSV({0.0, 0.0, 1.0}, false).IsOk());  // white, top-left
  Update();
  const Float ring = 4.0 * kDefaultRemBase / kFonPerRem;  // between the dot and the ring's edge
  EXPECT_EQ(Pixel(At(ring, 0.5)), (PixelRGBA8{0, 0, 0, 255}));
  ASSERT_TRUE(spectrum_->SetHSV({2.0 / 3.0, 1.0, 1.0}, false).IsOk());  // blue, top-right
  Update();
  EXPECT_EQ(Pixel(At(kSpectrumSide - ring, 0.5)), (PixelRGBA8{255, 255, 255, 255}));
}

TEST_F(ColorHSVSpectrumWidgetTest, Golden) {
  ASSERT_TRUE(spectrum_->SetHSV({0.6, 0.7, 0.6}, false).IsOk());
  Update();
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "color_hsv_plane");
}

}  // namespace
}  // namespace zarvo
