#include <gtest/gtest.h>

#include <cairo.h>

#include <string>

#include "host/core/ClassRegistry.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/SVGDrawAreaWidgetInterface.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

std::string SvgPath(const std::string& name) { return std::string(ZARVO_TEST_DATA_DIR) + "/svg/" + name; }

struct Rgb {
  int r, g, b;
};

class SVGDrawAreaWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(Rect{0, 0, 200, 120});
    ASSERT_TRUE(window_);
    area_ = test::NewObject<SVGDrawAreaWidgetInterface>(kSVGDrawAreaWidgetClassId);
    ASSERT_TRUE(area_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(area_).IsOk());
    Update();
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  cairo_surface_t* Surface() const { return window_->GetHostCanvas()->GetOsWindow()->GetSurface(); }
  Rgb PixelAt(int x, int y) const {
    cairo_surface_t* surface = Surface();
    cairo_surface_flush(surface);
    const unsigned char* p = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface) + 4 * x;
    return {p[2], p[1], p[0]};
  }
  // elements.svg: a dark 40 × 20 plate whose left half is blue (0x3080ff).
  bool IsBlue(int x, int y) const {
    const Rgb c = PixelAt(x, y);
    return c.b > 230 && c.r < 80 && c.g > 100 && c.g < 160;
  }
  void LoadElements() {
    Result<void> loaded = area_->SetUrl(Url{SvgPath("elements.svg")});
    ASSERT_TRUE(loaded.IsOk()) << loaded.GetError().ToString();
    Update();
  }

  Ref<AppWindow> window_;
  SVGDrawAreaWidgetRef area_;
};

TEST_F(SVGDrawAreaWidgetTest, LoadsFileAndDrawsAtIntrinsicSize) {
  LoadElements();
  ASSERT_TRUE(area_->GetDocument());
  EXPECT_TRUE(area_->GetErrorText().empty());
  Result<Vector2d> size = area_->GetDocument()->GetIntrinsicSize();
  ASSERT_TRUE(size.IsOk());
  EXPECT_EQ(*size, (Vector2d{40, 20}));
  EXPECT_TRUE(IsBlue(10, 10));
  EXPECT_FALSE(IsBlue(30, 10)) << "the right half is the dark plate";
  EXPECT_FALSE(IsBlue(10, 30)) << "nothing below the document";
}

TEST_F(SVGDrawAreaWidgetTest, LoadsFromADocumentMadeFromText) {
  Result<SVGDocumentRef> document = CreateObject<SVGDocumentInterface>(Id(kSVGDocumentClassId));
  ASSERT_TRUE(document.IsOk());
  ASSERT_TRUE((*document)
                  ->InitFromText(R"(<svg xmlns="http://www.w3.org/2000/svg" width="60" height="30">)"
                                 R"(<rect width="60" height="30" fill="#3080ff"/></svg>)")
                  .IsOk());
  ASSERT_TRUE(area_->SetDocument(*document).IsOk());
  Update();
  EXPECT_EQ(area_->GetDocument().Get(), document->Get());
  EXPECT_TRUE(IsBlue(55, 25));
  EXPECT_FALSE(IsBlue(65, 25));

  Result<SVGDocumentRef> unloaded = CreateObject<SVGDocumentInterface>(Id(kSVGDocumentClassId));
  ASSERT_TRUE(unloaded.IsOk());
  Result<void> refused = area_->SetDocument(*unloaded);
  ASSERT_FALSE(refused.IsOk());
  EXPECT_EQ(refused.GetError().GetMessage(), "SVG document is not loaded");
  EXPECT_EQ(area_->GetDocument().Get(), document->Get()) << "a refused document changes nothing";
}

TEST_F(SVGDrawAreaWidgetTest, BadFileFailsAndDrawsItsMessage) {
  LoadElements();
  Result<void> loaded = area_->SetUrl(Url{SvgPath("malformed.svg")});
  ASSERT_FALSE(loaded.IsOk());
  EXPECT_EQ(area_->GetErrorText(), loaded.GetError().GetMessage());
  EXPECT_NE(area_->GetErrorText().find("malformed.svg"), std::string::npos) << area_->GetErrorText();
  EXPECT_FALSE(area_->GetDocument());
  Update();
  int red = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 200; ++x) {
      const Rgb c = PixelAt(x, y);
      red += c.r > 150 && c.g < 100 && c.b < 100;
    }
  }
  EXPECT_GT(red, 20) << "the message is drawn in red";
  EXPECT_FALSE(IsBlue(10, 10)) << "the old document is gone";
}

TEST_F(SVGDrawAreaWidgetTest, MiddleDragAndWheelMoveAndScaleTheDocument) {
  LoadElements();
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press({100, 100}, BUTTON::MIDDLE));
  ASSERT_TRUE(*driver.Drag({150, 130}, BUTTON::MIDDLE));
  ASSERT_TRUE(driver.Release({150, 130}, BUTTON::MIDDLE).IsOk());
  EXPECT_EQ(area_->GetPan(), (Vector2d{50, 30}));
  EXPECT_FALSE(IsBlue(10, 10));
  EXPECT_TRUE(IsBlue(60, 40));
  EXPECT_FALSE(IsBlue(75, 40));

  // One notch about the document's corner scales it by 1.25 from there: the blue half now
  // reaches 25 pixels.
  ASSERT_TRUE(*driver.Scroll({50, 30}, {0, kScrollPixelsPerWheelNotch}));
  EXPECT_DOUBLE_EQ(area_->GetLocalScale().x, 1.25);
  EXPECT_TRUE(IsBlue(50 + 23, 30 + 22));
  EXPECT_FALSE(IsBlue(50 + 27, 30 + 10));
  test::ExpectMatchesGolden(Surface(), "svgdrawarea_panned_zoomed");
}

TEST_F(SVGDrawAreaWidgetTest, ZoomedDocumentKeepsSharpEdges) {
  LoadElements();
  ASSERT_TRUE(area_->ZoomAbout({0, 0}, 2.0).IsOk());
  Update();
  // Rasterised at the zoomed size, the blue half ends on a whole pixel with no blurred seam.
  EXPECT_TRUE(IsBlue(39, 20));
  const Rgb outside = PixelAt(40, 20);
  EXPECT_LT(outside.b, 0x40) << "the first pixel past the edge is the dark plate";
  EXPECT_TRUE(IsBlue(10, 39));
}

}  // namespace
}  // namespace zarvo
