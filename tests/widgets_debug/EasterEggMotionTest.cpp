#include "source/widgets_debug/EasterEggMotion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zarvo {
namespace {

TEST(EasterEggMotionTest, TheShowFadesOutAndTheEggComesToRestUpright) {
  EXPECT_DOUBLE_EQ(EasterEggEnvelope(0.0), 1.0);
  EXPECT_DOUBLE_EQ(EasterEggEnvelope(kEasterEggShowSeconds / 2), 0.5);
  EXPECT_EQ(EasterEggEnvelope(kEasterEggShowSeconds), 0.0);
  EXPECT_EQ(EasterEggEnvelope(-1.0), 0.0);
  EXPECT_EQ(EasterEggEnvelope(std::nan("")), 0.0);
  for (Float t = 0.0; t < 2 * kEasterEggShowSeconds; t += 0.05) {
    EXPECT_GE(EasterEggHop(t), 0.0) << t;
    EXPECT_LE(EasterEggHop(t), EasterEggEnvelope(t) + 1e-12) << t;
    EXPECT_LE(std::abs(EasterEggLean(t)), 0.35 * EasterEggEnvelope(t) + 1e-12) << t;
    EXPECT_GE(EasterEggHue(t), 0.0);
    EXPECT_LT(EasterEggHue(t), 1.0);
  }
  EXPECT_EQ(EasterEggHop(0.0), 0.0) << "the show starts on the ground";
  EXPECT_EQ(EasterEggHop(kEasterEggShowSeconds + 1), 0.0);
  EXPECT_EQ(EasterEggLean(kEasterEggShowSeconds + 1), 0.0);
  EXPECT_EQ(EasterEggHue(kEasterEggShowSeconds + 1), 0.0);
  // The first hop peaks a third of a second in, at nearly the full height.
  EXPECT_NEAR(EasterEggHop(1.0 / 3.0), 1.0 - 1.0 / 3.0 / kEasterEggShowSeconds, 1e-12);
}

TEST(EasterEggMotionTest, TheOutlineStandsOnItsLowestPointAndTurnsAboutIt) {
  const Path upright = EggOutline({50, 100}, 30, 40, 0.0);
  ASSERT_EQ(upright.GetVerbs().size(), 6u);
  const auto& points = upright.GetPoints();
  EXPECT_EQ(points.front(), (Vector2d{50, 100}));
  Float left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
  for (const Vector2d& p : points) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  EXPECT_DOUBLE_EQ(left, 35.0);
  EXPECT_DOUBLE_EQ(right, 65.0);
  EXPECT_DOUBLE_EQ(top, 60.0);
  EXPECT_DOUBLE_EQ(bottom, 100.0);

  // A quarter turn clockwise on screen (y down) takes the egg's top to the right of its bottom.
  const Vector2d turned = TurnAbout({50, 60}, {50, 100}, std::numbers::pi / 2);
  EXPECT_NEAR(turned.x, 90.0, 1e-9);
  EXPECT_NEAR(turned.y, 100.0, 1e-9);
  EXPECT_EQ(EggOutline({50, 100}, 30, 40, 0.4).GetPoints().front(), (Vector2d{50, 100}));
}

}  // namespace
}  // namespace zarvo
