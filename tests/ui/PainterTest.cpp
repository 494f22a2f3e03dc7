#include <gtest/gtest.h>

#include <limits>

#include <cairo.h>

#include <optional>

#include "host/gfx/Image.h"
#include "host/ui/FontCache.h"
#include "host/ui/FontHandle.h"
#include "host/ui/Painter.h"
#include "tests/support/Golden.h"

namespace zarvo {
namespace {

constexpr ColorA kWhite{1, 1, 1, 1};
constexpr ColorA kBlack{0, 0, 0, 1};
constexpr ColorA kRed{1, 0, 0, 1};
constexpr ColorA kBlue{0.2, 0.4, 0.9, 1};
constexpr ColorA kDark{0.1, 0.1, 0.2, 1};

// A white surface with a painter on it.
class Surface {
 public:
  Surface(int width, int height) : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {
    painter_.emplace(surface_);
    painter_->FillSurface(kWhite);
  }
  ~Surface() {
    painter_.reset();
    cairo_surface_destroy(surface_);
  }
  Painter& Paint() { return *painter_; }
  cairo_surface_t* Get() const { return surface_; }
  Ref<Image> Snapshot() const {
    Result<Ref<Image>> image = Image::FromCairoSurface(surface_);
    EXPECT_TRUE(image.IsOk());
    return *image;
  }
  PixelRGBA8 Pixel(Int x, Int y) const { return Snapshot()->GetPixel(x, y); }
  // Bounds of every pixel that is not white, as (left, top, right, bottom) pixel indices.
  std::optional<Rect> InkBounds() const {
    Ref<Image> image = Snapshot();
    std::optional<Rect> bounds;
    for (Int y = 0; y < image->GetHeight(); ++y) {
      for (Int x = 0; x < image->GetWidth(); ++x) {
        if (image->GetPixel(x, y) == PixelRGBA8{255, 255, 255, 255}) continue;
        const Rect pixel{Float(x), Float(y), Float(x), Float(y)};
        bounds = bounds ? Rect{std::min(bounds->left, pixel.left), std::min(bounds->top, pixel.top),
                               std::max(bounds->right, pixel.right), std::max(bounds->bottom, pixel.bottom)}
                        : pixel;
      }
    }
    return bounds;
  }

