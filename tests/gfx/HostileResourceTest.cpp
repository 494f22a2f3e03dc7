#include <gtest/gtest.h>

#include <cairo.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/gfx/Image.h"
#include "host/gfx/ResourceUrl.h"
#include "host/gfx/SVGDocument.h"
#include "host/gfx/TextureCache.h"
#include "host/ui/AppWindow.h"
#include "host/ui/FontHandle.h"
#include "source/interfaces/ImageWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "tests/support/HostileInputs.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

using test::WriteOutputFile;
using Clock = std::chrono::steady_clock;

// Each hostile input must be turned away (or drawn) well within this.
constexpr auto kTimeBudget = std::chrono::seconds(3);
constexpr size_t kTenMegabytes = 10u << 20;
constexpr uint32_t kHugeSide = 100000;

// Runs `work` and fails the test when it took longer than the budget.
template <class Work>
auto Timed(const char* what, Work&& work) {
  const Clock::time_point start = Clock::now();
  auto result = std::forward<Work>(work)();
  EXPECT_LT(Clock::now() - start, kTimeBudget) << what;
  return result;
}

SVGDocumentRef NewDocument() { return test::NewObject<SVGDocumentInterface>(kSVGDocumentClassId); }

void ExpectError(const Error& error, ErrorKind kind, std::string_view part) {
  EXPECT_EQ(error.GetKind(), kind) << error.ToString();
  EXPECT_NE(error.GetMessage().find(part), std::string::npos) << error.ToString();
}

// ---- SVG documents ---------------------------------------------------------------------------

struct BadSvg {
  const char* name;
  std::string text;
  const char* messagePart;
};

class HostileSvgTest : public testing::TestWithParam<BadSvg> {};

TEST_P(HostileSvgTest, IsRefusedWithAMessageFromTextAndFile) {
  const BadSvg& bad = GetParam();
  Result<void> fromText = Timed(bad.name, [&] { return NewDocument()->InitFromText(bad.text); });
  ASSERT_FALSE(fromText.IsOk()) << bad.name;
  ExpectError(fromText.GetError(), ErrorKind::kIllegalArgument, bad.messagePart);

  const std::string path = WriteOutputFile(std::string(bad.name) + ".svg", bad.text);
  SVGDocumentRef document = NewDocument();
  Result<void> fromFile = Timed(bad.name, [&] { return document->Init(Url{path}); });
  ASSERT_FALSE(fromFile.IsOk()) << bad.name;
  ExpectError(fromFile.GetError(), ErrorKind::kIllegalArgument, path);
  EXPECT_FALSE(document->IsLoaded());
}

const std::string kSecretPath = WriteOutputFile("secret.txt", "top secret");

INSTANTIATE_TEST_SUITE_P(
    Documents, HostileSvgTest,
    testing::Values(
        BadSvg{"malformed", "<svg xmlns='http://www.w3.org/2000/svg'><rect width='1' </svg>", "Cannot parse"},
        BadSvg{"truncated", test::MakeSizedSvg(10, 10).substr(0, 60), "Cannot parse"},
        BadSvg{"empty", "", "Cannot parse"},
        BadSvg{"notsvg", "<html><body/></html>", "is not an SVG document"},
        BadSvg{"entityexpansion", test::MakeEntityExpansionSvg(), "entity"},
        BadSvg{"externalentity", test::MakeExternalEntitySvg(kSecretPath), "entity"},
        BadSvg{"invalidutf8", "<svg xmlns='http://www.w3.org/2000/svg'><text>" + test::MakeInvalidUtf8Text() +
                                  "</text></svg>",
               "Cannot load SVG"}),
    [](const testing::TestParamInfo<BadSvg>& info) { return std::string(info.param.name); });

TEST(HostileResourceTest, AnOversizedSvgFileIsRefusedBeforeItIsRead) {
  std::string text = test::MakeSizedSvg(10, 10);
  text.insert(text.find("<rect"), std::string(SVGDocument::kMaxDocumentBytes, ' '));
  const std::string path = WriteOutputFile("oversized.svg", text);
  Result<void> loaded = Timed("oversized", [&] { return NewDocument()->Init(Url{path}); });
  ASSERT_FALSE(loaded.IsOk());
  ExpectError(loaded.GetError(), ErrorKind::kIllegalArgument, "larger than");
  Result<void> fromText = NewDocument()->InitFromText(text);
  ASSERT_FALSE(fromText.IsOk());
  ExpectError(fromText.GetError(), ErrorKind::kIllegalArgument, "larger than");
}

