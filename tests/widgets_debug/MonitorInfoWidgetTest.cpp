#include <gtest/gtest.h>

#include <cairo.h>

#include <vector>

#include "host/backend/headless/HeadlessWindowSystem.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/MonitorInfoWidgetInterface.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

class MonitorInfoWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 520, 200});
    ASSERT_TRUE(window_);
    info_ = test::NewObject<MonitorInfoWidgetInterface>(kMonitorInfoWidgetClassId);
    ASSERT_TRUE(info_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(info_).IsOk());
    Update();
    info_->ObservableRefreshed()->AddObserver([this](const MonitorInfoWidgetRef& sender, Int count) -> Result<void> {
      EXPECT_EQ(sender.Get(), info_.Get());
      told_.push_back(count);
      return Ok();
    });
  }
  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }

  Ref<AppWindow> window_;
  MonitorInfoWidgetRef info_;
  std::vector<Int> told_;
};

TEST_F(MonitorInfoWidgetTest, ListsTheHeadlessMonitorUnderAHeaderRow) {
  EXPECT_EQ(info_->GetName(), "MonitorInfoWidget");
  EXPECT_EQ(info_->GetCountX(), 4);
  EXPECT_EQ(info_->GetCountY(), 3) << "tools, header, one monitor";
  ASSERT_EQ(info_->GetMonitorCount(), 1);
  EXPECT_EQ(*info_->GetMonitorText(0, 0), "headless");
  EXPECT_EQ(*info_->GetMonitorText(0, 1), "0, 0  1920 \u00d7 1080");
  EXPECT_EQ(*info_->GetMonitorText(0, 2), "0, 0  1920 \u00d7 1040") << "the panel is not work area";
  EXPECT_EQ(*info_->GetMonitorText(0, 3), "1.00\u00d7");
  EXPECT_STREQ(info_->ObservableRefreshed()->GetObservableId(), "ObservableRefreshed");
  // The table is as large as its texts: the widest row holds two screen rectangles.
  EXPECT_GT(info_->GetLocalPixSize().x, 200.0);
  EXPECT_GT(info_->GetLocalPixSize().y, 40.0);
}

TEST_F(MonitorInfoWidgetTest, OutOfRangeQueriesAreRefused) {
  Result<String> row = info_->GetMonitorText(1, 0);
  ASSERT_FALSE(row.IsOk());
  EXPECT_EQ(row.GetError().GetMessage(), "monitor index out of range.");
  Result<String> column = info_->GetMonitorText(0, 4);
  ASSERT_FALSE(column.IsOk());
  EXPECT_EQ(column.GetError().GetMessage(), "column index out of range.");
  EXPECT_FALSE(info_->GetMonitorText(-1, 0).IsOk());

  MonitorInfoWidgetRef unbuilt = test::NewObject<MonitorInfoWidgetInterface>(kMonitorInfoWidgetClassId);
  Result<void> refreshed = unbuilt->Refresh();
  ASSERT_FALSE(refreshed.IsOk());
  EXPECT_EQ(refreshed.GetError().GetMessage(), "Widget link not set.");
  EXPECT_FALSE(unbuilt->GetRefreshButton().IsOk());
}

TEST_F(MonitorInfoWidgetTest, TheRefreshButtonReadsTheMonitorsAgainAndTells) {
  Result<TextButtonWidgetRef> button = info_->GetRefreshButton();
  ASSERT_TRUE(button.IsOk());
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Click(**button));
  EXPECT_EQ(told_, (std::vector<Int>{1}));
  EXPECT_EQ(info_->GetCountY(), 3) << "the same monitors make the same rows";
  // A refresh from the program reads again without telling.
  ASSERT_TRUE(info_->Refresh().IsOk());
  EXPECT_EQ(told_.size(), 1u);
}

TEST_F(MonitorInfoWidgetTest, DrawsItsTextsOverItsBackground) {
  cairo_surface_t* surface = window_->GetHostCanvas()->GetOsWindow()->GetSurface();
  ASSERT_NE(surface, nullptr);
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  // Light text pixels inside the monitor's row, none right of the table.
  const Rect frame = info_->GetGlobalFrame();
  auto lightPixels = [&](int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const uint32_t pixel = reinterpret_cast<const uint32_t*>(data + y * stride)[x];
        if (((pixel >> 8) & 0xFF) > 0xB0) ++count;
      }
    }
    return count;
  };
  const int bottom = static_cast<int>(frame.bottom);
  EXPECT_GT(lightPixels(0, bottom - 16, static_cast<int>(frame.right), bottom), 50);
  EXPECT_EQ(lightPixels(static_cast<int>(frame.right) + 2, 0, 520, 200), 0);
}

}  // namespace
}  // namespace zarvo
