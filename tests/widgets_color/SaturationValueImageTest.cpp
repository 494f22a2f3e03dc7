#include <gtest/gtest.h>

#include <cmath>

#include "host/gfx/Image.h"
#include "source/widgets_color/ColorMath.h"
#include "source/widgets_color/SaturationValueImage.h"

namespace zarvo {
namespace {

// Each pixel holds the HSV colour at its centre, to the nearest 8-bit step.
TEST(SaturationValueImageTest, EveryPixelIsTheHsvColourAtItsCentre) {
  for (const Float hue : {0.0, 0.1, 0.45, 0.8, 1.0}) {
    Result<Ref<Image>> image = Image::Create(17, 9);
    ASSERT_TRUE(image.IsOk());
    FillSaturationValue(hue, **image);
    for (Int y = 0; y < 9; ++y) {
      for (Int x = 0; x < 17; ++x) {
        const ColorA expected = HsvToRgb({hue, (x + 0.5) / 17.0, 1.0 - (y + 0.5) / 9.0});
        const PixelRGBA8 pixel = (*image)->GetPixel(x, y);
        SCOPED_TRACE(testing::Message() << "hue " << hue << " at " << x << "," << y);
        EXPECT_NEAR(pixel.r, expected.r * 255.0, 0.51);
        EXPECT_NEAR(pixel.g, expected.g * 255.0, 0.51);
        EXPECT_NEAR(pixel.b, expected.b * 255.0, 0.51);
        EXPECT_EQ(pixel.a, 255);
      }
    }
  }
}

TEST(SaturationValueImageTest, AnEmptyImageIsLeftAlone) {
  Result<Ref<Image>> image = Image::Create(0, 0);
  ASSERT_TRUE(image.IsOk());
  const uint64_t version = (*image)->GetVersion();
  FillSaturationValue(0.5, **image);
  EXPECT_EQ((*image)->GetVersion(), version);
}

}  // namespace
}  // namespace zarvo
