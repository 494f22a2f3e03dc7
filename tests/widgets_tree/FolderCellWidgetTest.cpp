#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/FoldWidgetInterface.h"
#include "source/interfaces/FolderCellWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

constexpr Float kFonPixels = kDefaultRemBase / 11.0;

class FolderCellWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 200, 120});
    ASSERT_TRUE(window_);
  }
  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  CheckboxWidgetRef Triangle(const FolderCellWidgetRef& cell) {
    Result<CheckboxWidgetRef> triangle = cell->GetFolderWidget();
    EXPECT_TRUE(triangle.IsOk());
    return triangle.IsOk() ? *triangle : CheckboxWidgetRef();
  }

  Ref<AppWindow> window_;
};

TEST_F(FolderCellWidgetTest, ANewFolderCellHoldsAnOpenTriangle) {
  FolderCellWidgetRef cell = test::NewObject<FolderCellWidgetInterface>(kFolderCellWidgetClassId);
  ASSERT_TRUE(cell->CreateLayout().IsOk());
  EXPECT_EQ(cell->GetName(), "FolderCellWidget");
  EXPECT_TRUE(cell->GetAcceptFocus());
  CheckboxWidgetRef triangle = Triangle(cell);
  ASSERT_TRUE(triangle);
  EXPECT_EQ(cell->GetFirstChildWidget(), triangle.Get());
  EXPECT_TRUE(triangle->GetState()) << "open";
  EXPECT_EQ(triangle->GetSymbol(), CHECKBOX_SYMBOL::TRIANGLE);
  EXPECT_FALSE(triangle->GetAcceptFocus());
  EXPECT_NEAR(triangle->GetLocalPixSize().x, 6.0 * kFonPixels, 1e-9);
  EXPECT_NEAR(triangle->GetLocalPixSize().y, 6.0 * kFonPixels, 1e-9);
}

TEST_F(FolderCellWidgetTest, BeforeTheLayoutTheLinksAreMissing) {
  FolderCellWidgetRef cell = test::NewObject<FolderCellWidgetInterface>(kFolderCellWidgetClassId);
  Result<CheckboxWidgetRef> triangle = cell->GetFolderWidget();
  ASSERT_FALSE(triangle.IsOk());
  EXPECT_EQ(triangle.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_EQ(triangle.GetError().GetMessage(), "Widget link not set.");
  const DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, {1, 1}, BUTTON::LEFT);
  Result<bool> handled = cell->HandleEvent(&press);
  ASSERT_FALSE(handled.IsOk());
  EXPECT_EQ(handled.GetError().GetKind(), ErrorKind::kNullReference) << "a link never set";

  FoldWidgetRef fold = test::NewObject<FoldWidgetInterface>(kFoldWidgetClassId);
  ASSERT_FALSE(fold->GetFolderWidget().IsOk());
  EXPECT_EQ(fold->GetFolderWidget().GetError().GetMessage(), "Missing widget link");
  EXPECT_EQ(fold->GetHeaderCell().GetError().GetMessage(), "Missing widget link");
  EXPECT_EQ(fold->GetContentCell().GetError().GetMessage(), "Missing widget link");
}

TEST_F(FolderCellWidgetTest, APressAnywhereInTheCellTogglesTheTriangleOnce) {
  FolderCellWidgetRef cell = test::NewObject<FolderCellWidgetInterface>(kFolderCellWidgetClassId);
  ASSERT_TRUE(cell->CreateLayout().IsOk());
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(cell).IsOk());
  cell->SetLocalPosition({20, 20});
  ASSERT_TRUE(cell->SetLocalSize(60.0, 40.0).IsOk());
  Update();
  CheckboxWidgetRef triangle = Triangle(cell);
  std::vector<Bool> told;
  triangle->ObservableStateChanged()->AddObserver([&told](const CheckboxWidgetRef&, Bool open) -> Result<void> {
    told.push_back(open);
    return Ok();
  });
  EventDriver driver(*window_);
  const Rect frame = cell->GetGlobalFrame();
  ASSERT_TRUE(driver.Click({frame.right - 3.0, frame.bottom - 3.0}).IsOk()) << "far from the triangle";
  EXPECT_FALSE(triangle->GetState());
  ASSERT_TRUE(driver.Click(*triangle).IsOk()) << "on the triangle itself";
  EXPECT_TRUE(triangle->GetState());
  EXPECT_EQ(told, (std::vector<Bool>{false, true})) << "each press toggles exactly once";
}

