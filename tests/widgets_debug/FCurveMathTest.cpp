#include <gtest/gtest.h>

#include <vector>

#include "source/widgets_debug/FCurveMath.h"

namespace zarvo {
namespace {

const std::vector<FCurveKey> kKeys{{0, 0}, {1, 2}, {3, 1}, {4, 1}};

TEST(FCurveMathTest, SlopesAreNeighbourSecantsAndEndSegments) {
  const std::vector<Float> slopes = FCurveSlopes(kKeys);
  ASSERT_EQ(slopes.size(), 4u);
  EXPECT_DOUBLE_EQ(slopes[0], 2.0);
  EXPECT_DOUBLE_EQ(slopes[1], 1.0 / 3.0);
  EXPECT_DOUBLE_EQ(slopes[2], -1.0 / 3.0);
  EXPECT_DOUBLE_EQ(slopes[3], 0.0);
  EXPECT_EQ(FCurveSlopes(std::vector<FCurveKey>{{2, 5}}), (std::vector<Float>{0.0}));
}

TEST(FCurveMathTest, CurvePassesThroughKeysAndHoldsTheEnds) {
  const std::vector<Float> slopes = FCurveSlopes(kKeys);
  for (const FCurveKey& key : kKeys) EXPECT_NEAR(EvaluateFCurve(kKeys, slopes, key.time), key.value, 1e-12);
  EXPECT_DOUBLE_EQ(EvaluateFCurve(kKeys, slopes, -5), 0.0);
  EXPECT_DOUBLE_EQ(EvaluateFCurve(kKeys, slopes, 9), 1.0);
  EXPECT_DOUBLE_EQ(EvaluateFCurve({}, {}, 1), 0.0);
  // Between (1, 2) and (3, 1) the curve falls smoothly; equal values all along stay flat.
  const std::vector<FCurveKey> flat{{0, 1}, {1, 1}, {3, 1}};
  EXPECT_DOUBLE_EQ(EvaluateFCurve(flat, FCurveSlopes(flat), 2.2), 1.0);
  const Float mid = EvaluateFCurve(kKeys, slopes, 2.0);
  EXPECT_GT(mid, 1.0);
  EXPECT_LT(mid, 2.0);
}

TEST(FCurveMathTest, EqualTimesMakeAStep) {
  const std::vector<FCurveKey> step{{0, 0}, {1, 0}, {1, 5}, {2, 5}};
  const std::vector<Float> slopes = FCurveSlopes(step);
  EXPECT_NEAR(EvaluateFCurve(step, slopes, 0.999), 0.0, 0.05);
  EXPECT_DOUBLE_EQ(EvaluateFCurve(step, slopes, 1.0), 5.0);
}

TEST(FCurveMathTest, BezierControlsTraceTheHermitePiece) {
  const std::vector<Float> slopes = FCurveSlopes(kKeys);
  const FCurveControls c = FCurveSegmentControls(kKeys, slopes, 1);
  // The Bézier at its middle, with time running evenly, equals the curve there.
  const FCurveKey& a = kKeys[1];
  const FCurveKey& b = kKeys[2];
  const Float time = 0.125 * a.time + 0.375 * c.first.time + 0.375 * c.second.time + 0.125 * b.time;
  const Float value = 0.125 * a.value + 0.375 * c.first.value + 0.375 * c.second.value + 0.125 * b.value;
  EXPECT_DOUBLE_EQ(time, 2.0);
  EXPECT_NEAR(value, EvaluateFCurve(kKeys, slopes, 2.0), 1e-12);
}

TEST(FCurveMathTest, KeyTimesStayBetweenNeighboursAndInsertAfterEquals) {
  EXPECT_DOUBLE_EQ(ClampKeyTime(kKeys, 1, -3), 0.0);
  EXPECT_DOUBLE_EQ(ClampKeyTime(kKeys, 1, 7), 3.0);
  EXPECT_DOUBLE_EQ(ClampKeyTime(kKeys, 0, -3), -3.0) << "the first key is free to the left";
  EXPECT_DOUBLE_EQ(ClampKeyTime(kKeys, 3, 9), 9.0) << "the last key is free to the right";
  EXPECT_EQ(KeyInsertIndex(kKeys, -1), 0u);
  EXPECT_EQ(KeyInsertIndex(kKeys, 1), 2u);
  EXPECT_EQ(KeyInsertIndex(kKeys, 10), 4u);
}

}  // namespace
}  // namespace zarvo
