// Header columns dragged and resized in a real window: the real pointer and keyboard (XTest)
// move a column onto a drop target, widen and narrow a column by its border, and cancel a drag
// with Escape, all through the SDL backend's translated events.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventDriver.h"
#include "host/ui/EventKeys.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/HeaderCellWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/interfaces/TreeGraphWidgetInterface.h"
#include "source/widgets_layout/HeaderCellGeometry.h"
#include "tests/backend/RealWindowTest.h"
#include "tests/support/TestWidgets.h"

// X11 last: its macros must not reach the host's headers.
#include <X11/keysym.h>

namespace zarvo {
namespace {

const Rect kWindowFrame{120, 120, 480, 300};
constexpr Int kColumns = 3;
constexpr Float kColumnWidth = 90.0;
constexpr Vector2d kTablePosition{10, 10};
constexpr Float kTargetGap = 30.0;
constexpr Float kTargetHeight = 40.0;
// Pointer steps of a drag, so the window sees it move rather than jump.
constexpr int kDragSteps = 4;
constexpr Vector2d kBesidePointer{-12.0, 4.0};

// Below the header row: a dropped column moves in front of the column whose header lies above
// the drop, and every move is told to the observer.
class ColumnDropTarget final : public WidgetBase {
 public:
  explicit ColumnDropTarget(TableWidgetRef table) : table_(std::move(table)) {}
  bool GetAcceptDragAndDrop() const override { return true; }
  Result<bool> HandleDragAndDrop(const DataDictionary& event) override {
    ZV_TRY_ASSIGN(EVENT type, EventReader(&event).GetType());
    if (type != EVENT::DND_DROP) return true;
    ZV_TRY_ASSIGN(Int dragged, event.GetRequired<Int>(Id(kHeaderCellDragAndDropKey)));
    ZV_TRY_ASSIGN(Vector2d position, EventReader(&event).GetPosition());
    Int over = table_->GetCountX() - 1;
    for (Int x = 0; x < table_->GetCountX(); ++x) {
      ZV_TRY_ASSIGN(CellWidgetRef cell, table_->GetCell(x, 0));
      if (position.x < cell->GetGlobalFrame().right) {
        over = x;
        break;
      }
    }
    if (over == dragged) return true;
    ZV_TRY(table_->MoveColumns(dragged, dragged, over < dragged ? over - 1 : over));
    moves_.push_back({dragged, over});
    return true;
  }
  struct Move {
    Int from, onto;
    friend bool operator==(const Move&, const Move&) = default;
  };
  std::vector<Move> moves_;

 private:
  TableWidgetRef table_;
};

class DragRealWindowTest : public test::RealWindowTest {
 protected:
  void SetUp() override {
    RealWindowTest::SetUp();
    if (IsSkipped()) return;
    window_ = OpenWindow(WindowClass::Window(), kWindowFrame, "DragRealWindowTest");
    ASSERT_TRUE(window_);
    RecordEvents(*window_);
    table_ = test::NewObject<TableWidgetInterface>(kTableWidgetClassId);
    ASSERT_TRUE(table_ && table_->CreateLayout().IsOk());
    for (Int x = 0; x < kColumns; ++x) {
      HeaderCellWidgetRef header = test::NewObject<HeaderCellWidgetInterface>(kHeaderCellWidgetClassId);
      ASSERT_TRUE(header && header->CreateLayout().IsOk());
      header->SetAllowResizing(true);
      header->SetAllowRearranging(true);
      header->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
      header->SetFixedSize(CanvasUnitValue::Pix(kColumnWidth), WIDGET_DIRECTION::HORIZONTAL);
      ASSERT_TRUE(table_->InsertChildLast(header).IsOk());
      headers_.push_back(header);
    }
    ASSERT_TRUE(table_->Resize(kColumns, 2).IsOk());
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(table_).IsOk());
    table_->SetLocalPosition(kTablePosition);
    Update();
    target_ = MakeRef<ColumnDropTarget>(table_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(target_).IsOk());
    target_->SetLocalPosition({kTablePosition.x, table_->GetGlobalFrame().bottom + kTargetGap});
    ASSERT_TRUE(target_->SetLocalSize(kColumns * kColumnWidth, kTargetHeight).IsOk());
    Update();
  }
  void TearDown() override {
    if (window_) (void)window_->Close();
    window_ = Ref<AppWindow>();
    RealWindowTest::TearDown();
  }
  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }

