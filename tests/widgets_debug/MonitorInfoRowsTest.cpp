#include "source/widgets_debug/MonitorInfoRows.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

TEST(MonitorInfoRowsTest, EachMonitorGivesNameBoundsWorkAreaAndScale) {
  Monitor left{Rect{-1280, 0, 0, 1024}, Rect{-1280, 24, 0, 1024}, "DP-1"};
  Monitor right{Rect{0, 0, 2560, 1440}, Rect{0, 0, 2560, 1400}, ""};
  right.scale = 1.5;
  const std::vector<MonitorInfoRow> rows = MonitorInfoRows({left, right});
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (MonitorInfoRow{"DP-1", "-1280, 0  1280 \u00d7 1024", "-1280, 24  1280 \u00d7 1000", "1.00\u00d7"}));
  EXPECT_EQ(rows[1], (MonitorInfoRow{"Monitor 2", "0, 0  2560 \u00d7 1440", "0, 0  2560 \u00d7 1400", "1.50\u00d7"}));
  EXPECT_TRUE(MonitorInfoRows({}).empty());
}

TEST(MonitorInfoRowsTest, FractionalCoordinatesKeepTheirDigits) {
  EXPECT_EQ(FormatScreenRect(Rect{0.5, 10, 100.25, 20}), "0.5, 10  99.75 \u00d7 10");
  EXPECT_EQ(FormatMonitorScale(1.25), "1.25\u00d7");
}

}  // namespace
}  // namespace zarvo
