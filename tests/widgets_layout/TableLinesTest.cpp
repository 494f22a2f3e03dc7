#include "source/widgets_layout/TableLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zarvo {
namespace {

LineSample Sample(Float size, LineStretch stretch, Float preferred = 0.0) {
  LineSample sample;
  sample.size = size;
  sample.stretch = stretch;
  sample.preferred = preferred;
  return sample;
}

TableLine Line(Float size, LineKind kind, Float weight = 0.0) {
  TableLine line;
  line.size = size;
  line.kind = kind;
  line.weight = weight;
  return line;
}

std::vector<Float> Distribute(const std::vector<TableLine>& lines, Float available, bool squeeze, bool enlarge) {
  std::vector<Float> sizes(lines.size(), -1.0);
  DistributeLines(lines, available, squeeze, enlarge, sizes);
  return sizes;
}

TEST(TableLinesTest, AFreshLineIsStretchableWithoutWeightOrLimits) {
  const TableLine line;
  EXPECT_EQ(line.kind, LineKind::kStretchable);
  EXPECT_EQ(line.size, 0.0);
  EXPECT_EQ(line.weight, 0.0);
  EXPECT_FALSE(line.hasMinimum);
  EXPECT_FALSE(line.hasMaximum);
}

TEST(TableLinesTest, TheLineTakesTheLargestCellAndTheTightestLimits) {
  TableLine line;
  LineSample wide = Sample(60.0, LineStretch::kMaximum);
  wide.hasMinimum = true;
  wide.minimum = 10.0;
  LineSample capped = Sample(40.0, LineStretch::kMaximum);
  capped.hasMaximum = true;
  capped.maximum = 50.0;
  capped.hasMinimum = true;
  capped.minimum = 20.0;
  LineSample looser = Sample(0.0, LineStretch::kMaximum);
  looser.hasMaximum = true;
  looser.maximum = 80.0;
  for (const LineSample& s : {wide, capped, looser}) AddLineSample(line, s);
  EXPECT_EQ(line.size, 60.0);
  EXPECT_EQ(line.minimum, 20.0);
  EXPECT_EQ(line.maximum, 50.0);
  EXPECT_EQ(line.ClampedSize(), 50.0);
}

TEST(TableLinesTest, ClampingRaisesToTheMinimumThenLowersToTheMaximum) {
  TableLine line = Line(5.0, LineKind::kFixed);
  line.hasMinimum = true;
  line.minimum = 30.0;
  EXPECT_EQ(line.ClampedSize(), 30.0);
  line.hasMaximum = true;
  line.maximum = 20.0;
  EXPECT_EQ(line.ClampedSize(), 20.0) << "the maximum wins a conflict";
  line.hasMinimum = false;
  line.size = 10.0;
  EXPECT_EQ(line.ClampedSize(), 10.0);
}

TEST(TableLinesTest, AMinimumCellFixesTheLineForGoodWhateverTheOrder) {
  for (bool minimumFirst : {true, false}) {
    TableLine line;
    const LineSample fixed = Sample(10.0, LineStretch::kFixed);
    const LineSample stretching = Sample(10.0, LineStretch::kMaximum);
    const LineSample preferring = Sample(10.0, LineStretch::kPreferred, 4.0);
    if (minimumFirst) AddLineSample(line, fixed);
    AddLineSample(line, stretching);
    AddLineSample(line, preferring);
    if (!minimumFirst) AddLineSample(line, fixed);
    EXPECT_EQ(line.kind, LineKind::kFixed);
    EXPECT_EQ(line.weight, 0.0);
  }
}

TEST(TableLinesTest, WeightsRiseToThePreferredSizeOrToOne) {
  TableLine line;
  AddLineSample(line, Sample(0.0, LineStretch::kPreferred, 0.25));
  EXPECT_EQ(line.weight, 0.25);
  AddLineSample(line, Sample(0.0, LineStretch::kMaximum));
  EXPECT_EQ(line.weight, 1.0);
  AddLineSample(line, Sample(0.0, LineStretch::kPreferred, 3.0));
  EXPECT_EQ(line.weight, 3.0);
  AddLineSample(line, Sample(0.0, LineStretch::kMaximum));
  AddLineSample(line, Sample(0.0, LineStretch::kPreferred, 2.0));
  EXPECT_EQ(line.weight, 3.0) << "weights only rise";
  AddLineSample(line, Sample(0.0, static_cast<LineStretch>(9)));
  EXPECT_EQ(line.kind, LineKind::kStretchable) << "an unknown stretch mode changes nothing";
  EXPECT_EQ(line.weight, 3.0);
}

TEST(TableLinesTest, EnlargingSharesTheRoomLeftByFixedLinesByWeight) {
  const std::vector<TableLine> lines = {Line(100.0, LineKind::kFixed), Line(20.0, LineKind::kStretchable, 1.0),
                                        Line(20.0, LineKind::kStretchable, 3.0)};
  EXPECT_EQ(Distribute(lines, 300.0, false, true), (std::vector<Float>{100.0, 50.0, 150.0}));
  EXPECT_EQ(Distribute(lines, 300.0, true, false), (std::vector<Float>{100.0, 20.0, 20.0}))
      << "room above the content needs ENLARGE";
  EXPECT_EQ(Distribute(lines, 300.0, false, false), (std::vector<Float>{100.0, 20.0, 20.0}));
}

TEST(TableLinesTest, SqueezingSharesTheRoomLeftWithoutClamping) {
  std::vector<TableLine> lines = {Line(40.0, LineKind::kFixed), Line(80.0, LineKind::kStretchable, 1.0),
                                  Line(80.0, LineKind::kStretchable, 1.0)};
  lines[1].hasMinimum = true;
  lines[1].minimum = 70.0;
  EXPECT_EQ(Distribute(lines, 100.0, true, false), (std::vector<Float>{40.0, 30.0, 30.0}));
  EXPECT_EQ(Distribute(lines, 100.0, false, true), (std::vector<Float>{40.0, 80.0, 80.0}))
      << "room below the content needs SQUEEZE";
  EXPECT_EQ(Distribute(lines, 200.0, true, true), (std::vector<Float>{40.0, 80.0, 80.0}))
      << "exactly the content's size stretches nothing";
}

TEST(TableLinesTest, WithoutWeightsOrRoomEveryLineKeepsItsClampedSize) {
  std::vector<TableLine> lines = {Line(100.0, LineKind::kFixed), Line(20.0, LineKind::kStretchable, 0.0)};
  lines[0].hasMaximum = true;
  lines[0].maximum = 90.0;
  EXPECT_EQ(Distribute(lines, 300.0, true, true), (std::vector<Float>{90.0, 20.0}));
  lines[1].weight = 1.0;
  EXPECT_EQ(Distribute(lines, 80.0, true, true), (std::vector<Float>{90.0, 20.0}))
      << "the fixed lines alone fill the room";
  EXPECT_EQ(Distribute(lines, 90.0, true, true), (std::vector<Float>{90.0, 20.0}));
}

TEST(TableLinesTest, AStretchableLineWithoutWeightShrinksToNothingWhenOthersStretch) {
  const std::vector<TableLine> lines = {Line(20.0, LineKind::kStretchable, 0.0),
                                        Line(20.0, LineKind::kStretchable, 2.0)};
  EXPECT_EQ(Distribute(lines, 100.0, false, true), (std::vector<Float>{0.0, 100.0}));
}

TEST(TableLinesTest, HugeAndInfiniteWeightsShareTheRoomWithoutOverflowing) {
  const std::vector<TableLine> huge = {Line(0.0, LineKind::kStretchable, 1e308),
                                       Line(0.0, LineKind::kStretchable, 1e308)};
  EXPECT_EQ(Distribute(huge, 100.0, false, true), (std::vector<Float>{50.0, 50.0}));
  const std::vector<TableLine> infinite = {Line(0.0, LineKind::kStretchable, HUGE_VAL),
                                           Line(0.0, LineKind::kStretchable, 5.0),
                                           Line(0.0, LineKind::kStretchable, HUGE_VAL)};
  EXPECT_EQ(Distribute(infinite, 100.0, false, true), (std::vector<Float>{50.0, 0.0, 50.0}));
  const std::vector<TableLine> wide = {Line(0.0, LineKind::kStretchable, 1e300),
                                       Line(0.0, LineKind::kStretchable, 3e300)};
  const std::vector<Float> sizes = Distribute(wide, 1e10, false, true);
  EXPECT_DOUBLE_EQ(sizes[0], 2.5e9);
  EXPECT_DOUBLE_EQ(sizes[1], 7.5e9);
}

TEST(TableLinesTest, OffsetsRunAlongTheLines) {
  const std::vector<Float> sizes = {10.0, 0.0, 30.0};
  std::vector<Float> offsets(4);
  ComputeLineOffsets(sizes, offsets);
  EXPECT_EQ(offsets, (std::vector<Float>{0.0, 10.0, 10.0, 40.0}));
}

TEST(TableLinesTest, FindingLinesTakesEveryLineTheClosedIntervalTouches) {
  const std::vector<Float> offsets = {0.0, 10.0, 20.0, 20.0, 40.0};
  auto range = [&](Float low, Float high) {
    const LineRange r = FindLinesIn(offsets, low, high);
    return r.IsEmpty() ? std::vector<size_t>{} : std::vector<size_t>{r.first, r.last};
  };
  EXPECT_EQ(range(5.0, 5.0), (std::vector<size_t>{0, 0}));
  EXPECT_EQ(range(10.0, 10.0), (std::vector<size_t>{0, 1})) << "a shared edge belongs to both lines";
  EXPECT_EQ(range(20.0, 20.0), (std::vector<size_t>{1, 3})) << "with the empty line between them";
  EXPECT_EQ(range(15.0, 35.0), (std::vector<size_t>{1, 3}));
  EXPECT_EQ(range(-5.0, 0.0), (std::vector<size_t>{0, 0}));
  EXPECT_EQ(range(40.0, 90.0), (std::vector<size_t>{3, 3}));
  EXPECT_TRUE(range(-9.0, -1.0).empty());
  EXPECT_TRUE(range(41.0, 50.0).empty());
  EXPECT_TRUE(range(NAN, 5.0).empty());
  EXPECT_TRUE(range(30.0, 10.0).empty());
  EXPECT_TRUE(FindLinesIn(std::vector<Float>{0.0}, 0.0, 0.0).IsEmpty()) << "no lines";
}

}  // namespace
}  // namespace zarvo