  // Whole pixels: the pointer reports no fractions.
  static Vector2d Pixel(Vector2d p) { return {std::floor(p.x), std::floor(p.y)}; }
  Vector2d BodyOf(Int x) const {
    const Rect frame = headers_[static_cast<size_t>(x)]->GetGlobalFrame();
    return Pixel({frame.left + frame.Width() / 3.0, (frame.top + frame.bottom) / 2.0});
  }
  Vector2d RightBorderOf(Int x) const {
    const Rect frame = headers_[static_cast<size_t>(x)]->GetGlobalFrame();
    return Pixel({frame.right - 1.0, (frame.top + frame.bottom) / 2.0});
  }
  Vector2d TargetUnder(Int x) const {
    const Rect column = headers_[static_cast<size_t>(x)]->GetGlobalFrame();
    const Rect target = target_->GetGlobalFrame();
    return Pixel({(column.left + column.right) / 2.0, (target.top + target.bottom) / 2.0});
  }
  Float ColumnWidth(Int x) const { return (*table_->GetCell(x, 1))->GetGlobalFrame().Width(); }
  const Id& Cursor() const { return window_->GetCanvas()->GetCursor(); }
  bool ActionRunning() const { return window_->GetAppWidget()->IsActionRunning(); }

  bool Press(Vector2d local) {
    if (!PointAt(*window_, local)) return false;
    Button(1, true);
    return PumpUntil([&] {
      return SawEvent([&](const EventReader& e) {
        return *e.GetType() == EVENT::BUTTON_DOWN && *e.GetPosition() == local;
      });
    });
  }
  // Drags the held pointer to `local` in steps; each step waits until the window has seen it.
  bool DragTo(Vector2d from, Vector2d local) {
    for (int step = 1; step <= kDragSteps; ++step) {
      const Float t = static_cast<Float>(step) / kDragSteps;
      const Vector2d at = Pixel({from.x + (local.x - from.x) * t, from.y + (local.y - from.y) * t});
      MovePointer(OnScreen(*window_, at));
      const bool seen = PumpUntil([&] {
        return SawEvent([&](const EventReader& e) {
          return *e.GetType() == EVENT::BUTTON_DRAG && *e.GetPosition() == at;
        });
      });
      if (!seen) return false;
    }
    return true;
  }
  bool Release() {
    Button(1, false);
    return PumpUntil([&] {
      return SawEvent([](const EventReader& e) { return *e.GetType() == EVENT::BUTTON_UP; }) && !ActionRunning();
    });
  }
  std::vector<CellWidgetInterface*> HeaderOrder() const {
    std::vector<CellWidgetInterface*> order;
    for (Int x = 0; x < table_->GetCountX(); ++x) order.push_back(table_->GetCell(x, 0)->Get());
    return order;
  }

  Ref<AppWindow> window_;
  TableWidgetRef table_;
  std::vector<HeaderCellWidgetRef> headers_;
  Ref<ColumnDropTarget> target_;
};

TEST_F(DragRealWindowTest, ARealDragMovesAColumnEvenAfterThePointerLeftTheWindow) {
  const std::vector<CellWidgetInterface*> before = HeaderOrder();
  // Beside the pointer, clear of the cursor's own sprite, still inside the column's ghost.
  const Vector2d nearPointer = TargetUnder(1) + kBesidePointer;
  const test::Rgb background = ShownPixel(*window_, nearPointer);
  ASSERT_TRUE(Press(BodyOf(2)));
  ASSERT_TRUE(ActionRunning()) << "a press on the header's body starts a column drag";

  // Over the target the column would move; above the header row nothing takes it.
  ASSERT_TRUE(DragTo(BodyOf(2), TargetUnder(1)));
  EXPECT_EQ(Cursor(), SystemCursor::DragMove());
  const test::Rgb ghost = ShownPixel(*window_, nearPointer);
  EXPECT_NE(ghost, background) << "the screen shows the column's ghost under the pointer";
  SaveScreenshot(*window_, "drag_real_ghost");
  const Vector2d above = Pixel({TargetUnder(1).x, 3.0});
  ASSERT_TRUE(DragTo(TargetUnder(1), above));
  EXPECT_EQ(Cursor(), SystemCursor::Forbidden());

  // Out of the window with the button held: the window keeps the pointer, the drag goes on.
  const Vector2d outside{kWindowFrame.Width() + 40.0, TargetUnder(0).y};
  ASSERT_TRUE(DragTo(above, outside)) << "the pressed pointer is reported outside the window";
  EXPECT_TRUE(ActionRunning());
  EXPECT_EQ(Cursor(), SystemCursor::Forbidden());
  SaveScreenshot(*window_, "drag_real_pointer_outside");

  ASSERT_TRUE(DragTo(outside, TargetUnder(0)));
  EXPECT_EQ(Cursor(), SystemCursor::DragMove());
  ASSERT_TRUE(Release());
  EXPECT_EQ(Cursor(), SystemCursor::Normal());
  ASSERT_EQ(target_->moves_.size(), 1u) << "the drop was heard once";
  EXPECT_EQ(target_->moves_[0], (ColumnDropTarget::Move{2, 0}));
  EXPECT_EQ(HeaderOrder(), (std::vector<CellWidgetInterface*>{before[2], before[0], before[1]}));
  for (Int x = 0; x < kColumns; ++x) EXPECT_DOUBLE_EQ(ColumnWidth(x), kColumnWidth) << "a drag resizes nothing";
  EXPECT_EQ(ShownPixel(*window_, TargetUnder(1) + kBesidePointer), background) << "the ghost went with the drop";
}

