#include <gtest/gtest.h>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/ImageTextButtonWidgetInterface.h"
#include "source/interfaces/PaddingWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {
namespace {

ImageTextButtonWidgetRef MakeImageTextButton() {
  Result<ImageTextButtonWidgetRef> button =
      CreateObject<ImageTextButtonWidgetInterface>(Id(kImageTextButtonWidgetClassId));
  EXPECT_TRUE(button.IsOk()) << button.GetError().ToString();
  return button.IsOk() ? *button : ImageTextButtonWidgetRef();
}

TEST(ImageTextButtonWidgetTest, BothLinksAreMissingBeforeCreateLayout) {
  ImageTextButtonWidgetRef button = MakeImageTextButton();
  EXPECT_EQ(button->GetImageWidget().GetError().GetMessage(), "Missing widget link");
  EXPECT_EQ(button->GetTextWidget().GetError().GetMessage(), "Missing widget link");
}

TEST(ImageTextButtonWidgetTest, PutsImageAndTextInTwoCentredCellsOfATableInsideAPadding) {
  Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 160, 40});
  ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
  ImageTextButtonWidgetRef button = MakeImageTextButton();
  ASSERT_TRUE((*window)->GetAppWidget()->InsertChildLast(button).IsOk());
  ASSERT_TRUE((*window)->Update().IsOk());
  EXPECT_EQ(button->GetName(), "ImageTextButtonWidget");

  WidgetInterface* padding = button->GetFirstChildWidget();
  ASSERT_NE(dynamic_cast<PaddingWidgetInterface*>(padding), nullptr);
  auto* table = dynamic_cast<TableWidgetInterface*>(padding->GetFirstChildWidget());
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->GetCountX(), 2);
  EXPECT_EQ(table->GetCountY(), 1);
  Result<ImageWidgetRef> image = button->GetImageWidget();
  Result<TextWidgetRef> text = button->GetTextWidget();
  ASSERT_TRUE(image.IsOk());
  ASSERT_TRUE(text.IsOk());
  for (Int column : {0, 1}) {
    Result<CellWidgetRef> cell = table->GetCell(column, 0);
    ASSERT_TRUE(cell.IsOk());
    EXPECT_EQ((*cell)->GetAlignment(WIDGET_DIRECTION::HORIZONTAL), ALIGNMENT_MODE::CENTER);
    EXPECT_EQ((*cell)->GetAlignment(WIDGET_DIRECTION::VERTICAL), ALIGNMENT_MODE::CENTER);
    WidgetInterface* content = (*cell)->GetFirstChildWidget();
    EXPECT_EQ(content, column == 0 ? static_cast<WidgetInterface*>(image->Get())
                                   : static_cast<WidgetInterface*>(text->Get()));
  }

  ASSERT_TRUE((*image)->SetLocalSize(16.0, 16.0).IsOk());
  (*text)->SetText("Open");
  ASSERT_TRUE((*window)->Update().IsOk());
  const Vector2d size = button->GetLocalPixSize();
  EXPECT_GT(size.x, 16.0 + (*text)->GetLocalPixSize().x - 0.5);
  EXPECT_GE(size.y, 16.0);
}

}  // namespace
}  // namespace zarvo
