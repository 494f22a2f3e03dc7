#include <gtest/gtest.h>

#include "host/core/ClassRegistry.h"
#include "host/gfx/Image.h"
#include "host/ui/AppWindow.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/interfaces/ImageWidgetInterface.h"

namespace zarvo {
namespace {

FrameWidgetRef NewFrame() {
  Result<FrameWidgetRef> frame = CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId));
  EXPECT_TRUE(frame.IsOk()) << frame.GetError().ToString();
  return frame.IsOk() ? *frame : FrameWidgetRef();
}

TEST(FrameWidgetTest, TakesTheSizeItIsGivenWhateverItsChildren) {
  Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 80, 50});
  ASSERT_TRUE(window.IsOk());
  FrameWidgetRef frame = NewFrame();
  ASSERT_TRUE((*window)->GetAppWidget()->InsertChildLast(frame).IsOk());
  frame->SetLocalPosition({10, 5});
  ASSERT_TRUE(frame->SetLocalSize(30.0, 20.0).IsOk());
  FrameWidgetRef inner = NewFrame();
  ASSERT_TRUE(inner->SetLocalSize(70.0, 45.0).IsOk());
  ASSERT_TRUE(frame->InsertChildLast(inner).IsOk());
  ASSERT_TRUE((*window)->Update().IsOk());
  EXPECT_EQ(frame->GetLocalPixSize(), (Vector2d{30, 20}));
  EXPECT_EQ(inner->GetLocalPixSize(), (Vector2d{70, 45}));
  EXPECT_EQ(frame->GetGlobalFrame(), (Rect{10, 5, 40, 25}));
  EXPECT_EQ(frame->GetName(), "") << "a frame has no debug name of its own";
}

TEST(FrameWidgetTest, DrawsOnlyWhatTheWidgetBaseDraws) {
  Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 40, 20});
  ASSERT_TRUE(window.IsOk());
  FrameWidgetRef frame = NewFrame();
  ASSERT_TRUE((*window)->GetAppWidget()->InsertChildLast(frame).IsOk());
  ASSERT_TRUE(frame->SetLocalSize(20.0, 20.0).IsOk());
  ASSERT_TRUE((*window)->Update().IsOk());
  auto pixel = [&](Int x, Int y) {
    Result<Ref<Image>> screen = Image::FromCairoSurface((*window)->GetHostCanvas()->GetOsWindow()->GetSurface());
    EXPECT_TRUE(screen.IsOk());
    return (*screen)->GetPixel(x, y);
  };
  const PixelRGBA8 windowColor = pixel(30, 10);
  EXPECT_EQ(pixel(10, 10), windowColor);

  frame->SetBackgroundVisibility(true);
  frame->SetBackgroundColor({0.0, 0.0, 1.0, 1.0});
  ASSERT_TRUE((*window)->Update().IsOk());
  EXPECT_EQ(pixel(10, 10), (PixelRGBA8{0, 0, 255, 255}));
  EXPECT_EQ(pixel(30, 10), windowColor);
}

TEST(FrameWidgetTest, CopiesOnlyFromAnotherFrame) {
  FrameWidgetRef frame = NewFrame();
  EXPECT_TRUE(frame->CopyFrom(*NewFrame()).IsOk());
  Result<ImageWidgetRef> image = CreateObject<ImageWidgetInterface>(Id(kImageWidgetClassId));
  ASSERT_TRUE(image.IsOk());
  EXPECT_FALSE(frame->CopyFrom(**image).IsOk());
}

}  // namespace
}  // namespace zarvo
