#include <gtest/gtest.h>

#include <cmath>

#include "source/widgets_base/PaddingLayout.h"

namespace zarvo {
namespace {

constexpr Float kRemBase = 13.0;

TEST(PaddingLayoutTest, MarginsConvertWithTheRemBase) {
  const PaddingMargins margins = PaddingMarginsToPixels(CanvasUnitValue::Pix(3.0), CanvasUnitValue::Rem(1.0),
                                                        CanvasUnitValue::Fon(11.0), CanvasUnitValue::Fon(5.5), kRemBase);
  EXPECT_EQ(margins, (PaddingMargins{3.0, 13.0, 13.0, 6.5}));
  EXPECT_EQ(margins.Horizontal(), 16.0);
  EXPECT_EQ(margins.Vertical(), 19.5);
}

TEST(PaddingLayoutTest, MarginsThatAreNotNumbersOrHugeStayUsable) {
  const PaddingMargins margins =
      PaddingMarginsToPixels(CanvasUnitValue::Pix(NAN), CanvasUnitValue::Pix(1e300), CanvasUnitValue::Rem(INFINITY),
                             CanvasUnitValue::Pix(-4.0), kRemBase);
  EXPECT_EQ(margins, (PaddingMargins{0.0, kMaxPaddingPixels, kMaxPaddingPixels, 0.0}));
}

TEST(PaddingLayoutTest, PaddedSizeAddsTheMarginsAndTheInnerFrameRemovesThem) {
  const PaddingMargins margins{5.0, 7.0, 3.0, 2.0};
  EXPECT_EQ(PaddedSize({30.0, 20.0}, margins), (Vector2d{42.0, 25.0}));
  EXPECT_EQ(PaddingInnerFrame({42.0, 25.0}, margins), (Rect{5.0, 3.0, 35.0, 23.0}));
  EXPECT_EQ(PaddingInnerFrame({10.0, 4.0}, margins), (Rect{5.0, 3.0, 5.0, 3.0})) << "never less than empty";
}

}  // namespace
}  // namespace zarvo