TEST(HostileResourceTest, AHugeDeclaredSvgSizeRendersWithinTheRenderLimits) {
  SVGDocumentRef document = NewDocument();
  ASSERT_TRUE(document->InitFromText(test::MakeSizedSvg(kHugeSide, kHugeSide)).IsOk());
  Result<Vector2d> size = document->GetIntrinsicSize();
  ASSERT_TRUE(size.IsOk()) << size.GetError().ToString();
  EXPECT_EQ(size->x, kHugeSide);

  // Asking for the declared size is refused outright...
  Result<SVGRendering> full = document->GetRendering(kHugeSide, kHugeSide, 0);
  ASSERT_FALSE(full.IsOk());
  ExpectError(full.GetError(), ErrorKind::kIllegalArgument, "outside 1..");

  // ...and drawing it at that size renders a bounded number of pixels.
  Ref<AppWindow> window = test::MakeTestWindow({0, 0, 64, 64});
  cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 64, 64);
  cairo_t* cr = cairo_create(target);
  Result<void> drawn = Timed("huge draw", [&] {
    return document->Draw(cr, Rect{0.0, 0.0, static_cast<Float>(kHugeSide), static_cast<Float>(kHugeSide)}, 0);
  });
  EXPECT_TRUE(drawn.IsOk()) << drawn.GetError().ToString();
  cairo_destroy(cr);
  cairo_surface_destroy(target);
  ASSERT_EQ(dynamic_cast<SVGDocument&>(*document).GetCachedRenderingCount(), 1u);
  Result<SVGRendering> kept = document->GetRendering(1, 1, 0);
  ASSERT_TRUE(kept.IsOk());
}

// An element moved billions of pixels away (a slider's notch at the middle of a huge track) is
// outside every rendering; it must not be rasterised at coordinates the rasteriser cannot hold.
TEST(HostileResourceTest, AnElementFarOutsideTheViewportRendersInBoundedTime) {
  SVGDocumentRef document = NewDocument();
  ASSERT_TRUE(document
                  ->InitFromText("<svg xmlns='http://www.w3.org/2000/svg' width='100%' height='100%'>"
                                 "<rect width='100%' height='50%' fill='#4a84c9'/>"
                                 "<rect x='-0.5' width='1' height='52%' transform='translate(5e+11 0)'/></svg>")
                  .IsOk());
  Result<SVGRendering> rendering = Timed("far element", [&] { return document->GetRendering(4096, 4096, 0); });
  ASSERT_TRUE(rendering.IsOk()) << rendering.GetError().ToString();
  EXPECT_EQ(cairo_image_surface_get_width(rendering->surface), 4096);
}

TEST(HostileResourceTest, TheHugeSvgDrawnThroughAnImageWidgetStaysBounded) {
  const std::string path = WriteOutputFile("huge.svg", test::MakeSizedSvg(kHugeSide, kHugeSide));
  Ref<AppWindow> window = test::MakeTestWindow({0, 0, 80, 60});
  ImageWidgetRef image = test::NewObject<ImageWidgetInterface>(kImageWidgetClassId);
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(image).IsOk());
  ASSERT_TRUE(image->SetUrl(Url{path}).IsOk());
  ASSERT_TRUE(image->SetLocalSize(80.0, 60.0).IsOk());
  Result<void> updated = Timed("image widget", [&] { return window->Update(); });
  EXPECT_TRUE(updated.IsOk()) << updated.GetError().ToString();
}

// ---- PNG images ------------------------------------------------------------------------------

struct BadPng {
  const char* name;
  std::string bytes;
  ErrorKind kind;
  const char* messagePart;
};

class HostilePngTest : public testing::TestWithParam<BadPng> {};

