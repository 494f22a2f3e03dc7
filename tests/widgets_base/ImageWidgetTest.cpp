#include <gtest/gtest.h>

#include <string>

#include "host/core/ClassRegistry.h"
#include "host/gfx/SVGDocument.h"
#include "host/gfx/TextureCache.h"
#include "host/ui/AppWindow.h"
#include "host/ui/StyleSheet.h"
#include "source/interfaces/ImageWidgetInterface.h"
#include "source/widgets_base/ImageWidgetImpl.h"
#include "tests/support/Golden.h"

namespace zarvo {
namespace {

constexpr PixelRGBA8 kOrange{240, 140, 20, 255};
constexpr PixelRGBA8 kTeal{20, 150, 160, 255};

std::string DataPath(const std::string& name) { return std::string(ZARVO_TEST_DATA_DIR) + "/" + name; }
const Url kPng{DataPath("png/two_tone_16x8.png")};
const Url kArrow{DataPath("svg/arrow.svg")};

class ImageWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    StyleSheetService::Get().SetWidgetStylesheet(nullptr);
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 60, 40});
    ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    Result<ImageWidgetRef> image = CreateObject<ImageWidgetInterface>(Id(kImageWidgetClassId));
    ASSERT_TRUE(image.IsOk()) << image.GetError().ToString();
    image_ = *image;
    impl_ = dynamic_cast<ImageWidgetImpl*>(image_.Get());
    ASSERT_NE(impl_, nullptr);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(image_).IsOk());
    ASSERT_TRUE(image_->SetLocalSize(60.0, 40.0).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
  }

  cairo_surface_t* Screen() const { return window_->GetHostCanvas()->GetOsWindow()->GetSurface(); }
  PixelRGBA8 ScreenPixel(Int x, Int y) const {
    Result<Ref<Image>> screen = Image::FromCairoSurface(Screen());
    EXPECT_TRUE(screen.IsOk());
    return (*screen)->GetPixel(x, y);
  }

  Ref<AppWindow> window_;
  ImageWidgetRef image_;
  ImageWidgetImpl* impl_ = nullptr;
};

TEST_F(ImageWidgetTest, CreateLayoutNamesTheWidgetAndStylesItsBorder) {
  EXPECT_EQ(image_->GetName(), "ImageWidget");
  EXPECT_EQ(image_->GetBorderColor(), (ColorA{1.0, 0.0, 0.0, 1.0}));
  EXPECT_EQ(image_->GetBorderLinewidth(), CanvasUnitValue::Pix(2.0));
  EXPECT_FALSE(image_->GetBorderVisibility());
  EXPECT_EQ(image_->GetImage(), nullptr);
  EXPECT_TRUE(image_->GetUrl().IsEmpty());
}

TEST_F(ImageWidgetTest, APngUrlLoadsATextureAndTheSameUrlLoadsOnce) {
  ASSERT_TRUE(image_->SetUrl(kPng).IsOk());
  ASSERT_NE(image_->GetImage(), nullptr);
  EXPECT_EQ(image_->GetImage()->GetWidth(), 16);
  EXPECT_EQ(image_->GetUrl(), kPng);
  EXPECT_EQ(impl_->GetVectorIcon(), nullptr);

  const Ref<Image> shown = image_->GetImage();
  TextureCache::Get().Clear();
  const uint64_t loads = TextureCache::Get().GetLoadCount();
  ASSERT_TRUE(image_->SetUrl(kPng).IsOk());
  EXPECT_EQ(TextureCache::Get().GetLoadCount(), loads);
  EXPECT_EQ(image_->GetImage(), shown);
}

TEST_F(ImageWidgetTest, AnSvgUrlLoadsAVectorIconAndReplacesTheImage) {
  ASSERT_TRUE(image_->SetUrl(kPng).IsOk());
  ASSERT_TRUE(image_->SetUrl(kArrow).IsOk());
  const VectorIconRef icon = impl_->GetVectorIcon();
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->GetUrl(), kArrow);
  EXPECT_EQ(image_->GetImage(), nullptr);
  ASSERT_TRUE(image_->SetUrl(kArrow).IsOk());
  EXPECT_EQ(impl_->GetVectorIcon(), icon) << "the same URL loads nothing";

  image_->SetImage(nullptr);
  EXPECT_EQ(impl_->GetVectorIcon(), nullptr) << "SetImage releases the icon";
  EXPECT_TRUE(image_->GetUrl().IsEmpty());
}

