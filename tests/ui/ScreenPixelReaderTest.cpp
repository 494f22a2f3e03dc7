#include <gtest/gtest.h>

#include <cairo.h>

#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/ScreenPixelReader.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

Ref<AppWindow> PaintedWindow(const Rect& frame, const ColorA& color) {
  Ref<AppWindow> window = test::OpenTestWindow(WindowClass::Window(), frame);
  window->GetAppWidget()->SetBackgroundVisibility(true);
  window->GetAppWidget()->SetBackgroundColor(color);
  window->GetAppWidget()->RequestRedraw();
  EXPECT_TRUE(window->Update().IsOk());
  return window;
}

TEST(ScreenPixelReaderTest, TheNewestWindowAtAPositionIsReadAndGapsAreNoWindow) {
  Ref<AppWindow> below = PaintedWindow(Rect{0, 0, 100, 100}, {1, 0, 0, 1});
  Ref<AppWindow> above = PaintedWindow(Rect{50, 50, 150, 150}, {0, 0, 1, 1});
  EXPECT_EQ(*ReadScreenPixel({10, 10}), (ColorA{1, 0, 0, 1}));
  EXPECT_EQ(*ReadScreenPixel({75, 75}), (ColorA{0, 0, 1, 1})) << "the later window lies above";
  EXPECT_EQ(FindWindowAtScreenPosition({150, 150}), nullptr) << "the right and bottom edges are outside";
  Result<ColorA> none = ReadScreenPixel({400, 10});
  ASSERT_FALSE(none.IsOk());
  EXPECT_EQ(none.GetError().GetMessage(), "No window of the application at this position");
  ASSERT_TRUE(above->Close().IsOk());
  EXPECT_EQ(*ReadScreenPixel({75, 75}), (ColorA{1, 0, 0, 1})) << "a closed window shows nothing";
}

TEST(ScreenPixelReaderTest, PremultipliedPixelsComeBackStraightAndOutsideIsRefused) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2, 1);
  cairo_t* cr = cairo_create(surface);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgba(cr, 1.0, 0.0, 0.0, 0.4);
  cairo_rectangle(cr, 0, 0, 1, 1);
  cairo_fill(cr);
  cairo_destroy(cr);
  Result<ColorA> translucent = ReadSurfacePixel(surface, 0, 0);
  ASSERT_TRUE(translucent.IsOk());
  EXPECT_NEAR(translucent->r, 1.0, 0.01);
  EXPECT_NEAR(translucent->a, 0.4, 0.01);
  EXPECT_EQ(*ReadSurfacePixel(surface, 1, 0), (ColorA{0, 0, 0, 0}));
  for (const auto& [x, y] : {std::pair<Int, Int>{2, 0}, {0, 1}, {-1, 0}}) {
    Result<ColorA> outside = ReadSurfacePixel(surface, x, y);
    ASSERT_FALSE(outside.IsOk());
    EXPECT_EQ(outside.GetError().GetMessage(), "Position outside the window");
  }
  cairo_surface_destroy(surface);
}

}  // namespace
}  // namespace zarvo
