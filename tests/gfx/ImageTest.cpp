#include <gtest/gtest.h>

#include <cairo.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/gfx/Image.h"

namespace zarvo {
namespace {

namespace fs = std::filesystem;

std::string OutputFile(const std::string& name) {
  const fs::path folder = fs::path(ZARVO_TEST_OUTPUT_DIR) / "image";
  fs::create_directories(folder);
  return (folder / name).string();
}

Ref<Image> MakeImage(Int width, Int height) {
  Result<Ref<Image>> image = Image::Create(width, height);
  EXPECT_TRUE(image.IsOk());
  return *image;
}

TEST(ImageTest, StartsTransparentAndStoresStraightPixels) {
  Ref<Image> image = MakeImage(3, 2);
  EXPECT_EQ(image->GetWidth(), 3);
  EXPECT_EQ(image->GetHeight(), 2);
  EXPECT_EQ(image->GetStride(), 12);
  EXPECT_EQ(image->GetPixel(2, 1), (PixelRGBA8{0, 0, 0, 0}));
  image->SetPixel(2, 1, {200, 100, 50, 128});
  EXPECT_EQ(image->GetPixel(2, 1), (PixelRGBA8{200, 100, 50, 128}));
  EXPECT_EQ(image->GetData()[(1 * 3 + 2) * 4], 200);
}

TEST(ImageTest, RejectsImpossibleSizes) {
  for (auto [w, h] : {std::pair<Int, Int>{-1, 4}, {4, -1}, {Image::kMaxDimension + 1, 1}}) {
    Result<Ref<Image>> image = Image::Create(w, h);
    ASSERT_FALSE(image.IsOk());
    EXPECT_EQ(image.GetError().GetKind(), ErrorKind::kIllegalArgument);
  }
  EXPECT_TRUE(Image::Create(0, 0).IsOk());
}

TEST(ImageTest, SurfaceIsPremultipliedAndConvertedOnlyAfterChanges) {
  Ref<Image> image = MakeImage(2, 1);
  image->SetPixel(0, 0, {255, 0, 0, 255});
  image->SetPixel(1, 0, {200, 100, 0, 128});
  cairo_surface_t* surface = image->GetCairoSurface();
  ASSERT_NE(surface, nullptr);
  const auto* argb = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface));
  EXPECT_EQ(argb[0], 0xFFFF0000u);
  EXPECT_EQ(argb[1], 0x80643200u);  // 200 and 100 at half alpha

  EXPECT_EQ(image->GetCairoSurface(), surface);
  EXPECT_EQ(image->GetSurfaceConversionCount(), 1u);
  image->SetPixel(0, 0, {0, 0, 255, 255});
  image->GetCairoSurface();
  EXPECT_EQ(image->GetSurfaceConversionCount(), 2u);
  EXPECT_EQ(argb[0], 0xFF0000FFu);
  image->GetMutableData()[0] = 10;
  image->GetCairoSurface();
  EXPECT_EQ(image->GetSurfaceConversionCount(), 3u);
}

TEST(ImageTest, CopiesFromASurfaceWithStraightAlpha) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2, 2);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgba(cr, 1.0, 0.0, 0.0, 0.5);
  cairo_paint(cr);
  cairo_destroy(cr);
  Result<Ref<Image>> image = Image::FromCairoSurface(surface);
  cairo_surface_destroy(surface);
  ASSERT_TRUE(image.IsOk());
  const PixelRGBA8 pixel = (*image)->GetPixel(1, 1);
  EXPECT_EQ(pixel.r, 255);
  EXPECT_EQ(pixel.g, 0);
  EXPECT_NEAR(pixel.a, 128, 1);
  EXPECT_FALSE(Image::FromCairoSurface(nullptr).IsOk());
}

TEST(ImageTest, PngRoundTripKeepsPixels) {
  Ref<Image> image = MakeImage(4, 3);
  for (Int y = 0; y < 3; ++y) {
    for (Int x = 0; x < 4; ++x) image->SetPixel(x, y, {uint8_t(x * 60), uint8_t(y * 100), 7, 255});
  }
  image->SetPixel(3, 2, {200, 100, 50, 128});
  const std::string path = OutputFile("roundtrip.png");
  ASSERT_TRUE(image->SavePng(path).IsOk());

  Result<Ref<Image>> loaded = Image::LoadPng(path);
  ASSERT_TRUE(loaded.IsOk()) << loaded.GetError().ToString();
  ASSERT_EQ((*loaded)->GetWidth(), 4);
  ASSERT_EQ((*loaded)->GetHeight(), 3);
  EXPECT_EQ((*loaded)->GetPixel(1, 2), (PixelRGBA8{60, 200, 7, 255}));
  // Premultiplied storage: a translucent channel may come back one step off.
  const PixelRGBA8 translucent = (*loaded)->GetPixel(3, 2);
  EXPECT_NEAR(translucent.r, 200, 1);
  EXPECT_NEAR(translucent.g, 100, 1);
  EXPECT_NEAR(translucent.b, 50, 1);
  EXPECT_EQ(translucent.a, 128);
}

TEST(ImageTest, LoadErrorsNameThePath) {
  const std::string missing = OutputFile("does-not-exist.png");
  Result<Ref<Image>> result = Image::LoadPng(missing);
  ASSERT_FALSE(result.IsOk());
  EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_NE(result.GetError().GetMessage().find(missing), std::string::npos);

  Ref<Image> image = MakeImage(16, 16);
  image->Fill({1, 2, 3, 255});
  const std::string good = OutputFile("to-truncate.png");
  ASSERT_TRUE(image->SavePng(good).IsOk());
  const auto size = fs::file_size(good);
  const std::string truncated = OutputFile("truncated.png");
  fs::copy_file(good, truncated, fs::copy_options::overwrite_existing);
  fs::resize_file(truncated, size / 2);
  const std::string garbage = OutputFile("garbage.png");
  std::ofstream(garbage) << "this is not a PNG file";

  for (const std::string& bad : {truncated, garbage}) {
    Result<Ref<Image>> loaded = Image::LoadPng(bad);
    ASSERT_FALSE(loaded.IsOk()) << bad;
    EXPECT_EQ(loaded.GetError().GetKind(), ErrorKind::kIllegalArgument);
    EXPECT_NE(loaded.GetError().GetMessage().find(bad), std::string::npos) << loaded.GetError().GetMessage();
  }
}

TEST(ImageTest, SaveErrors) {
  Ref<Image> image = MakeImage(2, 2);
  Result<void> saved = image->SavePng("/nonexistent-folder/zarvo/out.png");
  ASSERT_FALSE(saved.IsOk());
  EXPECT_NE(saved.GetError().GetMessage().find("/nonexistent-folder/zarvo/out.png"), std::string::npos);
  EXPECT_FALSE(MakeImage(0, 0)->SavePng(OutputFile("empty.png")).IsOk());
}

}  // namespace
}  // namespace zarvo
