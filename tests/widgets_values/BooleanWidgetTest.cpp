#include <gtest/gtest.h>

#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/BooleanWidgetInterface.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

TEST(BooleanWidgetTest, WithoutItsLayoutEveryOperationReportsTheMissingLink) {
  BooleanWidgetRef widget = test::NewObject<BooleanWidgetInterface>(kBooleanWidgetClassId);
  EXPECT_EQ(widget->GetTextWidget().GetError().GetMessage(), "Widget Link not set.");
  EXPECT_EQ(widget->GetCheckboxWidget().GetError().GetMessage(), "Widget Link not set.");
  EXPECT_EQ(widget->SetValue(true).GetError().GetMessage(), "Widget link not set.");
  EXPECT_EQ(widget->GetValue().GetError().GetMessage(), "Widget link not set.");
}

TEST(BooleanWidgetTest, CreationPutsACheckBoxBesideItsText) {
  BooleanWidgetRef widget = test::NewObject<BooleanWidgetInterface>(kBooleanWidgetClassId);
  ASSERT_TRUE(widget->CreateLayout().IsOk());
  EXPECT_EQ(widget->GetName(), "BooleanWidget");
  EXPECT_TRUE(widget->GetAcceptFocus());
  EXPECT_EQ(widget->GetCountX(), 2);
  EXPECT_EQ(widget->GetCountY(), 1);
  EXPECT_EQ((*widget->GetTextWidget())->GetText(), "Toggle me");
  for (Int column = 0; column < 2; ++column) {
    CellWidgetRef cell = *widget->GetCell(column, 0);
    EXPECT_EQ(cell->GetAlignment(WIDGET_DIRECTION::HORIZONTAL), ALIGNMENT_MODE::CENTER);
    EXPECT_EQ(cell->GetAlignment(WIDGET_DIRECTION::VERTICAL), ALIGNMENT_MODE::CENTER);
    EXPECT_EQ(cell->GetLeftPadding(), CanvasUnitValue::Pix(3));
    EXPECT_EQ(cell->GetBottomPadding(), CanvasUnitValue::Pix(3));
  }
  EXPECT_EQ(Ref<HierarchyObject>((*widget->GetCell(0, 0))->GetFirstChild()), Ref<HierarchyObject>(*widget->GetCheckboxWidget()));
  EXPECT_EQ(Ref<HierarchyObject>((*widget->GetCell(1, 0))->GetFirstChild()), Ref<HierarchyObject>(*widget->GetTextWidget()));
  EXPECT_FALSE(*widget->GetValue());
}

TEST(BooleanWidgetTest, SetValueTellsTheCheckBoxObserversEveryTime) {
  BooleanWidgetRef widget = test::NewObject<BooleanWidgetInterface>(kBooleanWidgetClassId);
  ASSERT_TRUE(widget->CreateLayout().IsOk());
  CheckboxWidgetRef checkbox = *widget->GetCheckboxWidget();
  std::vector<Bool> told;
  checkbox->ObservableStateChanged()->AddObserver([&](const CheckboxWidgetRef& sender, Bool value) -> Result<void> {
    EXPECT_EQ(sender, checkbox);
    EXPECT_EQ(checkbox->GetState(), value) << "the state is set before the observers hear of it";
    told.push_back(value);
    return Ok();
  });
  ASSERT_TRUE(widget->SetValue(true).IsOk());
  EXPECT_TRUE(*widget->GetValue());
  ASSERT_TRUE(widget->SetValue(true).IsOk());
  ASSERT_TRUE(widget->SetValue(false).IsOk());
  EXPECT_EQ(told, (std::vector<Bool>{true, true, false}));
}

TEST(BooleanWidgetTest, ClickingTheCheckBoxInAWindowToggles) {
  Ref<AppWindow> window = test::MakeTestWindow(Rect{0, 0, 160, 40});
  BooleanWidgetRef widget = test::NewObject<BooleanWidgetInterface>(kBooleanWidgetClassId);
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(widget).IsOk());
  ASSERT_TRUE(window->Update().IsOk());
  CheckboxWidgetRef checkbox = *widget->GetCheckboxWidget();
  EXPECT_GT(widget->GetLocalPixSize().x, checkbox->GetLocalPixSize().x + 6) << "the text takes room beside it";
  EventDriver driver(*window);
  ASSERT_TRUE(*driver.Click(*checkbox));
  EXPECT_TRUE(*widget->GetValue());
  EXPECT_FALSE(*driver.Click(**widget->GetTextWidget())) << "the text is no switch";
  EXPECT_TRUE(*widget->GetValue());
}

}  // namespace
}  // namespace zarvo