class FoldWidgetTest : public FolderCellWidgetTest {
 protected:
  void SetUp() override {
    FolderCellWidgetTest::SetUp();
    fold_ = test::NewObject<FoldWidgetInterface>(kFoldWidgetClassId);
    ASSERT_TRUE(fold_);
    ASSERT_TRUE(fold_->CreateLayout().IsOk());
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(fold_).IsOk());
    fold_->SetLocalPosition({10, 10});
    content_ = *fold_->GetContentCell();
    header_ = *fold_->GetHeaderCell();
    triangle_ = *fold_->GetFolderWidget();
    ASSERT_TRUE(AddText(header_, "Section"));
    ASSERT_TRUE(AddText(content_, "Inside"));
    Update();
  }
  bool AddText(const CellWidgetRef& cell, const char* text) {
    TextWidgetRef widget = test::NewObject<TextWidgetInterface>(kTextWidgetClassId);
    if (!widget || !widget->CreateLayout().IsOk()) return false;
    widget->SetText(String(text));
    return cell->InsertChildLast(widget).IsOk();
  }

  FoldWidgetRef fold_;
  CellWidgetRef content_;
  CellWidgetRef header_;
  CheckboxWidgetRef triangle_;
};

TEST_F(FoldWidgetTest, ATriangleAndAHeaderAboveTheContent) {
  EXPECT_EQ(fold_->GetName(), "FoldWidget");
  EXPECT_TRUE(fold_->GetAcceptFocus());
  EXPECT_EQ(fold_->GetCountX(), 2);
  EXPECT_EQ(fold_->GetCountY(), 2);
  EXPECT_EQ(fold_->GetTableMode(WIDGET_DIRECTION::HORIZONTAL), TABLE_MODE::SQUEEZE | TABLE_MODE::ENLARGE);
  EXPECT_EQ(header_->GetStretchMode(WIDGET_DIRECTION::HORIZONTAL), CELL_STRETCH_MODE::MAXIMUM);
  EXPECT_EQ(triangle_->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL), WIDGET_SIZE::FIXED);
  EXPECT_EQ(triangle_->GetFixedSize(WIDGET_DIRECTION::VERTICAL), CanvasUnitValue::Fon(12.0));
  EXPECT_NEAR(triangle_->GetLocalPixSize().x, 12.0 * kFonPixels, 1e-9);
  EXPECT_TRUE(triangle_->GetState());
  EXPECT_LT(triangle_->GetGlobalFrame().right, header_->GetGlobalFrame().left + 1e-9) << "the header beside it";
  EXPECT_GE(content_->GetGlobalFrame().top, header_->GetGlobalFrame().bottom - 1e-9) << "the content below";
}

TEST_F(FoldWidgetTest, ClosingHidesTheContentBeforeOtherObserversHearOfIt) {
  const Float openHeight = fold_->GetLocalPixSize().y;
  std::vector<std::string> told;
  triangle_->ObservableStateChanged()->AddObserver([&](const CheckboxWidgetRef&, Bool open) -> Result<void> {
    told.push_back(std::string(open ? "open" : "closed") + (content_->GetLocalVisibility() ? " shown" : " hidden"));
    return Ok();
  });
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*triangle_).IsOk());
  EXPECT_FALSE(content_->GetLocalVisibility());
  Update();
  EXPECT_LT(fold_->GetLocalPixSize().y, openHeight) << "the content row takes no room";
  ASSERT_TRUE(driver.Click(*triangle_).IsOk());
  EXPECT_TRUE(content_->GetLocalVisibility());
  Update();
  EXPECT_DOUBLE_EQ(fold_->GetLocalPixSize().y, openHeight);
  EXPECT_EQ(told, (std::vector<std::string>{"closed hidden", "open shown"}));
}

}  // namespace
}  // namespace zarvo
