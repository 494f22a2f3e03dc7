#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <numbers>
#include <string>

#include "host/core/ClassRegistry.h"
#include "host/gfx/Image.h"
#include "host/gfx/SVGDocument.h"
#include "host/gfx/VectorIconInterface.h"
#include "host/ui/AppWindow.h"

namespace zarvo {
namespace {

constexpr PixelRGBA8 kBlue{0x30, 0x80, 0xff, 255};
constexpr PixelRGBA8 kBackground{0x20, 0x20, 0x20, 255};
constexpr PixelRGBA8 kWhite{255, 255, 255, 255};
constexpr PixelRGBA8 kRed{255, 0x40, 0x40, 255};
constexpr Int kActivated = static_cast<Int>(VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT);

std::string SvgPath(const std::string& name) { return std::string(ZARVO_TEST_DATA_DIR) + "/svg/" + name; }

SVGDocumentRef NewDocument() {
  Result<SVGDocumentRef> document = CreateObject<SVGDocumentInterface>(Id(kSVGDocumentClassId));
  EXPECT_TRUE(document.IsOk()) << document.GetError().ToString();
  return document.IsOk() ? *document : SVGDocumentRef();
}

SVGDocumentRef LoadDocument(const std::string& name) {
  SVGDocumentRef document = NewDocument();
  Result<void> loaded = document->Init(Url{SvgPath(name)});
  EXPECT_TRUE(loaded.IsOk()) << loaded.GetError().ToString();
  return document;
}

SVGElementRef Element(const SVGDocumentRef& document, std::string_view id) {
  Result<SVGElementRef> element = document->GetElementById(id);
  EXPECT_TRUE(element.IsOk()) << element.GetError().ToString();
  return element.IsOk() ? *element : SVGElementRef();
}

PixelRGBA8 PixelOf(const SVGDocumentRef& document, Int x, Int y, Int state = kActivated) {
  Result<Ref<Image>> image = document->RenderToImage(40, 20, state);
  EXPECT_TRUE(image.IsOk()) << image.GetError().ToString();
  return image.IsOk() ? (*image)->GetPixel(x, y) : PixelRGBA8{};
}

TEST(SVGDocumentTest, LoadsAFileAndFindsElementsById) {
  SVGDocumentRef document = LoadDocument("elements.svg");
  EXPECT_TRUE(document->IsLoaded());
  EXPECT_EQ(document->GetUrl().text, SvgPath("elements.svg"));
  SVGElementRef fill = Element(document, "fill");
  EXPECT_EQ(fill->GetId(), "fill");
  EXPECT_EQ(Element(document, "fill"), fill) << "one handle per element";
  EXPECT_NE(Cast<SVGPositionInterface>(fill), nullptr);
  EXPECT_NE(Cast<SVGSizeInterface>(fill), nullptr);

  // As in SVG, the first element of a duplicated id is the one found.
  Result<std::string> x = Element(document, "twin")->GetAttribute("x");
  ASSERT_TRUE(x.IsOk());
  EXPECT_EQ(*x, "0");

  Result<SVGElementRef> missing = document->GetElementById("nothing");
  ASSERT_FALSE(missing.IsOk());
  EXPECT_EQ(missing.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(missing.GetError().GetMessage(), "SVG element 'nothing' not found in '" + SvgPath("elements.svg") + "'");
}

TEST(SVGDocumentTest, LoadFailuresNameTheFileAndLeaveTheDocumentAsItWas) {
  SVGDocumentRef document = LoadDocument("elements.svg");
  const uint64_t version = document->GetVersion();

  Result<void> missing = document->Init(Url{SvgPath("absent.svg")});
  ASSERT_FALSE(missing.IsOk());
  EXPECT_EQ(missing.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(missing.GetError().GetMessage(), "SVG document not found: '" + SvgPath("absent.svg") + "'");

  Result<void> malformed = document->Init(Url{SvgPath("malformed.svg")});
  ASSERT_FALSE(malformed.IsOk());
  EXPECT_EQ(malformed.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(malformed.GetError().GetMessage(),
            "Cannot parse SVG document '" + SvgPath("malformed.svg") +
                "': Start-end tags mismatch at offset 122 (line 3, column 3)");

  Result<void> notSvg = document->Init(Url{"file://" + SvgPath("not_svg.svg")});
  ASSERT_FALSE(notSvg.IsOk());
  EXPECT_EQ(notSvg.GetError().GetMessage(),
            "'" + SvgPath("not_svg.svg") + "' is not an SVG document: its root element is <html>");

  Result<void> empty = document->Init(Url{});
  ASSERT_FALSE(empty.IsOk());
  EXPECT_EQ(empty.GetError().GetMessage(), "SVG document URL is empty");

  EXPECT_TRUE(document->IsLoaded());
  EXPECT_EQ(document->GetVersion(), version);
  EXPECT_EQ(document->GetUrl().text, SvgPath("elements.svg"));
  EXPECT_TRUE(document->GetElementById("fill").IsOk());
}

TEST(SVGDocumentTest, AnUnloadedDocumentRefusesElementsAndRendering) {
  SVGDocumentRef document = NewDocument();
  EXPECT_FALSE(document->IsLoaded());
  EXPECT_EQ(document->GetElementById("fill").GetError().GetMessage(), "SVG document is not loaded");
  EXPECT_FALSE(document->GetRendering(10, 10, kActivated).IsOk());
  EXPECT_EQ(document->GetRenderCount(), 0u);
}

TEST(SVGDocumentTest, ElementOperationsChangeTheRenderedPixels) {
  SVGDocumentRef document = LoadDocument("elements.svg");
  EXPECT_EQ(PixelOf(document, 10, 10), kBlue);
  EXPECT_EQ(PixelOf(document, 25, 10), kBackground);
  EXPECT_EQ(PixelOf(document, 0, 10), kWhite) << "the marker, moved by its file transform";
  EXPECT_EQ(PixelOf(document, 30, 10), kBackground) << "the dot is hidden by the file";

  SVGElementRef dot = Element(document, "dot");
  EXPECT_EQ(dot->GetDisplay(), SVG_DISPLAY::NONE);
  ASSERT_TRUE(dot->SetDisplay(SVG_DISPLAY::DISPLAY).IsOk());
  EXPECT_EQ(PixelOf(document, 30, 10), kRed);

  SVGElementRef fill = Element(document, "fill");
  auto size = Cast<SVGSizeInterface>(fill);
  auto position = Cast<SVGPositionInterface>(fill);
  ASSERT_TRUE(size->SetWidth(75.0, SVG_UNIT::PERCENTAGE).IsOk());
  ASSERT_TRUE(position->SetX(25.0, SVG_UNIT::PERCENTAGE).IsOk());
  EXPECT_EQ(*fill->GetAttribute("width"), "75%");
  EXPECT_EQ(PixelOf(document, 5, 10), kBackground);
  EXPECT_EQ(PixelOf(document, 12, 10), kBlue);
  EXPECT_EQ(PixelOf(document, 38, 5), kBlue);

  SVGElementRef marker = Element(document, "marker");
  ASSERT_TRUE(marker->SetTranslation({20.0, 0.0}).IsOk());
  EXPECT_EQ(*marker->GetAttribute("transform"), "translate(20 0) translate(1 0)");
  EXPECT_EQ(PixelOf(document, 21, 2), kWhite);
  ASSERT_TRUE(marker->SetRotation(std::numbers::pi / 2).IsOk());
  ASSERT_TRUE(marker->SetScale({2.0, 1.0}).IsOk());
  EXPECT_EQ(*marker->GetAttribute("transform"), "translate(20 0) rotate(90) scale(2 1) translate(1 0)");
  EXPECT_EQ(marker->GetRotation(), std::numbers::pi / 2);
}

TEST(SVGDocumentTest, RootTransformsMirrorTheDrawingAndIdentityRemovesTheAttribute) {
  SVGDocumentRef document = LoadDocument("elements.svg");
  Result<SVGElementRef> root = document->GetRootElement();
  ASSERT_TRUE(root.IsOk());
  ASSERT_TRUE((*root)->SetScale({-1.0, 1.0}).IsOk());
  ASSERT_TRUE((*root)->SetTranslation({40.0, 0.0}).IsOk());
  EXPECT_EQ(PixelOf(document, 10, 10), kBackground);
  EXPECT_EQ(PixelOf(document, 30, 10), kBlue);

  ASSERT_TRUE((*root)->SetScale({1.0, 1.0}).IsOk());
  ASSERT_TRUE((*root)->SetTranslation({}).IsOk());
  EXPECT_EQ((*root)->GetAttribute("transform").GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(PixelOf(document, 10, 10), kBlue);
}

TEST(SVGDocumentTest, VersionGrowsWithEveryChangeAndOnlyThen) {
  SVGDocumentRef document = LoadDocument("elements.svg");
  SVGElementRef dot = Element(document, "dot");
  SVGElementRef fill = Element(document, "fill");
  uint64_t version = document->GetVersion();

  ASSERT_TRUE(dot->SetDisplay(SVG_DISPLAY::NONE).IsOk());
  EXPECT_EQ(document->GetVersion(), version) << "the file hides it already";
  ASSERT_TRUE(dot->SetDisplay(SVG_DISPLAY::DISPLAY).IsOk());
  EXPECT_EQ(document->GetVersion(), ++version);
  ASSERT_TRUE(dot->SetDisplay(SVG_DISPLAY::INHERIT).IsOk());
  EXPECT_EQ(document->GetVersion(), ++version);
  ASSERT_TRUE(Cast<SVGSizeInterface>(fill)->SetWidth(50.0, SVG_UNIT::PERCENTAGE).IsOk());
  EXPECT_EQ(document->GetVersion(), version) << "the file's own width";
  ASSERT_TRUE(Cast<SVGSizeInterface>(fill)->SetWidth(10.0, SVG_UNIT::NUMBER).IsOk());
  EXPECT_EQ(document->GetVersion(), ++version);
  ASSERT_TRUE(fill->SetTranslation({1.0, 2.0}).IsOk());
  ASSERT_TRUE(fill->SetTranslation({1.0, 2.0}).IsOk());
  EXPECT_EQ(document->GetVersion(), ++version);
  ASSERT_TRUE(fill->SetAttribute("fill", "#000000").IsOk());
  EXPECT_EQ(document->GetVersion(), ++version);
}

TEST(SVGDocumentTest, InvalidValuesAreRefusedAndChangeNothing) {
  SVGDocumentRef document = LoadDocument("elements.svg");
  SVGElementRef fill = Element(document, "fill");
  const uint64_t version = document->GetVersion();

  EXPECT_EQ(Cast<SVGSizeInterface>(fill)->SetWidth(-1.0, SVG_UNIT::PX).GetError().GetMessage(),
            "SVG width must not be negative");
  EXPECT_EQ(Cast<SVGSizeInterface>(fill)->SetHeight(NAN, SVG_UNIT::PX).GetError().GetMessage(),
            "SVG height must be a finite number");
  EXPECT_EQ(Cast<SVGPositionInterface>(fill)->SetX(INFINITY, SVG_UNIT::PX).GetError().GetMessage(),
            "SVG x must be a finite number");
  EXPECT_EQ(Cast<SVGPositionInterface>(fill)->SetY(1.0, static_cast<SVG_UNIT>(42)).GetError().GetMessage(),
            "Unknown SVG unit 42");
  EXPECT_EQ(fill->SetTranslation({NAN, 0.0}).GetError().GetMessage(), "SVG translation must be finite");
  EXPECT_EQ(fill->SetScale({1.0, INFINITY}).GetError().GetMessage(), "SVG scale must be finite");
  EXPECT_EQ(fill->SetRotation(NAN).GetError().GetMessage(), "SVG rotation must be finite");
  EXPECT_EQ(fill->SetDisplay(static_cast<SVG_DISPLAY>(7)).GetError().GetMessage(), "Unknown SVG display value 7");
  EXPECT_EQ(fill->SetAttribute("id", "other").GetError().GetMessage(),
            "The id of SVG element 'fill' cannot be changed");
  EXPECT_EQ(fill->SetAttribute("", "x").GetError().GetMessage(), "SVG attribute name is empty");
  EXPECT_EQ(document->GetVersion(), version);
  EXPECT_EQ(*fill->GetAttribute("width"), "50%");
}

TEST(SVGDocumentTest, RenderingsAreKeptPerVersionSizeAndState) {
  SVGDocumentRef document = LoadDocument("elements.svg");
  Result<SVGRendering> first = document->GetRendering(40, 20, kActivated);
  ASSERT_TRUE(first.IsOk());
  EXPECT_EQ(cairo_image_surface_get_width(first->surface), 40);
  EXPECT_EQ(cairo_image_surface_get_height(first->surface), 20);
  EXPECT_EQ(first->left, 0);
  EXPECT_EQ(document->GetRenderCount(), 1u);

  EXPECT_EQ(document->GetRendering(40, 20, kActivated)->surface, first->surface) << "a hit renders nothing";
  EXPECT_EQ(document->GetRendering(40, 20, 99)->surface, first->surface) << "unknown states draw as authored";
  EXPECT_EQ(document->GetRenderCount(), 1u);

  ASSERT_TRUE(document->GetRendering(80, 40, kActivated).IsOk());
  ASSERT_TRUE(document->GetRendering(40, 20, static_cast<Int>(VECTOR_ICON_STATE::DISABLED)).IsOk());
  EXPECT_EQ(document->GetRenderCount(), 3u);

  ASSERT_TRUE(Element(document, "dot")->SetDisplay(SVG_DISPLAY::DISPLAY).IsOk());
  ASSERT_TRUE(document->GetRendering(40, 20, kActivated).IsOk());
  EXPECT_EQ(document->GetRenderCount(), 4u) << "a change renders again";
  EXPECT_EQ(dynamic_cast<SVGDocument&>(*document).GetCachedRenderingCount(), 1u) << "older versions are dropped";

  for (Int side = 1; side <= 12; ++side) ASSERT_TRUE(document->GetRendering(side, side, kActivated).IsOk());
  EXPECT_EQ(dynamic_cast<SVGDocument&>(*document).GetCachedRenderingCount(), SVGDocument::kMaxCachedRenderings);

  for (auto [width, height] : {std::pair<Int, Int>{0, 10}, {10, -1}, {SVGDocumentInterface::kMaxRenderSide + 1, 1}}) {
    Result<SVGRendering> refused = document->GetRendering(width, height, kActivated);
    ASSERT_FALSE(refused.IsOk());
    EXPECT_EQ(refused.GetError().GetKind(), ErrorKind::kIllegalArgument);
  }
}

TEST(SVGDocumentTest, WhatIsDrawnBeyondTheViewportIsKeptAsOnACanvas) {
  // Turned upright the way a vertical slider turns its track: the drawing leaves its viewport.
  SVGDocumentRef document = LoadDocument("elements.svg");
  Result<SVGElementRef> root = document->GetRootElement();
  ASSERT_TRUE(root.IsOk());
  ASSERT_TRUE((*root)->SetTranslation({0.0, 40.0}).IsOk());
  ASSERT_TRUE((*root)->SetRotation(-std::numbers::pi / 2).IsOk());
  Result<SVGRendering> rendering = document->GetRendering(40, 20, kActivated);
  ASSERT_TRUE(rendering.IsOk());
  EXPECT_EQ(rendering->left, 0);
  EXPECT_EQ(rendering->top, 0);
  EXPECT_EQ(cairo_image_surface_get_width(rendering->surface), 40);
  EXPECT_EQ(cairo_image_surface_get_height(rendering->surface), 40);

  cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 40, 60);
  cairo_t* cr = cairo_create(target);
  ASSERT_TRUE(document->Draw(cr, Rect{0, 10, 40, 30}, kActivated).IsOk());
  cairo_destroy(cr);
  Result<Ref<Image>> drawn = Image::FromCairoSurface(target);
  ASSERT_TRUE(drawn.IsOk());
  EXPECT_EQ((*drawn)->GetPixel(10, 45), kBlue) << "the fill, now at the bottom, below the destination";
  EXPECT_EQ((*drawn)->GetPixel(10, 15), kBackground);
  EXPECT_EQ((*drawn)->GetPixel(30, 15), (PixelRGBA8{0, 0, 0, 0})) << "right of the upright drawing";
  cairo_surface_destroy(target);
}

TEST(SVGDocumentTest, StatesDimTintAndGreyTheIcon) {
  SVGDocumentRef document = LoadDocument("square.svg");
  auto pixel = [&](VECTOR_ICON_STATE state) {
    Result<Ref<Image>> image = document->RenderToImage(10, 10, static_cast<Int>(state));
    EXPECT_TRUE(image.IsOk());
    return (*image)->GetPixel(5, 5);
  };
  EXPECT_EQ(pixel(VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT), (PixelRGBA8{255, 0, 0, 255}));
  const PixelRGBA8 highlighted = pixel(VECTOR_ICON_STATE::ENABLED_ACTIVATED_HIGHLIGHT);
  EXPECT_EQ(highlighted.r, 255);
  EXPECT_NEAR(highlighted.g, 255 * kHighlightIconTint, 1.0);
  EXPECT_EQ(highlighted.a, 255);
  const PixelRGBA8 off = pixel(VECTOR_ICON_STATE::ENABLED_DEACTIVATED_NOHIGHLIGHT);
  EXPECT_NEAR(off.a, 255 * kDeactivatedIconOpacity, 1.0);
  EXPECT_EQ(off.r, 255);
  EXPECT_EQ(off.g, 0);
  const PixelRGBA8 offHighlighted = pixel(VECTOR_ICON_STATE::ENABLED_DEACTIVATED_HIGHLIGHT);
  EXPECT_NEAR(offHighlighted.a, 255 * kDeactivatedIconOpacity, 1.0);
  EXPECT_GT(offHighlighted.g, 60);
  const PixelRGBA8 disabled = pixel(VECTOR_ICON_STATE::DISABLED);
  EXPECT_NEAR(disabled.a, 255 * kDisabledIconOpacity, 1.0);
  EXPECT_NEAR(disabled.r, disabled.g, 2);
  EXPECT_NEAR(disabled.g, disabled.b, 2);
}

TEST(SVGDocumentTest, DrawRendersAtDevicePixelsAndReusesTheRendering) {
  SVGDocumentRef document = LoadDocument("elements.svg");
  cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 100, 60);
  cairo_t* cr = cairo_create(target);
  cairo_translate(cr, 10, 10);
  cairo_scale(cr, 2.0, 2.0);
  ASSERT_TRUE(document->Draw(cr, Rect{0, 0, 40, 20}, kActivated).IsOk());
  ASSERT_TRUE(document->Draw(cr, Rect{0, 0, 40, 20}, kActivated).IsOk());
  EXPECT_EQ(document->GetRenderCount(), 1u);
  ASSERT_TRUE(document->GetRendering(80, 40, kActivated).IsOk());
  EXPECT_EQ(document->GetRenderCount(), 1u) << "drawn from a rendering of 80 x 40 device pixels";
  EXPECT_TRUE(document->Draw(cr, Rect{5, 5, 5, 30}, kActivated).IsOk()) << "empty: nothing drawn";
  EXPECT_EQ(document->GetRenderCount(), 1u);
  EXPECT_EQ(cairo_status(cr), CAIRO_STATUS_SUCCESS);
  cairo_destroy(cr);

  Result<Ref<Image>> drawn = Image::FromCairoSurface(target);
  ASSERT_TRUE(drawn.IsOk());
  EXPECT_EQ((*drawn)->GetPixel(30, 30), kBlue);
  EXPECT_EQ((*drawn)->GetPixel(70, 30), kBackground);
  EXPECT_EQ((*drawn)->GetPixel(5, 5), (PixelRGBA8{0, 0, 0, 0})) << "outside the destination";
  cairo_surface_destroy(target);
}

TEST(SVGDocumentTest, SharedDocumentsAreReadOnlyAndClonesAreNot) {
  Result<Ref<SVGDocument>> shared = SVGDocumentCache::Get().GetShared(Url{SvgPath("elements.svg")});
  ASSERT_TRUE(shared.IsOk());
  EXPECT_TRUE((*shared)->IsShared());
  EXPECT_EQ(*SVGDocumentCache::Get().GetShared(Url{"file:" + SvgPath("elements.svg")}), *shared);
  EXPECT_EQ((*shared)->GetDrawUrl().text, SvgPath("elements.svg"));

  Result<SVGElementRef> marker = (*shared)->GetElementById("marker");
  ASSERT_TRUE(marker.IsOk());
  Result<void> refused = (*marker)->SetTranslation({3.0, 0.0});
  ASSERT_FALSE(refused.IsOk());
  EXPECT_EQ(refused.GetError().GetMessage(), "SVG document '" + SvgPath("elements.svg") +
                                                 "' is shared by every drawing of its file and cannot be changed; "
                                                 "change a clone");
  EXPECT_FALSE((*shared)->Init(Url{SvgPath("square.svg")}).IsOk());

  Result<SVGDocumentRef> clone = (*shared)->Clone();
  ASSERT_TRUE(clone.IsOk());
  EXPECT_FALSE((*clone)->IsShared());
  SVGElementRef twin = Element(*clone, "marker");
  ASSERT_TRUE(twin->SetTranslation({20.0, 0.0}).IsOk());
  ASSERT_TRUE(Element(*clone, "dot")->SetDisplay(SVG_DISPLAY::DISPLAY).IsOk());
  EXPECT_EQ(PixelOf(*clone, 30, 10), kRed);
  EXPECT_EQ(PixelOf(SVGDocumentRef(*shared), 30, 10), kBackground) << "the shared document is untouched";

  // A clone of a changed document starts from its element transforms.
  Result<SVGDocumentRef> second = (*clone)->Clone();
  ASSERT_TRUE(second.IsOk());
  EXPECT_EQ(Element(*second, "marker")->GetTranslation(), (Vector2d{20.0, 0.0}));
  ASSERT_TRUE(Element(*second, "marker")->SetScale({2.0, 1.0}).IsOk());
  EXPECT_EQ(*Element(*second, "marker")->GetAttribute("transform"), "translate(20 0) scale(2 1) translate(1 0)");
}

TEST(SVGDocumentTest, DrawUrlsFindDocumentsOnlyWhileTheyLive) {
  SVGDocumentRef document = LoadDocument("square.svg");
  const Url drawUrl = document->GetDrawUrl();
  EXPECT_TRUE(drawUrl.text.starts_with(SVGDocumentCache::kDocumentScheme));
  {
    Result<Ref<SVGDocument>> found = SVGDocumentCache::Get().Resolve(drawUrl);
    ASSERT_TRUE(found.IsOk());
    EXPECT_EQ(SVGDocumentRef(*found), document);
  }

  document.Reset();
  Result<Ref<SVGDocument>> gone = SVGDocumentCache::Get().Resolve(drawUrl);
  ASSERT_FALSE(gone.IsOk());
  EXPECT_EQ(gone.GetError().GetMessage(), "SVG document '" + drawUrl.text + "' no longer exists");
  EXPECT_EQ(SVGDocumentCache::Get().Resolve(Url{"svgdocument://x1"}).GetError().GetMessage(),
            "Malformed SVG document URL 'svgdocument://x1'");
}

TEST(SVGDocumentTest, ElementHandlesOutliveTheirDocumentHarmlessly) {
  SVGDocumentRef document = LoadDocument("elements.svg");
  SVGElementRef dot = Element(document, "dot");
  ASSERT_TRUE(document->Init(Url{SvgPath("square.svg")}).IsOk());
  EXPECT_EQ(dot->SetDisplay(SVG_DISPLAY::DISPLAY).GetError().GetMessage(),
            "SVG element 'dot' no longer belongs to a document");
  SVGElementRef fill = Element(LoadDocument("elements.svg"), "fill");  // its document is gone already
  EXPECT_FALSE(Cast<SVGSizeInterface>(fill)->SetWidth(1.0, SVG_UNIT::PX).IsOk());
  EXPECT_FALSE(fill->GetAttribute("width").IsOk());
  EXPECT_EQ(fill->GetDisplay(), SVG_DISPLAY::INHERIT);
}

TEST(SVGDocumentTest, TextDocumentsIntrinsicSizesAndSerialisation) {
  SVGDocumentRef document = NewDocument();
  ASSERT_TRUE(document->InitFromText("<svg xmlns='http://www.w3.org/2000/svg'><g id='a'/></svg>").IsOk());
  EXPECT_TRUE(document->GetUrl().IsEmpty());
  EXPECT_EQ(*document->GetIntrinsicSize(), (Vector2d{0.0, 0.0}));
  ASSERT_TRUE(Element(document, "a")->SetAttribute("opacity", "0.5").IsOk());
  EXPECT_EQ(*document->Serialize(), "<svg xmlns=\"http://www.w3.org/2000/svg\"><g id=\"a\" opacity=\"0.5\"/></svg>");
  EXPECT_EQ(document->InitFromText("<svg><g></svg>").GetError().GetMessage(),
            "Cannot parse SVG document (text): Start-end tags mismatch at offset 10 (line 1, column 11)");

  EXPECT_EQ(*LoadDocument("elements.svg")->GetIntrinsicSize(), (Vector2d{40.0, 20.0}));
  EXPECT_EQ(*LoadDocument("square.svg")->GetIntrinsicSize(), (Vector2d{10.0, 10.0})) << "the viewBox's proportions";
}

TEST(SVGDocumentTest, CanvasDrawsFilesOnceParsedAndRendersOncePerSize) {
  SVGDocumentCache::Get().Clear();
  Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 60, 30});
  ASSERT_TRUE(window.IsOk());
  Canvas* canvas = (*window)->GetHostCanvas();
  const Url url{SvgPath("elements.svg")};
  for (int frame = 0; frame < 3; ++frame) {
    canvas->RequestRedraw();
    ASSERT_FALSE(canvas->BeginDraw().IsEmpty());
    ASSERT_TRUE(canvas->DrawSVG(url, Rect{10, 5, 50, 25}, kActivated).IsOk());
    canvas->EndDraw();
  }
  Result<Ref<SVGDocument>> shared = SVGDocumentCache::Get().GetShared(url);
  ASSERT_TRUE(shared.IsOk());
  EXPECT_EQ((*shared)->GetRenderCount(), 1u);
  EXPECT_EQ(SVGDocumentCache::Get().GetSharedCount(), 1u);
  Result<Ref<Image>> drawn = Image::FromCairoSurface(canvas->GetOsWindow()->GetSurface());
  ASSERT_TRUE(drawn.IsOk());
  EXPECT_EQ((*drawn)->GetPixel(20, 15), kBlue);

  canvas->RequestRedraw();
  ASSERT_FALSE(canvas->BeginDraw().IsEmpty());
  Result<void> missing = canvas->DrawSVG(Url{SvgPath("absent.svg")}, Rect{0, 0, 10, 10}, kActivated);
  canvas->EndDraw();
  ASSERT_FALSE(missing.IsOk());
  EXPECT_EQ(missing.GetError().GetKind(), ErrorKind::kNotFound);
}

}  // namespace
}  // namespace zarvo
