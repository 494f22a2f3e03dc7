#include <gtest/gtest.h>

#include <cairo.h>

#include <string>
#include <vector>

#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "source/interfaces/SVGDebugWidgetInterface.h"
#include "source/widgets_debug/SVGDebugWidgetImpl.h"
#include "source/widgets_debug/SVGOutline.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

using Strings = std::vector<String>;

std::string SvgPath(const std::string& name) { return std::string(ZARVO_TEST_DATA_DIR) + "/svg/" + name; }

TEST(SVGOutlineTest, CountsNestedElementsAndListsIdsInOrder) {
  Result<SVGOutline> outline = ReadSVGOutline(R"(<svg id="root"><g id="a"><rect/><rect id="b"/></g><!-- c --></svg>)");
  ASSERT_TRUE(outline.IsOk());
  EXPECT_EQ(outline->elementCount, 4);
  EXPECT_EQ(outline->ids, (Strings{"root", "a", "b"}));
  EXPECT_FALSE(ReadSVGOutline("<svg><rect></svg>").IsOk());
}

class SVGDebugWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(Rect{0, 0, 320, 160});
    ASSERT_TRUE(window_);
    debug_ = test::NewObject<SVGDebugWidgetInterface>(kSVGDebugWidgetClassId);
    ASSERT_TRUE(debug_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(debug_).IsOk());
    ASSERT_TRUE(debug_->CreateLayout().IsOk());
    Update();
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  cairo_surface_t* Surface() const { return window_->GetHostCanvas()->GetOsWindow()->GetSurface(); }
  const unsigned char* PixelAt(int x, int y) const {
    cairo_surface_t* surface = Surface();
    cairo_surface_flush(surface);
    return cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface) + 4 * x;
  }
  const SVGDebugWidgetImpl& Impl() const { return dynamic_cast<const SVGDebugWidgetImpl&>(*debug_); }

  Ref<AppWindow> window_;
  SVGDebugWidgetRef debug_;
};

TEST_F(SVGDebugWidgetTest, FileShowsSizeCountAndIdsInAFramedViewport) {
  Result<void> loaded = debug_->SetUrl(Url{SvgPath("elements.svg")});
  ASSERT_TRUE(loaded.IsOk()) << loaded.GetError().ToString();
  Update();
  ASSERT_TRUE(debug_->GetDocument());
  EXPECT_EQ(debug_->GetElementCount(), 8);
  EXPECT_EQ(debug_->GetElementIds(), (Strings{"background", "fill", "marker", "dot", "twin", "twin"}));
  const Strings lines = Impl().GetInfoLines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "Size: 40 x 20");
  EXPECT_EQ(lines[1], "Elements: 8");
  EXPECT_EQ(lines[2], "#background");

  // The left half holds the document fitted at its aspect, its frame in the frame colour.
  const Rect viewport = Impl().GetViewportRect();
  EXPECT_EQ(viewport, (Rect{6, 43, 154, 117}));
  const unsigned char* frame = PixelAt(80, 42);
  EXPECT_GT(frame[0] - frame[2], 60) << "blue over red on the frame's top edge";
  const unsigned char* inside = PixelAt(30, 80);  // the blue left half of the document
  EXPECT_GT(inside[0], 230);
  EXPECT_LT(inside[2], 80);
  test::ExpectMatchesGolden(Surface(), "svgdebug_elements");
}

TEST_F(SVGDebugWidgetTest, TextLoadsAndAFailureShowsItsMessageInRed) {
  ASSERT_TRUE(debug_->SetText(R"(<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8"><rect id="only"/></svg>)").IsOk());
  EXPECT_EQ(debug_->GetElementCount(), 2);
  EXPECT_EQ(debug_->GetElementIds(), (Strings{"only"}));
  Result<void> badText = debug_->SetText("<svg><rect></svg>");
  ASSERT_FALSE(badText.IsOk());
  EXPECT_EQ(debug_->GetErrorText(), badText.GetError().GetMessage());
  EXPECT_EQ(debug_->GetElementCount(), 0) << "a failed load clears the listing";

  Result<void> failed = debug_->SetUrl(Url{SvgPath("not_svg.svg")});
  ASSERT_FALSE(failed.IsOk());
  EXPECT_EQ(debug_->GetErrorText(), failed.GetError().GetMessage());
  EXPECT_FALSE(debug_->GetErrorText().empty());
  EXPECT_FALSE(debug_->GetDocument());
  EXPECT_EQ(debug_->GetElementCount(), 0);
  EXPECT_TRUE(Impl().GetInfoLines().empty());
  Update();
  int red = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 320; ++x) {
      const unsigned char* p = PixelAt(x, y);
      red += p[2] > 150 && p[1] < 100 && p[0] < 100;
    }
  }
  EXPECT_GT(red, 20);
}

}  // namespace
}  // namespace zarvo
