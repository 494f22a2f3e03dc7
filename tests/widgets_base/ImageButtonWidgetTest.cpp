#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/ImageButtonWidgetInterface.h"
#include "source/interfaces/PaddingWidgetInterface.h"

namespace zarvo {
namespace {

const Url kArrow{std::string(ZARVO_TEST_DATA_DIR) + "/svg/arrow.svg"};

ImageButtonWidgetRef MakeImageButton() {
  Result<ImageButtonWidgetRef> button = CreateObject<ImageButtonWidgetInterface>(Id(kImageButtonWidgetClassId));
  EXPECT_TRUE(button.IsOk()) << button.GetError().ToString();
  return button.IsOk() ? *button : ImageButtonWidgetRef();
}

TEST(ImageButtonWidgetTest, TheImageIsMissingBeforeCreateLayout) {
  ImageButtonWidgetRef button = MakeImageButton();
  Result<ImageWidgetRef> image = button->GetImageWidget();
  ASSERT_FALSE(image.IsOk());
  EXPECT_EQ(image.GetError().GetMessage(), "Missing widget link");
}

TEST(ImageButtonWidgetTest, HoldsAnImageInsideAPaddingAndTakesItsSize) {
  Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 60, 60});
  ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
  ImageButtonWidgetRef button = MakeImageButton();
  button->SetLocalPosition({10, 10});
  ASSERT_TRUE((*window)->GetAppWidget()->InsertChildLast(button).IsOk());
  ASSERT_TRUE((*window)->Update().IsOk());
  EXPECT_EQ(button->GetName(), "ImageButtonWidget");
  EXPECT_TRUE(button->GetAcceptFocus());

  WidgetInterface* padding = button->GetFirstChildWidget();
  ASSERT_NE(dynamic_cast<PaddingWidgetInterface*>(padding), nullptr);
  Result<ImageWidgetRef> image = button->GetImageWidget();
  ASSERT_TRUE(image.IsOk());
  EXPECT_EQ(padding->GetFirstChildWidget(), static_cast<WidgetInterface*>(image->Get()));

  ASSERT_TRUE((*image)->SetUrl(kArrow).IsOk());
  ASSERT_TRUE((*image)->SetLocalSize(24.0, 16.0).IsOk());
  ASSERT_TRUE((*window)->Update().IsOk());
  EXPECT_EQ(button->GetLocalPixSize(), (Vector2d{24, 16}));

  std::vector<std::string> fired;
  button->ObservableButtonUp()->AddObserver([&](const ButtonWidgetRef&) -> Result<void> {
    fired.push_back("up");
    return Ok();
  });
  EventDriver driver(**window);
  ASSERT_TRUE(driver.Click(*button).IsOk());
  EXPECT_EQ(fired, std::vector<std::string>{"up"});

  (*image)->Remove();
  ImageWidgetRef removed = std::move(*image);
  removed.Reset();
  EXPECT_EQ(button->GetImageWidget().GetError().GetMessage(), "Missing widget link");
}

}  // namespace
}  // namespace zarvo
