#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/MatWidgetInterface.h"
#include "source/interfaces/SquareMatWidgetInterface.h"
#include "source/widgets_values/SpinBoxWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

// Each variant: the matrix, the interface its class hands out, its class id and debug name.
template <class M, template <class> class I, const char* kClass, const char* kDebugName>
struct Variant {
  using Matrix = M;
  using Interface = I<M>;
  static constexpr const char* kId = kClass;
  static constexpr const char* kName = kDebugName;
};

constexpr char kMatName[] = "MatWidget";
constexpr char kSquareName[] = "SquareMatWidget";

using MatrixVariant = Variant<Matrix, MatWidgetInterface, kMatrixWidgetClassId, kMatName>;
using Matrix2dVariant = Variant<Matrix2d, MatWidgetInterface, kMatrix2dWidgetClassId, kMatName>;
using Square2dVariant = Variant<SquareMatrix2d, SquareMatWidgetInterface, kSquareMatrix2dWidgetClassId, kSquareName>;
using SquareVariant = Variant<SquareMatrix, SquareMatWidgetInterface, kSquareMatrixWidgetClassId, kSquareName>;
using Square4dVariant = Variant<SquareMatrix4d, SquareMatWidgetInterface, kSquareMatrix4dWidgetClassId, kSquareName>;

// A matrix whose component (row, column) is 10 × row + column + first.
template <class M>
M Numbered(Float first) {
  M m;
  for (Int row = 0; row < MatrixShape<M>::kRows; ++row) {
    for (Int column = 0; column < MatrixShape<M>::kColumns; ++column) {
      SetMatrixComponent(m, row, column, Float(10 * row + column) + first);
    }
  }
  return m;
}

template <class M>
struct Heard {
  Int row;
  Int column;
  Bool active;
  M value;
  friend bool operator==(const Heard&, const Heard&) = default;
};

template <class P>
class MatWidgetTest : public testing::Test {
 protected:
  using M = typename P::Matrix;
  static constexpr Int kRows = MatrixShape<M>::kRows;
  static constexpr Int kColumns = MatrixShape<M>::kColumns;

  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(Rect{0, 0, 600, 200});
    ASSERT_TRUE(window_);
    mat_ = test::NewObject<typename P::Interface>(P::kId);
    ASSERT_TRUE(mat_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(mat_).IsOk());
    ASSERT_TRUE(mat_->CreateLayout().IsOk());
    mat_->SetLocalPosition({10, 10});
    Update();
    driver_ = std::make_unique<EventDriver>(*window_);
    mat_->ObservableValueChanged()->AddObserver(
        [this](const WidgetRef& sender, M value, Int row, Int column, Bool active) -> Result<void> {
          EXPECT_EQ(sender.Get(), static_cast<WidgetInterface*>(mat_.Get()));
          heard_.push_back({row, column, active, value});
          return Ok();
        });
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  FloatSpinBoxWidgetRef Box(Int row, Int column) {
    Result<FloatSpinBoxWidgetRef> box = mat_->GetComponentSpinBox(row, column);
    EXPECT_TRUE(box.IsOk());
    return box.IsOk() ? *box : FloatSpinBoxWidgetRef();
  }
  void TypeInto(Int row, Int column, const std::string& text) {
    ASSERT_TRUE(driver_->Click(*dynamic_cast<SpinBoxWidgetImpl<Float>&>(*Box(row, column)).GetTextEdit()).IsOk());
    ASSERT_TRUE(driver_->Type(text).IsOk());
    ASSERT_TRUE(driver_->KeyPress(KEY::ENTER).IsOk());
  }
  M Value() {
    Result<M> value = mat_->GetValue();
    EXPECT_TRUE(value.IsOk()) << value.GetError().ToString();
    return value.IsOk() ? *value : M{};
  }

  Ref<AppWindow> window_;
  Ref<typename P::Interface> mat_;
  std::unique_ptr<EventDriver> driver_;
  std::vector<Heard<M>> heard_;
};

using MatrixVariants = testing::Types<MatrixVariant, Matrix2dVariant, Square2dVariant, SquareVariant, Square4dVariant>;
TYPED_TEST_SUITE(MatWidgetTest, MatrixVariants);