TEST_P(HostilePngTest, IsRefusedWithAMessageNamingTheFile) {
  const BadPng& bad = GetParam();
  const std::string path = WriteOutputFile(std::string(bad.name) + ".png", bad.bytes);
  Result<Ref<Image>> loaded = Timed(bad.name, [&] { return Image::LoadPng(path); });
  ASSERT_FALSE(loaded.IsOk()) << bad.name;
  ExpectError(loaded.GetError(), bad.kind, bad.messagePart);
  EXPECT_NE(loaded.GetError().GetMessage().find(path), std::string::npos) << loaded.GetError().GetMessage();
  // Through the texture cache as well, which keeps no failure.
  TextureCache::Get().Clear();
  EXPECT_FALSE(LoadTexture(Url{path}).IsOk());
  EXPECT_EQ(TextureCache::Get().GetCount(), 0u);
}

const std::string kSmallPng = test::MakePngBytes(16, 8);

INSTANTIATE_TEST_SUITE_P(
    Images, HostilePngTest,
    testing::Values(
        BadPng{"empty", "", ErrorKind::kIllegalArgument, "is empty"},
        BadPng{"signatureonly", kSmallPng.substr(0, 8), ErrorKind::kIllegalArgument, "header"},
        BadPng{"truncatedheader", kSmallPng.substr(0, 20), ErrorKind::kIllegalArgument, "header"},
        BadPng{"truncateddata", kSmallPng.substr(0, kSmallPng.size() - 20), ErrorKind::kIllegalArgument,
               "Cannot read PNG"},
        BadPng{"notpng", "GIF89a this is not a PNG image at all", ErrorKind::kIllegalArgument, "not a PNG"},
        BadPng{"zerosize", test::WithPngHeaderSize(kSmallPng, 0, 0), ErrorKind::kIllegalArgument, "size 0 x 0"},
        BadPng{"hugesize", test::WithPngHeaderSize(kSmallPng, kHugeSide, kHugeSide), ErrorKind::kIllegalArgument,
               "size 100000 x 100000"},
        // Within each side's limit but not within the pixel budget.
        BadPng{"hugearea", test::WithPngHeaderSize(kSmallPng, 30000, 30000), ErrorKind::kIllegalArgument,
               "size 30000 x 30000"},
        // Claims more pixels than its data holds.
        BadPng{"liesaboutsize", test::WithPngHeaderSize(kSmallPng, 2000, 2000), ErrorKind::kIllegalArgument,
               "Cannot read PNG"}),
    [](const testing::TestParamInfo<BadPng>& info) { return std::string(info.param.name); });

TEST(HostileResourceTest, AFolderIsNoPngImage) {
  Result<Ref<Image>> loaded = Image::LoadPng(ZARVO_TEST_OUTPUT_DIR);
  ASSERT_FALSE(loaded.IsOk());
  EXPECT_EQ(loaded.GetError().GetKind(), ErrorKind::kIllegalArgument) << loaded.GetError().ToString();
}

// ---- resource URLs ---------------------------------------------------------------------------

TEST(HostileResourceTest, UnknownResourceUrlsGiveClearErrors) {
  struct Case {
    const char* url;
    ErrorKind kind;
    const char* messagePart;
  };
  const std::vector<Case> cases = {
      {"http://example.invalid/icon.svg", ErrorKind::kIllegalArgument, "scheme 'http'"},
      {"data:image/svg+xml,<svg/>", ErrorKind::kIllegalArgument, "scheme 'data'"},
      {"svgdocument://not-a-number", ErrorKind::kIllegalArgument, "Malformed"},
      {"svgdocument://987654321", ErrorKind::kNotFound, "no longer exists"},
      {"file:///nowhere/at/all.svg", ErrorKind::kNotFound, "not found"},
      {"", ErrorKind::kIllegalArgument, "empty"},
  };
  for (const Case& c : cases) {
    Result<Ref<SVGDocument>> resolved = SVGDocumentCache::Get().Resolve(Url{c.url});
    ASSERT_FALSE(resolved.IsOk()) << c.url;
    ExpectError(resolved.GetError(), c.kind, c.messagePart);
  }
  Result<Ref<Image>> texture = LoadTexture(Url{"https://example.invalid/a.png"});
  ASSERT_FALSE(texture.IsOk());
  ExpectError(texture.GetError(), ErrorKind::kIllegalArgument, "scheme 'https'");
  Result<std::string> withNul = ResourceFilePath(Url{std::string("/tmp/a\0b.png", 12)}, "Texture");
  ASSERT_FALSE(withNul.IsOk());
  ExpectError(withNul.GetError(), ErrorKind::kIllegalArgument, "NUL");
  // Plain paths, file URLs and single-letter drive prefixes stay paths.
  EXPECT_EQ(*ResourceFilePath(Url{"file:///a/b.svg"}, "Texture"), "/a/b.svg");
  EXPECT_EQ(*ResourceFilePath(Url{"relative/b.svg"}, "Texture"), "relative/b.svg");
  EXPECT_EQ(*ResourceFilePath(Url{"C:/icons/b.svg"}, "Texture"), "C:/icons/b.svg");
}

