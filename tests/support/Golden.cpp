#include "tests/support/Golden.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "host/gfx/Image.h"

namespace zarvo::test {

namespace {

namespace fs = std::filesystem;

// How strongly the unchanged part of a diff image is washed out towards white.
constexpr int kDiffFadeDivisor = 4;
constexpr PixelRGBA8 kDiffMarkColor{255, 0, 0, 255};

bool IsUpdateRequested() {
  const char* value = std::getenv("ZARVO_UPDATE_GOLDEN");
  return value && std::strcmp(value, "1") == 0;
}

bool IsValidName(std::string_view name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
  });
}

fs::path GoldenPath(std::string_view name) {
  return fs::path(ZARVO_TEST_DATA_DIR) / "golden" / (std::string(name) + ".png");
}

fs::path OutputPath(std::string_view name, std::string_view suffix) {
  return fs::path(ZARVO_TEST_OUTPUT_DIR) / "golden" / (std::string(name) + std::string(suffix));
}

// Writes `image` to `path`, creating folders; returns a note for the failure message.
std::string WriteForInspection(const Image& image, const fs::path& path) {
  std::error_code ignored;
  fs::create_directories(path.parent_path(), ignored);
  const Result<void> written = image.SavePng(path.string());
  return written ? path.string() : "(not written: " + written.GetError().GetMessage() + ")";
}

PixelRGBA8 Premultiplied(PixelRGBA8 p) {
  auto scale = [a = p.a](uint8_t c) { return static_cast<uint8_t>((c * a + 127) / 255); };
  return {scale(p.r), scale(p.g), scale(p.b), p.a};
}

int ChannelDifference(PixelRGBA8 a, PixelRGBA8 b) {
  const PixelRGBA8 pa = Premultiplied(a), pb = Premultiplied(b);
  return std::max({std::abs(pa.r - pb.r), std::abs(pa.g - pb.g), std::abs(pa.b - pb.b), std::abs(pa.a - pb.a)});
}

PixelRGBA8 Faded(PixelRGBA8 p) {
  const PixelRGBA8 q = Premultiplied(p);
  // Premultiplied over white, then most of the way to white.
  auto fade = [a = p.a](uint8_t c) {
    const int overWhite = c + (255 - a);
    return static_cast<uint8_t>(255 - (255 - overWhite) / kDiffFadeDivisor);
  };
  return {fade(q.r), fade(q.g), fade(q.b), 255};
}

}  // namespace

testing::AssertionResult MatchesGolden(const Image& actual, std::string_view name, GoldenTolerance tolerance) {
  if (!IsValidName(name)) {
    return testing::AssertionFailure() << "Golden name '" << name << "' must be letters, digits, '_' or '-'";
  }
  const fs::path goldenPath = GoldenPath(name);
  if (IsUpdateRequested()) {
    std::error_code error;
    fs::create_directories(goldenPath.parent_path(), error);
    const Result<void> written = actual.SavePng(goldenPath.string());
    if (!written) return testing::AssertionFailure() << "Cannot update golden: " << written.GetError().ToString();
    return testing::AssertionSuccess() << "golden " << goldenPath.string() << " written";
  }
  if (!fs::exists(goldenPath)) {
    return testing::AssertionFailure()
           << "Golden image " << goldenPath.string() << " does not exist. Create it by running this test with "
           << "ZARVO_UPDATE_GOLDEN=1, and look at the image before committing it. Actual image: "
           << WriteForInspection(actual, OutputPath(name, ".actual.png"));
  }
  const Result<Ref<Image>> loaded = Image::LoadPng(goldenPath.string());
  if (!loaded) return testing::AssertionFailure() << "Cannot load golden: " << loaded.GetError().ToString();
  const Image& golden = **loaded;
  if (golden.GetWidth() != actual.GetWidth() || golden.GetHeight() != actual.GetHeight()) {
    return testing::AssertionFailure() << "Image '" << name << "' is " << actual.GetWidth() << " x "
                                       << actual.GetHeight() << ", its golden " << golden.GetWidth() << " x "
                                       << golden.GetHeight() << ". Actual image: "
                                       << WriteForInspection(actual, OutputPath(name, ".actual.png"));
  }

  const Int width = actual.GetWidth(), height = actual.GetHeight();
  Int differing = 0;
  int largest = 0;
  for (Int y = 0; y < height; ++y) {
    for (Int x = 0; x < width; ++x) {
      const int difference = ChannelDifference(actual.GetPixel(x, y), golden.GetPixel(x, y));
      largest = std::max(largest, difference);
      if (difference > tolerance.maxChannelDifference) ++differing;
    }
  }
  const Int pixels = width * height;
  const double fraction = pixels > 0 ? static_cast<double>(differing) / static_cast<double>(pixels) : 0.0;
  if (fraction <= tolerance.maxDifferingFraction) return testing::AssertionSuccess();

  std::string diffNote = "(not written: out of memory)";
  if (Result<Ref<Image>> diff = Image::Create(width, height)) {
    for (Int y = 0; y < height; ++y) {
      for (Int x = 0; x < width; ++x) {
        const PixelRGBA8 a = actual.GetPixel(x, y);
        const bool differs = ChannelDifference(a, golden.GetPixel(x, y)) > tolerance.maxChannelDifference;
        (*diff)->SetPixel(x, y, differs ? kDiffMarkColor : Faded(a));
      }
    }
    diffNote = WriteForInspection(**diff, OutputPath(name, ".diff.png"));
  }
  return testing::AssertionFailure() << "Image '" << name << "' differs from " << goldenPath.string() << ": "
                                     << differing << " of " << pixels << " pixels (" << fraction * 100.0
                                     << "%, allowed " << tolerance.maxDifferingFraction * 100.0
                                     << "%) differ by more than " << tolerance.maxChannelDifference
                                     << ", largest difference " << largest
                                     << ". Actual: " << WriteForInspection(actual, OutputPath(name, ".actual.png"))
                                     << ", diff: " << diffNote;
}

testing::AssertionResult MatchesGolden(cairo_surface_t* actual, std::string_view name, GoldenTolerance tolerance) {
  const Result<Ref<Image>> image = Image::FromCairoSurface(actual);
  if (!image) return testing::AssertionFailure() << "Cannot read the surface: " << image.GetError().ToString();
  return MatchesGolden(**image, name, tolerance);
}

void ExpectMatchesGolden(const Image& actual, std::string_view name, GoldenTolerance tolerance,
                         std::source_location where) {
  const testing::AssertionResult result = MatchesGolden(actual, name, tolerance);
  if (!result) ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << result.message();
}

void ExpectMatchesGolden(cairo_surface_t* actual, std::string_view name, GoldenTolerance tolerance,
                         std::source_location where) {
  const testing::AssertionResult result = MatchesGolden(actual, name, tolerance);
  if (!result) ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << result.message();
}

}  // namespace zarvo::test