TYPED_TEST(MatWidgetTest, IsAGridOfOneRowPerVectorStartingAtTheIdentity) {
  using M = typename TestFixture::M;
  const Int rows = TestFixture::kRows;
  const Int columns = TestFixture::kColumns;
  EXPECT_EQ(this->mat_->GetRowCount(), rows);
  EXPECT_EQ(this->mat_->GetColumnCount(), columns);
  EXPECT_EQ(this->mat_->GetCountX(), columns);
  EXPECT_EQ(this->mat_->GetCountY(), rows);
  EXPECT_EQ(this->mat_->GetName(), TypeParam::kName);
  EXPECT_EQ(this->Value(), M{}) << "the identity, shown";
  for (Int row = 0; row < rows; ++row) {
    for (Int column = 0; column < columns; ++column) {
      SCOPED_TRACE(std::to_string(row) + "," + std::to_string(column));
      const FloatSpinBoxWidgetRef box = this->Box(row, column);
      ASSERT_TRUE(box);
      EXPECT_EQ(box->GetParentWidget(), static_cast<WidgetInterface*>((*this->mat_->GetCell(column, row)).Get()));
      const Rect frame = box->GetGlobalFrame();
      if (column > 0) {
        const Rect left = this->Box(row, column - 1)->GetGlobalFrame();
        EXPECT_GE(frame.left, left.right);
        EXPECT_DOUBLE_EQ(frame.top, left.top);
      }
      if (row > 0) {
        const Rect above = this->Box(row - 1, column)->GetGlobalFrame();
        EXPECT_GE(frame.top, above.bottom);
        EXPECT_DOUBLE_EQ(frame.left, above.left);
      }
    }
  }
  EXPECT_EQ(this->mat_->GetComponentSpinBox(rows, 0).GetError().GetMessage(), "Component out of range.");
  EXPECT_EQ(this->mat_->GetComponentSpinBox(0, columns).GetError().GetMessage(), "Component out of range.");
}

TYPED_TEST(MatWidgetTest, SetValueShowsEveryComponentAndTellsOnlyWhenAsked) {
  using M = typename TestFixture::M;
  const M value = Numbered<M>(0.5);
  ASSERT_TRUE(this->mat_->SetValue(value, false).IsOk());
  EXPECT_EQ(this->Value(), value);
  EXPECT_EQ(this->Box(TestFixture::kRows - 1, 1)->GetValue(), 10.0 * (TestFixture::kRows - 1) + 1.5);
  EXPECT_TRUE(this->heard_.empty());
  ASSERT_TRUE(this->mat_->SetValue(M{}, true).IsOk());
  EXPECT_EQ(this->heard_, (std::vector<Heard<M>>{{kAllComponents, kAllComponents, false, M{}}}));
}

TYPED_TEST(MatWidgetTest, TypingIntoAComponentTellsItsRowAndColumn) {
  using M = typename TestFixture::M;
  const Int lastRow = TestFixture::kRows - 1;
  const Int lastColumn = TestFixture::kColumns - 1;
  this->TypeInto(lastRow, 0, "7*3");
  this->TypeInto(0, lastColumn, "-4");
  M expected;
  SetMatrixComponent(expected, lastRow, 0, 21.0);
  M second = expected;
  SetMatrixComponent(second, 0, lastColumn, -4.0);
  EXPECT_EQ(this->Value(), second);
  EXPECT_EQ(this->heard_, (std::vector<Heard<M>>{{lastRow, 0, false, expected}, {0, lastColumn, false, second}}));
}

