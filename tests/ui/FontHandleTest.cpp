#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "host/ui/FontCache.h"
#include "host/ui/FontHandle.h"

namespace zarvo {
namespace {

FontHandleRef MakeFont(Float pixels, FONTSTYLE style = FONTSTYLE::NONE, String name = {}) {
  Result<FontHandleRef> font = FontHandle::Create({std::move(name), CanvasUnitValue::Pix(pixels), style, FONTBASELINE::DEFAULT});
  EXPECT_TRUE(font.IsOk()) << font.GetError().ToString();
  return font.IsOk() ? *font : nullptr;
}

TEST(FontHandleTest, TestFontsArePinnedToDejaVu) {
  EXPECT_EQ(MakeFont(12.0)->GetResolvedFamily(), "DejaVu Sans");
  EXPECT_EQ(MakeFont(12.0, FONTSTYLE::NONE, "monospace")->GetResolvedFamily(), "DejaVu Sans Mono");
  EXPECT_EQ(MakeFont(12.0, FONTSTYLE::NONE, "No Such Family")->GetResolvedFamily(), "DejaVu Sans");
  const std::vector<String> families = FontCache::Get().ListFamilies();
  ASSERT_FALSE(families.empty());
  // Besides the DejaVu families Pango lists its generic names (Sans, Monospace, ...).
  const std::vector<String> generic = {"Monospace", "Sans", "Serif", "System-ui"};
  for (const String& family : families) {
    if (std::find(generic.begin(), generic.end(), family) != generic.end()) continue;
    EXPECT_EQ(family.rfind("DejaVu", 0), 0u) << family;
  }
}

TEST(FontHandleTest, MetricsAreSane) {
  FontHandleRef font = MakeFont(20.0);
  EXPECT_GT(font->GetAscent(), 0.0);
  EXPECT_GT(font->GetDescent(), 0.0);
  EXPECT_EQ(font->GetLeading(), 0.0);  // DejaVu declares no line gap
  EXPECT_NEAR(font->GetLineHeight(), font->GetAscent() + font->GetDescent(), 1e-9);
  EXPECT_GT(font->GetLineHeight(), 20.0);
  EXPECT_LT(font->GetLineHeight(), 30.0);
  EXPECT_GT(font->GetXHeight(), 0.0);
  EXPECT_LT(font->GetXHeight(), font->GetCapHeight());
  EXPECT_LT(font->GetCapHeight(), font->GetAscent());

  const Rect box = font->GetStringBoundingBox("Ag");
  EXPECT_EQ(box.left, 0.0);
  EXPECT_EQ(box.top, 0.0);
  EXPECT_GT(box.Width(), 20.0);
  EXPECT_NEAR(box.Height(), font->GetLineHeight(), 0.01);
  EXPECT_EQ(font->GetStringBoundingBox("").Width(), 0.0);
  EXPECT_NEAR(MakeFont(40.0)->GetStringBoundingBox("Ag").Width(), 2.0 * box.Width(), 0.01);
}

TEST(FontHandleTest, StylesChooseTheirFaces) {
  const Float normal = MakeFont(20.0)->GetStringBoundingBox("Hello world").Width();
  EXPECT_GT(MakeFont(20.0, FONTSTYLE::BOLD)->GetStringBoundingBox("Hello world").Width(), normal);
  FontHandleRef italic = MakeFont(20.0, FONTSTYLE::ITALIC);
  EXPECT_EQ(italic->GetResolvedFamily(), "DejaVu Sans");
  EXPECT_EQ(italic->GetDescription().style, FONTSTYLE::ITALIC);
}

TEST(FontHandleTest, BaselineOffsetsFollowTheNamedLine) {
  FontHandleRef font = MakeFont(20.0);
  EXPECT_EQ(font->GetBaselineOffset(FONTBASELINE::DEFAULT), font->GetAscent());
  EXPECT_EQ(font->GetBaselineOffset(FONTBASELINE::ASCENT), font->GetAscent());
  EXPECT_EQ(font->GetBaselineOffset(FONTBASELINE::MEANLINE), font->GetXHeight());
  EXPECT_EQ(font->GetBaselineOffset(FONTBASELINE::CAP), font->GetCapHeight());
  EXPECT_EQ(font->GetBaselineOffset(FONTBASELINE::DESCENT), -font->GetDescent());
  EXPECT_NEAR(font->GetBaselineOffset(FONTBASELINE::CENTER), (font->GetAscent() - font->GetDescent()) / 2, 1e-9);
}

TEST(FontHandleTest, BadDescriptionsAreErrors) {
  const Float nan = std::numeric_limits<Float>::quiet_NaN();
  const Float inf = std::numeric_limits<Float>::infinity();
  for (Float size : {nan, inf, -1.0, FontHandle::kMaxPixelSize * 2}) {
    Result<FontHandleRef> font = FontHandle::Create({{}, CanvasUnitValue::Pix(size)});
    ASSERT_FALSE(font.IsOk()) << size;
    EXPECT_EQ(font.GetError().GetKind(), ErrorKind::kIllegalArgument);
  }
  Result<FontHandleRef> rem = FontHandle::Create({{}, CanvasUnitValue::Rem(1.0)});
  ASSERT_FALSE(rem.IsOk());
  EXPECT_EQ(rem.GetError().GetMessage(), "Font size must be given in pixels");
  EXPECT_FALSE(FontHandle::Create({{}, CanvasUnitValue::Pix(10), static_cast<FONTSTYLE>(7)}).IsOk());
  EXPECT_FALSE(FontHandle::Create({{}, CanvasUnitValue::Pix(10), FONTSTYLE::NONE, static_cast<FONTBASELINE>(9)}).IsOk());

  // A font scaled to nothing is legal and measures nothing.
  FontHandleRef zero = MakeFont(0.0);
  EXPECT_EQ(zero->GetStringBoundingBox("Ag").Width(), 0.0);
}

TEST(FontHandleTest, OneHandlePerDescription) {
  FontHandleRef a = MakeFont(13.0);
  EXPECT_EQ(MakeFont(13.0), a);
  EXPECT_NE(MakeFont(13.0, FONTSTYLE::BOLD), a);
  EXPECT_NE(MakeFont(13.0, FONTSTYLE::BOLD)->GetSerial(), a->GetSerial());
}

TEST(FontHandleTest, RepeatedMeasurementDoesNotShapeAgain) {
  FontCache& cache = FontCache::Get();
  FontHandleRef font = MakeFont(17.0);
  const Rect first = font->GetStringBoundingBox("measure me once");
  const uint64_t shapes = cache.GetShapeCount();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(font->GetStringBoundingBox("measure me once"), first);
  EXPECT_EQ(cache.GetShapeCount(), shapes);
  // The same text in another font is another entry.
  MakeFont(18.0)->GetStringBoundingBox("measure me once");
  EXPECT_GT(cache.GetShapeCount(), shapes);
}

TEST(FontHandleTest, LayoutCacheIsBoundedAndEvictsTheLeastRecentlyUsed) {
  FontCache& cache = FontCache::Get();
  const size_t capacity = cache.GetLayoutCapacity();
  cache.SetLayoutCapacity(2);
  FontHandleRef font = MakeFont(15.0);
  font->GetStringBoundingBox("one");
  font->GetStringBoundingBox("two");
  font->GetStringBoundingBox("one");    // now the most recent
  font->GetStringBoundingBox("three");  // evicts "two"
  EXPECT_EQ(cache.GetLayoutCount(), 2u);
  uint64_t shapes = cache.GetShapeCount();
  font->GetStringBoundingBox("one");
  EXPECT_EQ(cache.GetShapeCount(), shapes);
  font->GetStringBoundingBox("two");
  EXPECT_EQ(cache.GetShapeCount(), shapes + 1);
  cache.SetLayoutCapacity(capacity);
}

}  // namespace
}  // namespace zarvo