 private:
  cairo_surface_t* surface_;
  std::optional<Painter> painter_;
};

FontHandleRef Font(FONTSTYLE style = FONTSTYLE::NONE, FONTBASELINE baseline = FONTBASELINE::DEFAULT, Float size = 20.0) {
  Result<FontHandleRef> font = FontHandle::Create({{}, CanvasUnitValue::Pix(size), style, baseline});
  EXPECT_TRUE(font.IsOk());
  return *font;
}

const PixelRGBA8 kWhitePixel{255, 255, 255, 255};
const PixelRGBA8 kRedPixel{255, 0, 0, 255};

TEST(PainterTest, GoldenRoundedRectangle) {
  Surface s(64, 32);
  s.Paint().DrawRectangle({4, 4, 60, 28}, PaintStyle::FilledAndStroked(kBlue, kDark, 2.0), CornerRadii::Uniform(8));
  test::ExpectMatchesGolden(s.Get(), "painter_rounded_rect");
}

TEST(PainterTest, GoldenTextStyles) {
  const std::pair<FONTSTYLE, const char*> cases[] = {{FONTSTYLE::NONE, "painter_text_normal"},
                                                     {FONTSTYLE::BOLD, "painter_text_bold"},
                                                     {FONTSTYLE::ITALIC, "painter_text_italic"}};
  for (auto [style, name] : cases) {
    Surface s(64, 32);
    s.Paint().DrawText("Ag", *Font(style), {4, 4}, kBlack);
    test::ExpectMatchesGolden(s.Get(), name);
  }
}

TEST(PainterTest, GoldenBezierPath) {
  Surface s(64, 32);
  Path path;
  path.MoveTo({4, 28}).CubicTo({10, -8}, {40, 40}, {60, 4}).LineTo({60, 28}).Close();
  s.Paint().DrawPath(path, PaintStyle::FilledAndStroked({0.9, 0.6, 0.1, 1}, kDark, 1.5));
  test::ExpectMatchesGolden(s.Get(), "painter_bezier_path");
}

TEST(PainterTest, GoldenWire) {
  Surface s(64, 32);
  s.Paint().DrawWire({4, 6}, {60, 26}, {0.1, 0.6, 0.2, 1}, 2.0);
  s.Paint().DrawCross(Rect::FromSize(28, 12, 8, 8), kRed, 1.0);
  test::ExpectMatchesGolden(s.Get(), "painter_wire");
}

TEST(PainterTest, GoldenScaledImage) {
  Result<Ref<Image>> created = Image::Create(4, 2);
  ASSERT_TRUE(created.IsOk());
  Ref<Image> image = *created;
  for (Int x = 0; x < 4; ++x) {
    image->SetPixel(x, 0, x % 2 ? PixelRGBA8{255, 0, 0, 255} : PixelRGBA8{0, 0, 255, 255});
    image->SetPixel(x, 1, x % 2 ? PixelRGBA8{0, 160, 0, 255} : PixelRGBA8{0, 0, 0, 0});
  }
  Surface s(64, 32);
  s.Paint().DrawImage(*image, {2, 2, 30, 30});
  s.Paint().DrawImage(*image, {34, 2, 62, 30}, 0.5);
  test::ExpectMatchesGolden(s.Get(), "painter_image_scaled");
  // Drawn twice from the same pixels: converted to a cairo surface once.
  EXPECT_EQ(image->GetSurfaceConversionCount(), 1u);
}

TEST(PainterTest, ClipsIntersectAndPopBack) {
  Surface s(40, 40);
  Painter& p = s.Paint();
  p.PushClipRect({0, 0, 20, 20});
  p.PushClipRect({10, 10, 40, 40});
  EXPECT_EQ(p.GetClipBounds(), (Rect{10, 10, 20, 20}));
  p.DrawRectangle({0, 0, 40, 40}, PaintStyle::Filled(kRed));
  EXPECT_EQ(s.Pixel(15, 15), kRedPixel);
  EXPECT_EQ(s.Pixel(5, 5), kWhitePixel);
  EXPECT_EQ(s.Pixel(25, 25), kWhitePixel);
  p.PopClip();
  p.PopClip();
  EXPECT_EQ(p.GetStackDepth(), 0u);
  EXPECT_EQ(p.GetClipBounds(), (Rect{0, 0, 40, 40}));
  p.DrawRectangle({24, 24, 40, 40}, PaintStyle::Filled(kRed));
  EXPECT_EQ(s.Pixel(30, 30), kRedPixel);
}

TEST(PainterTest, RoundedAndPathClipsCutCorners) {
  Surface s(40, 40);
  Painter& p = s.Paint();
  p.PushClipRoundedRect({0, 0, 40, 40}, CornerRadii::Uniform(20));
  p.DrawRectangle({0, 0, 40, 40}, PaintStyle::Filled(kRed));
  p.PopClip();
  EXPECT_EQ(s.Pixel(20, 20), kRedPixel);
  EXPECT_EQ(s.Pixel(1, 1), kWhitePixel);

  Path triangle;
  triangle.MoveTo({0, 0}).LineTo({40, 0}).LineTo({0, 40});
  p.FillSurface(kWhite);
  p.PushClipPath(triangle);
  p.DrawRectangle({0, 0, 40, 40}, PaintStyle::Filled(kRed));
  p.PopClip();
  EXPECT_EQ(s.Pixel(5, 5), kRedPixel);
  EXPECT_EQ(s.Pixel(35, 35), kWhitePixel);
}

TEST(PainterTest, TransformAppliesToFiguresAndIsRestored) {
  Surface s(40, 40);
  Painter& p = s.Paint();
  p.Save();
  p.SetTransform(Matrix2d::Translation(10, 10) * Matrix2d::Scale(2, 2));
  p.PushClipRect({0, 0, 5, 5});
  EXPECT_EQ(p.GetClipBounds(), (Rect{10, 10, 20, 20}));
  p.PopClip();
  p.DrawRectangle({0, 0, 5, 5}, PaintStyle::Filled(kRed));
  p.Restore();
  EXPECT_EQ(p.GetTransform(), Matrix2d());
  EXPECT_EQ(s.Pixel(19, 19), kRedPixel);
  EXPECT_EQ(s.Pixel(9, 9), kWhitePixel);
  EXPECT_EQ(s.Pixel(21, 21), kWhitePixel);
}

TEST(PainterTest, HugelyScaledCirclesDrawInBoundedTimeAndStillCover) {
  // Found by the event fuzzer: a clock face under a scale of 1e6 flattened its arc for minutes.
  Surface s(20, 20);
  Painter& p = s.Paint();
  for (Float scale : {1e6, 1e12, 1e300}) {
    p.SetTransform(Matrix2d::Scale(scale, scale));
    p.DrawCircle({0.0, 0.0}, 60.0, PaintStyle::Filled(kRed));
  }
  EXPECT_EQ(s.Pixel(10, 10), kRedPixel) << "the surface lies inside the huge circle";
  p.SetTransform(Matrix2d::Scale(std::numeric_limits<Float>::infinity(), 1.0));
  p.DrawCircle({0.0, 0.0}, 1.0, PaintStyle::Filled(kBlue));
  EXPECT_EQ(s.Pixel(10, 10), kRedPixel) << "an infinite circle draws nothing";
  // Found by the event fuzzer too: an arc of a denormal radius took cairo practically forever.
  p.SetTransform({});
  p.DrawCircle({10.0, 10.0}, std::numeric_limits<Float>::denorm_min(), PaintStyle::Filled(kBlue));
  p.DrawCircle({10.0, 10.0}, 1e-300, PaintStyle{kBlue, kBlue, 1.0});
  EXPECT_EQ(s.Pixel(10, 10), kRedPixel) << "a circle below a device step draws nothing";
}

TEST(PainterTest, GeometryFarBeyondTheDeviceIsCutNotWrapped) {
  // Found by the event fuzzer: a clip pushed under a translation of -1e300 corrupted the
  // context, and the next rounded fill crashed inside the rasteriser.
  Surface s(64, 32);
  Painter& p = s.Paint();
  p.SetTransform(Matrix2d::Translation(-1e300, 0));
  p.PushClipRect({0, 0, 85, 16});
  p.SetTransform({});
  p.PushClipRect({0, 0, 64, 32});
  p.DrawRectangle({0, 0, 60, 16}, PaintStyle::Filled(kRed), CornerRadii::Uniform(1.77));
  p.PopClip();
  p.PopClip();
  EXPECT_FALSE(s.InkBounds().has_value()) << "the far clip holds nothing";
  EXPECT_EQ(p.GetStackDepth(), 0u);
  p.SetTransform({});

  // Huge figures that cross the surface still cover what they cross.
  constexpr Float kFar = 1e300;
  p.PushClipRect({-kFar, -kFar, kFar, kFar});
  p.DrawRectangle({-kFar, 4, kFar, 8}, PaintStyle::Filled(kRed));
  p.DrawRectangle({-kFar, 12, kFar, 16}, PaintStyle::Filled(kRed), CornerRadii::Uniform(1e6));
  p.DrawLine({-kFar, 20}, {kFar, 20}, kRed, 2);
  p.DrawLine({32, -kFar}, {32, kFar}, kBlue, 2);
  p.PopClip();
  EXPECT_EQ(s.Pixel(5, 6), kRedPixel);
  EXPECT_EQ(s.Pixel(60, 14), kRedPixel);
  EXPECT_EQ(s.Pixel(10, 20), kRedPixel);
  EXPECT_NE(s.Pixel(32, 2), kWhitePixel);
  EXPECT_EQ(s.Pixel(10, 26), kWhitePixel);

  // Beyond the device, text, curves and paths are left out rather than wrapped onto it.
  p.FillSurface(kWhite);
  p.DrawText("Ag", *Font(), {-kFar, 0}, kRed);
  p.DrawBezier({{-kFar, 10}, {0, 10}, {10, 10}, {kFar, 10}}, kRed, 2);
  Path far;
  far.MoveTo({kFar, 0}).LineTo({kFar, 32}).LineTo({-kFar, 32});
  p.DrawShape(far, kRed);
  EXPECT_TRUE(p.GetStatus().IsOk());
}

TEST(PainterTest, RestoreToDepthUnwindsMixedEntries) {
  Surface s(20, 20);
  Painter& p = s.Paint();
  p.PushClipRect({0, 0, 10, 10});
  const size_t depth = p.GetStackDepth();
  p.Save();
  p.SetTransform(Matrix2d::Translation(3, 3));
  p.PushOpacity(0.5);
  p.PushClipRect({0, 0, 2, 2});
  p.RestoreToDepth(depth);
  EXPECT_EQ(p.GetStackDepth(), depth);
  EXPECT_EQ(p.GetTransform(), Matrix2d());
  EXPECT_EQ(p.GetClipBounds(), (Rect{0, 0, 10, 10}));
  p.RestoreToDepth(0);
  EXPECT_EQ(p.GetClipBounds(), (Rect{0, 0, 20, 20}));
  EXPECT_TRUE(p.GetStatus().IsOk());
}

// Found by the event fuzzer: an image stretched over an enormous rectangle gives its pixels a
// scale too small to invert. cairo would fail the fill and stop drawing for good, and any
// later read of the context's source in that state leaked a pattern.
TEST(PainterTest, ImageTooStretchedToInvertLeavesThePainterWorking) {
  Result<Ref<Image>> created = Image::Create(2, 2);
  ASSERT_TRUE(created.IsOk());
  Ref<Image> image = *created;
  for (Int y = 0; y < 2; ++y) {
    for (Int x = 0; x < 2; ++x) image->SetPixel(x, y, kRedPixel);
  }
  Surface s(20, 20);
  Painter& p = s.Paint();
  for (Float huge : {1e300, -1e300, std::numeric_limits<Float>::max()}) {
    p.DrawImage(*image, {-huge, -huge, huge, huge});
    p.DrawImage(*image, {0, 0, huge, 4}, 0.5);
    EXPECT_TRUE(p.GetStatus().IsOk()) << huge;
  }
  p.DrawImage(*image, {0, 0, 10, 10});
  EXPECT_EQ(s.Pixel(5, 5), kRedPixel);
  EXPECT_TRUE(p.GetStatus().IsOk());
}

TEST(PainterTest, CollapsedTransformDrawsNothing) {
  Surface s(20, 20);
  Painter& p = s.Paint();
  p.SetTransform(Matrix2d::Scale(0, 1));
  p.DrawRectangle({0, 0, 20, 20}, PaintStyle::Filled(kRed));
  p.DrawLine({0, 0}, {20, 20}, kRed, 3);
  p.DrawText("Ag", *Font(), {0, 0}, kRed);
  p.PushClipRect({0, 0, 20, 20});
  p.SetTransform({});
  p.DrawRectangle({0, 0, 20, 20}, PaintStyle::Filled(kRed));  // the clip pushed while collapsed is empty
  p.PopClip();
  EXPECT_FALSE(s.InkBounds().has_value());
  EXPECT_TRUE(p.GetStatus().IsOk());

  // Found by the event fuzzer: a denormal scale is not singular, but its inverse overflows, and
  // composing a translucent group under it failed an assertion inside cairo.
  p.SetTransform(Matrix2d::Translation(0, -3.9e301) * Matrix2d::Scale(1, std::numeric_limits<Float>::denorm_min()));
  p.PushOpacity(0.5);
  p.DrawRectangle({0, 0, 20, 20}, PaintStyle::Filled(kRed));
  p.PopOpacity();
  EXPECT_FALSE(s.InkBounds().has_value());
  EXPECT_TRUE(p.GetStatus().IsOk());
}

TEST(PainterTest, OpacityAppliesToTheGroupAsAWhole) {
  Surface s(40, 20);
  Painter& p = s.Paint();
  p.PushOpacity(0.5);
  p.DrawRectangle({0, 0, 30, 20}, PaintStyle::Filled(kBlack));
  p.DrawRectangle({10, 0, 40, 20}, PaintStyle::Filled(kBlack));  // overlaps the first
  p.PopOpacity();
  const PixelRGBA8 single = s.Pixel(5, 5), overlap = s.Pixel(20, 5);
  EXPECT_EQ(single, overlap);
  EXPECT_NEAR(single.r, 128, 1);

  p.PushOpacity(0.0);
  p.DrawRectangle({0, 0, 40, 20}, PaintStyle::Filled(kRed));
  p.PushOpacity(0.5);  // nested inside a hidden group: still hidden
  p.DrawRectangle({0, 0, 40, 20}, PaintStyle::Filled(kRed));
  p.PopOpacity();
  p.PopOpacity();
  EXPECT_EQ(s.Pixel(5, 5), single);
  EXPECT_EQ(p.GetStackDepth(), 0u);

  // A group with bounds clips to them.
  p.FillSurface(kWhite);
  p.PushOpacity(0.5, {0, 0, 10, 20});
  p.DrawRectangle({0, 0, 40, 20}, PaintStyle::Filled(kBlack));
  p.PopOpacity();
  EXPECT_EQ(s.Pixel(5, 5), single);
  EXPECT_EQ(s.Pixel(20, 5), kWhitePixel);
}

TEST(PainterTest, ClearReplacesPixels) {
  Surface s(20, 20);
  Painter& p = s.Paint();
  p.SetTransform(Matrix2d::Translation(5, 5));
  p.Clear({0, 0, 5, 5}, {0, 0, 0, 0});
  EXPECT_EQ(s.Pixel(7, 7), (PixelRGBA8{0, 0, 0, 0}));
  EXPECT_EQ(s.Pixel(2, 2), kWhitePixel);
  p.FillSurface(kRed);  // whatever the transform
  EXPECT_EQ(s.Pixel(0, 0), kRedPixel);
  EXPECT_EQ(s.Pixel(7, 7), kRedPixel);
}

TEST(PainterTest, CirclesAndShapes) {
  Surface s(40, 40);
  Painter& p = s.Paint();
  p.DrawCircle({20, 20}, 10, PaintStyle::Filled(kRed));
  EXPECT_EQ(s.Pixel(20, 20), kRedPixel);
  EXPECT_EQ(s.Pixel(10, 10), kWhitePixel);
  Path open;
  open.MoveTo({0, 0}).LineTo({40, 0}).LineTo({40, 10});
  p.FillSurface(kWhite);
  p.DrawShape(open, {0, 0, 0, 0}, kBlack, 2.0);  // outline only: the closing edge is drawn too
  EXPECT_NE(s.Pixel(20, 5), kWhitePixel);
  p.FillSurface(kWhite);
  p.DrawPath(open, PaintStyle::Stroked(kBlack, 2.0));  // a path stays open
  EXPECT_EQ(s.Pixel(20, 5), kWhitePixel);
}

TEST(PainterTest, TextDrawsFromTheCacheWithoutReshaping) {
  Surface s(64, 32);
  FontHandleRef font = Font();
  s.Paint().DrawText("cached text", *font, {0, 0}, kBlack);
  const uint64_t shapes = FontCache::Get().GetShapeCount();
  s.Paint().DrawText("cached text", *font, {0, 10}, kBlack);
  EXPECT_EQ(font->GetStringBoundingBox("cached text"), font->GetStringBoundingBox("cached text"));
  EXPECT_EQ(FontCache::Get().GetShapeCount(), shapes);
}

TEST(PainterTest, BaselineModesMoveTheText) {
  auto inkOfH = [](FONTBASELINE baseline, Float y) {
    Surface s(40, 60);
    s.Paint().DrawText("H", *Font(FONTSTYLE::NONE, baseline), {4, y}, kBlack);
    return s.InkBounds().value_or(Rect{});
  };
  FontHandleRef font = Font();
  const Float capTopInDefault = font->GetAscent() - font->GetCapHeight();
  EXPECT_NEAR(inkOfH(FONTBASELINE::DEFAULT, 20).top, 20 + capTopInDefault, 1.0);
  EXPECT_NEAR(inkOfH(FONTBASELINE::ASCENT, 20).top, 20 + capTopInDefault, 1.0);
  EXPECT_NEAR(inkOfH(FONTBASELINE::CAP, 20).top, 20, 1.0);
  // H stands on the baseline: its last inked row is the one above it.
  EXPECT_NEAR(inkOfH(FONTBASELINE::DESCENT, 40).bottom + 1, 40 - font->GetDescent(), 1.0);
  EXPECT_NEAR(inkOfH(FONTBASELINE::MEANLINE, 20).bottom + 1, 20 + font->GetXHeight(), 1.0);
  EXPECT_NEAR(inkOfH(FONTBASELINE::CENTER, 30).bottom + 1, 30 + (font->GetAscent() - font->GetDescent()) / 2, 1.0);
}

TEST(PainterTest, TransformPlacesTextWithoutScalingIt) {
  FontHandleRef font = Font();
  Surface plain(80, 60), scaled(80, 60);
  plain.Paint().DrawText("H", *font, {10, 10}, kBlack);
  scaled.Paint().SetTransform(Matrix2d::Scale(2, 2));
  scaled.Paint().DrawText("H", *font, {5, 5}, kBlack);
  ASSERT_TRUE(plain.InkBounds().has_value());
  EXPECT_EQ(plain.InkBounds(), scaled.InkBounds());
}

}  // namespace
}  // namespace zarvo