TYPED_TEST(MatWidgetTest, RangesPerRowColumnOrAll) {
  using M = typename TestFixture::M;
  ASSERT_TRUE(this->mat_->SetValue(Numbered<M>(100.0), false).IsOk());
  ASSERT_TRUE(this->mat_->SetRange(-1.0, 1.0, kAllComponents, kAllComponents).IsOk());
  EXPECT_EQ(*this->mat_->GetMax(TestFixture::kRows - 1, TestFixture::kColumns - 1), 1.0);
  EXPECT_EQ(GetMatrixComponent(this->Value(), 0, 0), 1.0) << "held again";
  ASSERT_TRUE(this->mat_->SetRange(0.0, 50.0, 1, kAllComponents).IsOk()) << "the second vector";
  ASSERT_TRUE(this->mat_->SetStep(0.25, kAllComponents, 0).IsOk()) << "the first column";
  for (Int column = 0; column < TestFixture::kColumns; ++column) {
    EXPECT_EQ(*this->mat_->GetMax(1, column), 50.0);
    EXPECT_EQ(*this->mat_->GetMax(0, column), 1.0);
  }
  for (Int row = 0; row < TestFixture::kRows; ++row) {
    EXPECT_EQ(*this->mat_->GetStep(row, 0), 0.25);
    EXPECT_EQ(*this->mat_->GetStep(row, 1), 1.0);
  }
  EXPECT_TRUE(this->heard_.empty()) << "silently";
  this->TypeInto(1, 1, "99");
  EXPECT_EQ(GetMatrixComponent(this->Value(), 1, 1), 50.0);
  ASSERT_TRUE(this->driver_->Scroll(EventDriver::CenterOf(*this->Box(0, 0)), {0, -40}).IsOk());
  EXPECT_EQ(GetMatrixComponent(this->Value(), 0, 0), 0.75) << "the wheel steps by the component's step";
  ASSERT_EQ(this->heard_.size(), 2u);
  EXPECT_EQ(this->heard_[1].row, 0);
  EXPECT_EQ(this->heard_[1].column, 0);

  EXPECT_EQ(this->mat_->SetRange(2.0, 1.0, 0, 0).GetError().GetMessage(), "min is not smaller then max.");
  EXPECT_EQ(this->mat_->SetStep(1.0, TestFixture::kRows, 0).GetError().GetMessage(), "Component out of range.");
  ASSERT_TRUE(this->mat_->SetUnit(NUMBER_WIDGET_UNIT_TYPE::M, TestFixture::kRows - 1, kAllComponents).IsOk());
  EXPECT_EQ(*this->mat_->GetUnit(TestFixture::kRows - 1, 0), NUMBER_WIDGET_UNIT_TYPE::M);
  EXPECT_EQ(*this->mat_->GetUnit(0, 0), NUMBER_WIDGET_UNIT_TYPE::NONE);
  EXPECT_EQ(this->heard_.size(), 2u) << "a unit is not an edit";
}

TYPED_TEST(MatWidgetTest, TabGoesAlongEachVectorThenToTheNext) {
  AppWidgetInterface* app = this->window_->GetAppWidget();
  ASSERT_TRUE(app->SetFocusWidget(this->Box(0, 0).Get()).IsOk());
  const Int count = TestFixture::kRows * TestFixture::kColumns;
  for (Int i = 1; i <= count; ++i) {
    ASSERT_TRUE(*this->driver_->KeyPress(KEY::TAB));
    const Int next = i % count;
    EXPECT_EQ(app->GetFocusWidget(),
              static_cast<WidgetInterface*>(this->Box(next / TestFixture::kColumns, next % TestFixture::kColumns).Get()))
        << i;
  }
}

TEST(MatWidgetGoldenTest, AnAffineMatrixWithoutArrows) {
  Ref<AppWindow> window = test::MakeTestWindow(Rect{0, 0, 290, 110});
  ASSERT_TRUE(window);
  MatrixWidgetRef mat = test::NewObject<MatWidgetInterface<Matrix>>(kMatrixWidgetClassId);
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(mat).IsOk());
  ASSERT_TRUE(mat->CreateLayout().IsOk());
  mat->SetLayout(SPINBOX_LAYOUT::MINIMAL);
  mat->SetLocalPosition({5, 5});
  Matrix value;
  value.off = Vector{12.5, -3.0, 100.0};
  ASSERT_TRUE(mat->SetValue(value, false).IsOk());
  ASSERT_TRUE(window->Update().IsOk());
  test::ExpectMatchesGolden(window->GetHostCanvas()->GetOsWindow()->GetSurface(), "matrix_affine");
}

}  // namespace
}  // namespace zarvo
