#include <gtest/gtest.h>

#include <vector>

#include "host/gfx/Image.h"
#include "source/widgets_values/SliderMath.h"

namespace zarvo {
namespace {

using O = WIDGET_ORIENTATION;
constexpr NUMBER_LIMIT_MODE kBoth = NUMBER_LIMIT_MODE::LIMIT_MIN_MAX;
constexpr NUMBER_LIMIT_MODE kNone = NUMBER_LIMIT_MODE::NONE;

TEST(SliderMathTest, ClampingFollowsTheLimitMode) {
  EXPECT_EQ(ClampSliderValue<Int>(150, 0, 100, kBoth), 100);
  EXPECT_EQ(ClampSliderValue<Int>(-5, 0, 100, kBoth), 0);
  EXPECT_EQ(ClampSliderValue<Int>(150, 0, 100, kNone), 150);
  EXPECT_EQ(ClampSliderValue<Float>(-5.0, 0.0, 100.0, NUMBER_LIMIT_MODE::LIMIT_MAX), -5.0);
  EXPECT_EQ(ClampSliderValue<Float>(150.0, 0.0, 100.0, NUMBER_LIMIT_MODE::LIMIT_MIN), 150.0);
  EXPECT_EQ(ClampSliderValue<Float>(-5.0, 0.0, 100.0, NUMBER_LIMIT_MODE::LIMIT_MIN), 0.0);
}

TEST(SliderMathTest, PointerSharesRunFromEachOrientationsStart) {
  const Rect frame{10, 20, 210, 120};
  EXPECT_DOUBLE_EQ(SliderPointerFraction(O::LEFT_RIGHT, frame, {60, 0}), 0.25);
  EXPECT_DOUBLE_EQ(SliderPointerFraction(O::RIGHT_LEFT, frame, {60, 0}), 0.75);
  EXPECT_DOUBLE_EQ(SliderPointerFraction(O::TOP_BOTTOM, frame, {0, 45}), 0.25);
  EXPECT_DOUBLE_EQ(SliderPointerFraction(O::BOTTOM_TOP, frame, {0, 45}), 0.75);
  EXPECT_DOUBLE_EQ(SliderPointerFraction(O::LEFT_RIGHT, frame, {-190, 0}), -1.0);
  // A frame of a pixel or less, or an inverted one, counts one pixel each way.
  EXPECT_DOUBLE_EQ(SliderPointerFraction(O::LEFT_RIGHT, Rect{10, 0, 10.5, 50}, {13, 0}), 3.0);
  EXPECT_DOUBLE_EQ(SliderPointerFraction(O::TOP_BOTTOM, Rect{50, 0, 10, 50}, {0, 4}), 4.0);
}

TEST(SliderMathTest, DragsLandOnWholeStepPercentsHeldByTheLimits) {
  EXPECT_DOUBLE_EQ(QuantizeSliderFraction(0.1234, 1.0, kBoth), 0.12);
  EXPECT_DOUBLE_EQ(QuantizeSliderFraction(0.1234, 5.0, kBoth), 0.10);
  EXPECT_DOUBLE_EQ(QuantizeSliderFraction(0.1234, 0.1, kBoth), 0.123);
  EXPECT_EQ(QuantizeSliderFraction(-0.3, 1.0, kBoth), 0.0);
  EXPECT_EQ(QuantizeSliderFraction(1.7, 1.0, kBoth), 1.0);
  EXPECT_DOUBLE_EQ(QuantizeSliderFraction(-0.3, 1.0, kNone), -0.3);
  EXPECT_DOUBLE_EQ(QuantizeSliderFraction(1.7, 1.0, kNone), 1.7);
  EXPECT_DOUBLE_EQ(QuantizeSliderFraction(1.7, 1.0, NUMBER_LIMIT_MODE::LIMIT_MIN), 1.7);
}

TEST(SliderMathTest, IntValuesRoundToWholePercentsAndTruncateTowardZero) {
  EXPECT_EQ(IntSliderValueAt(0.12, 0, 1000), 120);
  EXPECT_EQ(IntSliderValueAt(0.123, 0, 1000), 120);
  EXPECT_EQ(IntSliderValueAt(0.125, 0, 1000), 130);
  EXPECT_EQ(IntSliderValueAt(0.5, 0, 100), 50);
  EXPECT_EQ(IntSliderValueAt(0.33, 0, 10), 3);
  EXPECT_EQ(IntSliderValueAt(0.33, -10, 0), -6);  // -6.7 truncated toward zero
  EXPECT_EQ(IntSliderValueAt(1.0, -5, 5), 5);
  EXPECT_DOUBLE_EQ(FloatSliderValueAt(0.123, 0.0, 1000.0), 123.0);
  EXPECT_DOUBLE_EQ(FloatSliderValueAt(0.25, -1.0, 1.0), -0.5);
}

TEST(SliderMathTest, TrackLayoutInRangeUndershootAndOvershoot) {
  const SliderTrackLayout inside = ComputeSliderTrackLayout(0.25, 200.0);
  EXPECT_FALSE(inside.undershoot);
  EXPECT_FALSE(inside.overshoot);
  EXPECT_EQ(inside.fillWidth, 0.25);
  EXPECT_EQ(inside.midNotch, 100.0);
  EXPECT_EQ(inside.knobShare, 0.25);

  // 150 of 0..100: the range takes two thirds of the track, the excess the last third.
  const SliderTrackLayout over = ComputeSliderTrackLayout(1.5, 200.0);
  EXPECT_TRUE(over.overshoot);
  EXPECT_DOUBLE_EQ(over.fillWidth, 2.0 / 3.0);
  EXPECT_DOUBLE_EQ(over.overshootX, 2.0 / 3.0);
  EXPECT_DOUBLE_EQ(over.overshootWidth, 1.0 / 3.0);
  EXPECT_DOUBLE_EQ(over.overshootIndicator, 400.0 / 3.0);
  EXPECT_DOUBLE_EQ(over.midNotch, 200.0 / 3.0);
  EXPECT_EQ(over.knobShare, 1.0);

  // -100 of 0..100: half the track is the excess, the notch in the middle of the other half.
  const SliderTrackLayout under = ComputeSliderTrackLayout(-1.0, 200.0);
  EXPECT_TRUE(under.undershoot);
  EXPECT_EQ(under.undershootWidth, 0.5);
  EXPECT_EQ(under.undershootIndicator, 100.0);
  EXPECT_EQ(under.midNotch, 150.0);
  EXPECT_EQ(under.fillWidth, 0.0);
  EXPECT_EQ(under.knobShare, 0.0);
}

TEST(SliderMathTest, KnobTrackViewportAndRootTranslationsByOrientation) {
  const Vector2d wide{200, 26};
  const Vector2d tall{26, 200};
  EXPECT_EQ(SliderKnobRect(O::LEFT_RIGHT, 0.25, wide), (Rect{50, 0, 76, 26}));
  EXPECT_EQ(SliderKnobRect(O::RIGHT_LEFT, 0.25, wide), (Rect{150, 0, 176, 26}));
  EXPECT_EQ(SliderKnobRect(O::TOP_BOTTOM, 0.25, tall), (Rect{0, 50, 26, 76}));
  EXPECT_EQ(SliderKnobRect(O::BOTTOM_TOP, 0.25, tall), (Rect{0, 150, 26, 176}));
  EXPECT_EQ(SliderTrackSpan(O::LEFT_RIGHT, 0.5, 0.25, wide), (Rect{50, 0, 100, 26}));
  EXPECT_EQ(SliderTrackSpan(O::RIGHT_LEFT, 0.25, 0.5, wide, 2), (Rect{98, 0, 152, 26}));
  EXPECT_EQ(SliderTrackSpan(O::TOP_BOTTOM, 0.0, 0.25, tall), (Rect{0, 0, 26, 50}));
  EXPECT_EQ(SliderTrackSpan(O::BOTTOM_TOP, 0.75, 1.0, tall, 1), (Rect{0, -1, 26, 51}));
  EXPECT_EQ(SliderTrackViewport(O::LEFT_RIGHT, wide), (Rect{0, 0, 200, 26}));
  EXPECT_EQ(SliderTrackViewport(O::BOTTOM_TOP, tall), (Rect{0, 0, 200, 26}));
  EXPECT_EQ(SliderTrackRootTranslation(O::LEFT_RIGHT, wide), (Vector2d{0, 0}));
  EXPECT_EQ(SliderTrackRootTranslation(O::RIGHT_LEFT, wide), (Vector2d{200, 0}));
  EXPECT_EQ(SliderTrackRootTranslation(O::TOP_BOTTOM, tall), (Vector2d{0, 0}));
  EXPECT_EQ(SliderTrackRootTranslation(O::BOTTOM_TOP, tall), (Vector2d{0, 200}));
}

TEST(SliderMathTest, ColorSliderMarkerIsHeldInsideTheTrackAndTransposedWhenVertical) {
  const Vector2d wide{100, 22};
  ColorSliderGeometry g = ComputeColorSliderGeometry(O::LEFT_RIGHT, wide, 0.5, 1.0, 20.0, 1.5, 3.0);
  EXPECT_EQ(g.track, (Rect{1, 1, 99, 19}));
  EXPECT_EQ(g.marker, (Rect{48.5, 1, 51.5, 19}));
  g = ComputeColorSliderGeometry(O::LEFT_RIGHT, wide, -3.0, 1.0, 20.0, 1.5, 3.0);
  EXPECT_EQ(g.marker, (Rect{1, 1, 4, 19}));
  g = ComputeColorSliderGeometry(O::RIGHT_LEFT, wide, 0.25, 1.0, 20.0, 1.5, 3.0);
  EXPECT_EQ(g.marker, (Rect{73.5, 1, 76.5, 19}));
  g = ComputeColorSliderGeometry(O::RIGHT_LEFT, wide, 1.0, 1.0, 20.0, 1.5, 3.0);
  EXPECT_EQ(g.marker, (Rect{1, 1, 4, 19}));
  g = ComputeColorSliderGeometry(O::TOP_BOTTOM, {22, 100}, 1.0, 1.0, 20.0, 1.5, 3.0);
  EXPECT_EQ(g.track, (Rect{1, 1, 19, 99}));
  EXPECT_EQ(g.marker, (Rect{1, 96, 19, 99}));
}

PixelRGBA8 Px(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) { return {r, g, b, a}; }

TEST(SliderMathTest, GradientSegmentsRunBetweenStopsAndReverseRightToLeft) {
  const std::vector<ColorA> stops{{1, 0, 0, 1}, {0, 0, 1, 1}, {0, 1, 0, 1}};
  Result<Ref<Image>> made = Image::Create(8, 2);
  ASSERT_TRUE(made.IsOk());
  Image& image = **made;
  PaintSliderGradient(image, stops, O::LEFT_RIGHT);
  // Two segments of four pixels: red to blue, blue to green, each row alike.
  EXPECT_EQ(image.GetPixel(0, 0), Px(255, 0, 0));
  EXPECT_EQ(image.GetPixel(2, 0), Px(127, 0, 127));
  EXPECT_EQ(image.GetPixel(4, 1), Px(0, 0, 255));
  EXPECT_EQ(image.GetPixel(7, 1), Px(0, 191, 63));

  PaintSliderGradient(image, stops, O::RIGHT_LEFT);
  EXPECT_EQ(image.GetPixel(0, 0), Px(0, 255, 0));
  EXPECT_EQ(image.GetPixel(4, 1), Px(0, 0, 255));
  EXPECT_EQ(image.GetPixel(7, 0), Px(191, 0, 63));

  PaintSliderGradient(image, stops, O::BOTTOM_TOP);
  EXPECT_EQ(image.GetPixel(5, 1), Px(0, 0, 0));

  Result<Ref<Image>> empty = Image::Create(4, 1);
  ASSERT_TRUE(empty.IsOk());
  PaintSliderGradient(**empty, std::vector<ColorA>{{1, 1, 1, 1}}, O::LEFT_RIGHT);
  EXPECT_EQ((*empty)->GetPixel(0, 0), Px(0, 0, 0, 0)) << "one stop paints nothing";
}

}  // namespace
}  // namespace zarvo
