#include <gtest/gtest.h>

#include <vector>

#include "host/gfx/Image.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/ColorFieldWidgetInterface.h"
#include "source/interfaces/ColorTableWidgetInterface.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

const std::vector<ColorA> kSwatches = {
    {1, 0, 0, 1}, {1, 0.5, 0, 1}, {1, 1, 0, 1}, {0, 1, 0, 1}, {0, 1, 1, 1}, {0, 0, 1, 1}, {0.5, 0, 1, 1}, {1, 1, 1, 1},
};
constexpr Int kColumns = 3;

class ColorTableWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 200, 100});
    ASSERT_TRUE(window_);
    table_ = test::NewObject<ColorTableWidgetInterface>(kColorTableWidgetClassId);
    ASSERT_TRUE(table_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(table_).IsOk());
    ASSERT_TRUE(table_->InitColorTable(kSwatches, kColumns).IsOk());
    table_->SetLocalPosition({10, 10});
    Update();
    table_->ObservableIndexChanged()->AddObserver([this](const ColorTableWidgetRef& sender, Int index) -> Result<void> {
      EXPECT_EQ(sender.Get(), table_.Get());
      told_.push_back(index);
      return Ok();
    });
  }
  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  Rect SwatchFrame(Int index) const {
    Result<CellWidgetRef> cell = table_->GetCell(index);
    EXPECT_TRUE(cell.IsOk() && *cell);
    return (*cell)->GetGlobalFrame();
  }
  Vector2d Center(const Rect& r) const { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

  Ref<AppWindow> window_;
  ColorTableWidgetRef table_;
  std::vector<Int> told_;
};

TEST_F(ColorTableWidgetTest, SwatchesFillRowsOfTheGivenColumns) {
  EXPECT_EQ(table_->GetName(), "ColorTableWidget");
  EXPECT_EQ(table_->GetCount(), static_cast<Int>(kSwatches.size()));
  EXPECT_EQ(table_->GetColumnCount(), kColumns);
  EXPECT_NEAR(table_->GetLocalPixSize().x, 60.0, 1.0);
  // Three to a row, whatever room the window leaves.
  EXPECT_EQ(SwatchFrame(0).top, SwatchFrame(2).top);
  EXPECT_LT(SwatchFrame(0).left, SwatchFrame(1).left);
  EXPECT_GT(SwatchFrame(3).top, SwatchFrame(2).top);
  EXPECT_EQ(SwatchFrame(3).left, SwatchFrame(0).left);
  EXPECT_GT(SwatchFrame(6).top, SwatchFrame(3).top);
  for (Int i = 0; i < static_cast<Int>(kSwatches.size()); ++i) {
    Result<ColorA> color = table_->GetTableColor(i);
    ASSERT_TRUE(color.IsOk());
    EXPECT_EQ(*color, kSwatches[static_cast<size_t>(i)]);
  }
  Result<ColorA> beyond = table_->GetTableColor(static_cast<Int>(kSwatches.size()));
  ASSERT_FALSE(beyond.IsOk());
  EXPECT_EQ(beyond.GetError().GetMessage(), "Index out of range");
  EXPECT_FALSE(table_->GetTableColor(-1).IsOk());
  EXPECT_FALSE(table_->InitColorTable(kSwatches, 0).IsOk()) << "no columns";
}

TEST_F(ColorTableWidgetTest, TheCurrentIndexStaysWithinTheSwatches) {
  table_->SetTableColor(5);
  EXPECT_EQ(table_->GetTableColor(), 5);
  table_->SetTableColor(100);
  EXPECT_EQ(table_->GetTableColor(), static_cast<Int>(kSwatches.size()) - 1);
  table_->SetTableColor(-3);
  EXPECT_EQ(table_->GetTableColor(), 0);
  table_->SetTableColor(7);
  ASSERT_TRUE(table_->InitColorTable({{0, 0, 0, 1}, {1, 1, 1, 1}}, 2).IsOk());
  EXPECT_EQ(table_->GetTableColor(), 1) << "fewer swatches clamp the current one";
  EXPECT_TRUE(told_.empty()) << "setting is not picking";
}

TEST_F(ColorTableWidgetTest, AClickPicksTheSwatchUnderThePointer) {
  EventDriver driver(*window_);
  Result<bool> consumed = driver.Press(Center(SwatchFrame(4)));
  ASSERT_TRUE(consumed.IsOk());
  EXPECT_TRUE(*consumed);
  ASSERT_TRUE(driver.Release(Center(SwatchFrame(4))).IsOk());
  EXPECT_EQ(table_->GetTableColor(), 4);
  EXPECT_EQ(told_, std::vector<Int>{4});
  // The right button picks nothing.
  ASSERT_TRUE(driver.Press(Center(SwatchFrame(1)), BUTTON::RIGHT).IsOk());
  ASSERT_TRUE(driver.Release(Center(SwatchFrame(1)), BUTTON::RIGHT).IsOk());
  EXPECT_EQ(told_, std::vector<Int>{4});
  ASSERT_TRUE(driver.Click(Center(SwatchFrame(7))).IsOk());
  EXPECT_EQ(told_, (std::vector<Int>{4, 7}));
}

TEST_F(ColorTableWidgetTest, GoldenWithTheCurrentSwatchFramed) {
  table_->SetTableColor(4);
  Update();
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "color_table");
}

TEST(ColorFieldWidgetTest, ShowsItsColourAndNoHighlight) {
  Ref<AppWindow> window = test::MakeTestWindow(Rect{0, 0, 60, 40});
  ColorFieldWidgetRef field = test::NewObject<ColorFieldWidgetInterface>(kColorFieldWidgetClassId);
  ASSERT_TRUE(window && field);
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(field).IsOk());
  ASSERT_TRUE(field->SetLocalSize(40, 20).IsOk());
  field->SetLocalPosition({10, 10});
  field->SetBackgroundColor({0, 0, 1, 1});
  ASSERT_TRUE(window->Update().IsOk());
  EXPECT_EQ(field->GetName(), "ColorFieldWidget");
  const auto center = [&] {
    Result<Ref<Image>> image = Image::FromCairoSurface(window->GetHostCanvas()->GetOsWindow()->GetSurface());
    EXPECT_TRUE(image.IsOk());
    return (*image)->GetPixel(30, 20);
  };
  const PixelRGBA8 before = center();
  EXPECT_EQ(before, (PixelRGBA8{0, 0, 255, 255}));
  EventDriver driver(*window);
  ASSERT_TRUE(driver.Move({30, 20}).IsOk());
  ASSERT_TRUE(window->Update().IsOk());
  EXPECT_EQ(center(), before) << "hovering leaves the colour as it is";
}

}  // namespace
}  // namespace zarvo