TEST(HostileResourceTest, AnImageWidgetWithAnUnknownUrlReportsItAndStillDraws) {
  Ref<AppWindow> window = test::MakeTestWindow({0, 0, 40, 40});
  ImageWidgetRef image = test::NewObject<ImageWidgetInterface>(kImageWidgetClassId);
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(image).IsOk());
  for (const char* url : {"ftp://example.invalid/a.png", "/nowhere/missing.png", "/nowhere/missing.svg"}) {
    EXPECT_FALSE(image->SetUrl(Url{url}).IsOk()) << url;
  }
  EXPECT_TRUE(window->Update().IsOk());
}

// ---- text ------------------------------------------------------------------------------------

class HostileTextTest : public testing::TestWithParam<WRAP_MODE> {};

TEST_P(HostileTextTest, TenMegabytesOfTextLayOutAndDrawInBoundedTime) {
  Ref<AppWindow> window = test::MakeTestWindow({0, 0, 300, 200});
  TextWidgetRef text = test::NewObject<TextWidgetInterface>(kTextWidgetClassId);
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(text).IsOk());
  text->SetWrapMode(GetParam());
  text->SetClampMode(CLAMP_MODE::END);
  text->SetText(test::MakeLongText(kTenMegabytes));
  if (GetParam() == WRAP_MODE::WORD) {
    ASSERT_TRUE(text->SetLocalSize(300.0, 200.0).IsOk());
  }
  Result<void> updated = Timed("ten megabytes", [&] { return window->Update(); });
  EXPECT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  EXPECT_GT(text->GetLocalPixSize().x, 0.0);
  EXPECT_EQ(text->GetText().size(), kTenMegabytes) << "the text itself is kept whole";
}

INSTANTIATE_TEST_SUITE_P(WrapModes, HostileTextTest, testing::Values(WRAP_MODE::NONE, WRAP_MODE::LINE, WRAP_MODE::WORD));

TEST(HostileResourceTest, InvalidUtf8IsMeasuredAndDrawnAsReplacementCharacters) {
  Result<FontHandleRef> font = FontHandle::Create({String(), CanvasUnitValue::Pix(13.0)});
  ASSERT_TRUE(font.IsOk());
  const Rect invalid = (*font)->GetStringBoundingBox(test::MakeInvalidUtf8Text());
  EXPECT_GT(invalid.Width(), (*font)->GetStringBoundingBox("ok ").Width());

  Ref<AppWindow> window = test::MakeTestWindow({0, 0, 300, 40});
  TextWidgetRef text = test::NewObject<TextWidgetInterface>(kTextWidgetClassId);
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(text).IsOk());
  for (CLAMP_MODE clamp : {CLAMP_MODE::NONE, CLAMP_MODE::START, CLAMP_MODE::MIDDLE, CLAMP_MODE::END}) {
    text->SetClampMode(clamp);
    text->SetText(test::MakeInvalidUtf8Text() + std::to_string(static_cast<int>(clamp)));
    ASSERT_TRUE(text->SetLocalSize(30.0, 20.0).IsOk());
    Result<void> updated = window->Update();
    EXPECT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
}

}  // namespace
}  // namespace zarvo