TEST_F(ImageWidgetTest, BrokenFilesGiveClearErrorsAndKeepWhatIsShown) {
  ASSERT_TRUE(image_->SetUrl(kPng).IsOk());
  const Ref<Image> shown = image_->GetImage();

  Result<void> truncated = image_->SetUrl(Url{DataPath("png/truncated.png")});
  ASSERT_FALSE(truncated.IsOk());
  EXPECT_EQ(truncated.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_TRUE(truncated.GetError().GetMessage().starts_with("Cannot read PNG image " + DataPath("png/truncated.png")))
      << truncated.GetError().GetMessage();

  Result<void> malformed = image_->SetUrl(Url{DataPath("svg/malformed.svg")});
  ASSERT_FALSE(malformed.IsOk());
  EXPECT_TRUE(malformed.GetError().GetMessage().starts_with("Cannot parse SVG document '" +
                                                            DataPath("svg/malformed.svg") + "'"));
  EXPECT_EQ(image_->SetUrl(Url{DataPath("png/absent.png")}).GetError().GetKind(), ErrorKind::kNotFound);

  EXPECT_EQ(image_->GetImage(), shown);
  EXPECT_EQ(image_->GetUrl(), kPng);
  EXPECT_TRUE(window_->Update().IsOk()) << "drawing still works";
}

TEST_F(ImageWidgetTest, SetImageOfTheImageHeldChangesNothingAndAnEmptyUrlClears) {
  Result<Ref<Image>> image = Image::Create(4, 2);
  ASSERT_TRUE(image.IsOk());
  image_->SetImage(*image);
  EXPECT_EQ(image_->GetImage(), *image);
  image_->SetImage(*image);
  EXPECT_EQ(image_->GetImage(), *image);

  ASSERT_TRUE(image_->SetUrl(kPng).IsOk());
  ASSERT_TRUE(image_->SetUrl(Url{}).IsOk());
  EXPECT_EQ(image_->GetImage(), nullptr);
  EXPECT_TRUE(image_->GetUrl().IsEmpty());
}

TEST_F(ImageWidgetTest, ThePictureIsFittedKeepingItsProportions) {
  ASSERT_TRUE(image_->SetUrl(kPng).IsOk());
  Result<Rect> content = impl_->GetContentRect();
  ASSERT_TRUE(content.IsOk());
  EXPECT_EQ(*content, (Rect{0, 5, 60, 35})) << "16 x 8 in 60 x 40";
  ASSERT_TRUE(window_->Update().IsOk());
  EXPECT_EQ(ScreenPixel(10, 20), kOrange);
  EXPECT_EQ(ScreenPixel(50, 20), kTeal);
  EXPECT_NE(ScreenPixel(10, 2), kOrange) << "above the picture";

  ASSERT_TRUE(image_->SetUrl(kArrow).IsOk());
  content = impl_->GetContentRect();
  ASSERT_TRUE(content.IsOk());
  EXPECT_EQ(*content, (Rect{0, 5, 60, 35})) << "the icon asks for 40 x 20";
}

TEST_F(ImageWidgetTest, ClippingFollowsTheRoundedBorder) {
  ASSERT_TRUE(image_->SetLocalSize(60.0, 30.0).IsOk());
  ASSERT_TRUE(image_->SetUrl(kPng).IsOk());
  const CanvasUnitValue radius = CanvasUnitValue::Pix(12.0);
  image_->SetRounding(Rounding{radius, radius, radius, radius});
  ASSERT_TRUE(window_->Update().IsOk());
  EXPECT_EQ(ScreenPixel(0, 0), kOrange) << "not clipped";
  EXPECT_FALSE(impl_->GetLocalBorderPath().IsEmpty());

  image_->SetClipping(true);
  ASSERT_TRUE(window_->Update().IsOk());
  EXPECT_NE(ScreenPixel(0, 0), kOrange) << "outside the rounded corner";
  EXPECT_EQ(ScreenPixel(12, 12), kOrange);

  ASSERT_TRUE(image_->SetLocalSize(0.0, 0.0).IsOk());
  EXPECT_TRUE(impl_->GetLocalBorderPath().IsEmpty());
  EXPECT_TRUE(window_->Update().IsOk());
}

TEST_F(ImageWidgetTest, VectorIconsDrawFromTheCachedRendering) {
  ASSERT_TRUE(image_->SetUrl(kArrow).IsOk());
  ASSERT_TRUE(window_->Update().IsOk());
  const SVGDocumentRef document = impl_->GetVectorIcon()->GetDocument();
  const uint64_t renders = document->GetRenderCount();
  for (int i = 0; i < 3; ++i) {
    image_->RequestRedraw();
    ASSERT_TRUE(window_->Update().IsOk());
  }
  EXPECT_EQ(document->GetRenderCount(), renders);

  impl_->GetVectorIcon()->SetState(VECTOR_ICON_STATE::ENABLED_DEACTIVATED_NOHIGHLIGHT);
  image_->RequestRedraw();
  ASSERT_TRUE(window_->Update().IsOk());
  EXPECT_EQ(document->GetRenderCount(), renders + 1) << "a new state renders once";
}

TEST_F(ImageWidgetTest, GoldenPngAndSvg) {
  ASSERT_TRUE(image_->SetUrl(kPng).IsOk());
  ASSERT_TRUE(window_->Update().IsOk());
  test::ExpectMatchesGolden(Screen(), "image_png");
  ASSERT_TRUE(image_->SetUrl(kArrow).IsOk());
  ASSERT_TRUE(window_->Update().IsOk());
  test::ExpectMatchesGolden(Screen(), "image_svg");
}

}  // namespace
}  // namespace zarvo