TEST_F(DragRealWindowTest, DraggingABorderResizesTheColumnByTheDistanceButNotBelowTheMinimum) {
  const Vector2d border = RightBorderOf(0);
  ASSERT_TRUE(PointAt(*window_, border));
  EXPECT_EQ(Cursor(), SystemCursor::SizeWE()) << "the border shows the resize cursor";
  ASSERT_TRUE(Press(border));
  ASSERT_TRUE(DragTo(border, border + Vector2d{30.0, 0.0}));
  ASSERT_TRUE(Release());
  Update();
  EXPECT_DOUBLE_EQ(ColumnWidth(0), kColumnWidth + 30.0);
  EXPECT_DOUBLE_EQ(headers_[0]->GetGlobalFrame().Width(), kColumnWidth + 30.0);
  EXPECT_DOUBLE_EQ(ColumnWidth(1), kColumnWidth) << "the next column keeps its width";

  // Far to the left, past the column's own left edge: the minimum holds.
  const Vector2d wider = RightBorderOf(0);
  ASSERT_TRUE(Press(wider));
  ASSERT_TRUE(DragTo(wider, Vector2d{2.0, wider.y}));
  ASSERT_TRUE(Release());
  Update();
  EXPECT_DOUBLE_EQ(ColumnWidth(0), kMinimumResizedColumnWidth);
  EXPECT_TRUE(target_->moves_.empty()) << "a resize moves no column";
}

TEST_F(DragRealWindowTest, EscapeCancelsARealColumnDragAndKeepsTheOrder) {
  const std::vector<CellWidgetInterface*> before = HeaderOrder();
  ASSERT_TRUE(Press(BodyOf(0)));
  ASSERT_TRUE(DragTo(BodyOf(0), TargetUnder(2)));
  EXPECT_EQ(Cursor(), SystemCursor::DragMove());
  Key(XK_Escape, true);
  Key(XK_Escape, false);
  ASSERT_TRUE(PumpUntil([&] { return !ActionRunning(); })) << "Escape ends the drag";
  EXPECT_EQ(Cursor(), SystemCursor::Normal());
  // Releasing over the target afterwards drops nothing.
  ASSERT_TRUE(Release());
  EXPECT_TRUE(target_->moves_.empty());
  EXPECT_EQ(HeaderOrder(), before);
}

// A tree graph's own header row: the graph takes the dropped column and moves it.
TEST_F(DragRealWindowTest, ATreeGraphsHeaderColumnIsMovedByARealDrag) {
  const Id idA("test.real.a"), idB("test.real.b");
  TreeGraphWidgetRef graph = test::NewObject<TreeGraphWidgetInterface>(kTreeGraphWidgetClassId);
  ASSERT_TRUE(graph && graph->CreateLayout().IsOk());
  ASSERT_TRUE(graph->CreateTreeItemAfter(TreeItemWidgetRef()).IsOk());
  ASSERT_TRUE(graph->SetColumns({idA}, {idB}).IsOk());
  ASSERT_TRUE(graph->AddHeaderRow().IsOk());
  graph->SetAllowHeaderRearranging(true);
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(graph).IsOk());
  graph->SetLocalPosition({kTablePosition.x, target_->GetGlobalFrame().bottom + kTargetGap});
  Update();
  auto titleOf = [&](const Id& column) {
    Result<TextWidgetRef> title = graph->GetHeaderTextWidget(column);
    EXPECT_TRUE(title.IsOk());
    return title.IsOk() ? Pixel(EventDriver::CenterOf(**title)) : Vector2d{};
  };
  const Vector2d from = titleOf(idA), over = titleOf(graph->GetTreeColumnId()), to = titleOf(idB);
  ASSERT_TRUE(Press(from));
  ASSERT_TRUE(ActionRunning());
  ASSERT_TRUE(DragTo(from, over));
  EXPECT_EQ(Cursor(), SystemCursor::DragMove());
  EXPECT_EQ(graph->GetLeftColumnIds(), std::vector<Id>{idA}) << "passing over a column moves nothing";
  ASSERT_TRUE(DragTo(over, to));
  ASSERT_TRUE(Release());
  EXPECT_TRUE(graph->GetLeftColumnIds().empty());
  EXPECT_EQ(graph->GetRightColumnIds(), (std::vector<Id>{idB, idA})) << "the column lands behind the one dropped on";
  SaveScreenshot(*window_, "drag_real_treegraph_moved");
}

}  // namespace
}  // namespace zarvo
