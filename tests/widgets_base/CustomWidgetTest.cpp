#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/CustomWidgetInterface.h"

namespace zarvo {
namespace {

const Rect kFrame{10, 10, 50, 30};
const ColorA kRed{1, 0, 0, 1};

// The red channel of one pixel of the window's surface.
int RedAt(AppWindow& window, int x, int y) {
  cairo_surface_t* surface = window.GetHostCanvas()->GetOsWindow()->GetSurface();
  cairo_surface_flush(surface);
  const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
  const uint32_t argb = reinterpret_cast<const uint32_t*>(row)[x];
  return static_cast<int>((argb >> 16) & 0xFF);
}

class CustomWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 60, 40});
    ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    Result<CustomWidgetRef> widget = CreateObject<CustomWidgetInterface>(Id(kCustomWidgetClassId));
    ASSERT_TRUE(widget.IsOk()) << widget.GetError().ToString();
    widget_ = *widget;
    widget_->SetLocalPosition({kFrame.left, kFrame.top});
    ASSERT_TRUE(widget_->SetLocalSize(kFrame.Width(), kFrame.Height()).IsOk());
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(widget_).IsOk());
  }

  // The host highlights the focusable widget under the pointer.
  Result<bool> Hover() {
    widget_->SetAcceptFocus(true);
    EventDriver driver(*window_);
    return driver.Move({30, 20});
  }

  // Forces the whole widget to be drawn again.
  Result<void> Redraw() {
    widget_->RequestRedraw();
    return window_->Update();
  }

  Ref<AppWindow> window_;
  CustomWidgetRef widget_;
};

TEST_F(CustomWidgetTest, WithoutCallbacksItDrawsOnlyWhatTheBaseDraws) {
  ASSERT_TRUE(window_->Update().IsOk());
  EXPECT_EQ(widget_->GetName(), "CustomWidget");
  const int before = RedAt(*window_, 30, 20);
  widget_->SetBackgroundVisibility(true);
  widget_->SetBackgroundColor(kRed);
  ASSERT_TRUE(Redraw().IsOk());
  EXPECT_EQ(RedAt(*window_, 30, 20), 255);
  EXPECT_NE(before, 255);
}

TEST_F(CustomWidgetTest, TheContentCallbackDrawsInLocalCoordinatesWithTheWidget) {
  std::vector<WidgetInterface*> calls;
  widget_->SetDrawContentCallback([&](CustomWidgetInterface& widget) -> Result<void> {
    calls.push_back(&widget);
    return widget.DrawRectangle(Rect{0, 0, 10, 10}, kRed);
  });
  ASSERT_TRUE(window_->Update().IsOk());
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], static_cast<WidgetInterface*>(widget_.Get()));
  EXPECT_EQ(RedAt(*window_, 15, 15), 255);
  EXPECT_NE(RedAt(*window_, 25, 25), 255);
}

TEST_F(CustomWidgetTest, AnEmptyCallbackKeepsTheInstalledOne) {
  int contentCalls = 0;
  int highlightCalls = 0;
  widget_->SetDrawContentCallback([&](CustomWidgetInterface&) -> Result<void> {
    ++contentCalls;
    return Ok();
  });
  widget_->SetDrawHighlightCallback([&](CustomWidgetInterface&, Float) -> Result<void> {
    ++highlightCalls;
    return Ok();
  });
  widget_->SetDrawContentCallback(CustomDrawContentCallback());
  widget_->SetDrawHighlightCallback(CustomDrawHighlightCallback());
  ASSERT_TRUE(Hover().IsOk());
  EXPECT_GE(contentCalls, 1);
  EXPECT_GE(highlightCalls, 1);
}

TEST_F(CustomWidgetTest, TheHighlightCallbackRunsForTheHoveredWidgetWithTheHostsOpacity) {
  std::vector<Float> opacities;
  widget_->SetDrawHighlightCallback([&](CustomWidgetInterface&, Float opacity) -> Result<void> {
    opacities.push_back(opacity);
    return Ok();
  });
  ASSERT_TRUE(window_->Update().IsOk());
  EXPECT_TRUE(opacities.empty()) << "not hovered";
  window_->GetAppWidget()->SetHoverHighlightOpacity(0.25);
  ASSERT_TRUE(Hover().IsOk());
  ASSERT_FALSE(opacities.empty());
  EXPECT_EQ(opacities.back(), 0.25);
}

TEST_F(CustomWidgetTest, ACallbacksErrorIsTheDrawsError) {
  widget_->SetDrawContentCallback(
      [](CustomWidgetInterface&) -> Result<void> { return IllegalStateError("content refused"); });
  Result<void> drawn = window_->Update();
  ASSERT_FALSE(drawn.IsOk());
  EXPECT_EQ(drawn.GetError().GetMessage(), "content refused");

  widget_->SetDrawContentCallback([](CustomWidgetInterface&) -> Result<void> { return Ok(); });
  widget_->SetDrawHighlightCallback(
      [](CustomWidgetInterface&, Float) -> Result<void> { return IllegalStateError("highlight refused"); });
  (void)Hover();  // its own redraw may already fail
  Result<void> hovered = Redraw();
  ASSERT_FALSE(hovered.IsOk());
  EXPECT_EQ(hovered.GetError().GetMessage(), "highlight refused");
}

TEST_F(CustomWidgetTest, CopyingIsRefused) {
  Result<CustomWidgetRef> other = CreateObject<CustomWidgetInterface>(Id(kCustomWidgetClassId));
  ASSERT_TRUE(other.IsOk());
  Result<void> copied = (*other)->CopyFrom(*widget_);
  ASSERT_FALSE(copied.IsOk());
  EXPECT_EQ(copied.GetError().GetMessage(), "Component @ has members, but CopyFrom is not implemented!");
}

}  // namespace
}  // namespace zarvo
