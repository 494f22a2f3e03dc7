#include "source/widgets_layout/ScrollAreaWidgetImpl.h"

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"
#include "source/widgets_layout/ScrollMath.h"
#include "source/widgets_layout/ScrollStyle.h"
#include "source/widgets_layout/ScrollbarWidgetImpl.h"

namespace zarvo {

namespace {
constexpr WIDGET_DIRECTION kH = WIDGET_DIRECTION::HORIZONTAL;
constexpr WIDGET_DIRECTION kV = WIDGET_DIRECTION::VERTICAL;
constexpr TABLE_MODE kFit = TABLE_MODE::SQUEEZE | TABLE_MODE::ENLARGE;
constexpr char kNothingToScroll[] = "Nothing to scroll";
constexpr char kInvalidScrollArea[] = "Invalid scrollarea";

Float& AlongAxis(Vector2d& v, WIDGET_DIRECTION axis) { return axis == kV ? v.y : v.x; }
Float AlongAxis(const Vector2d& v, WIDGET_DIRECTION axis) { return axis == kV ? v.y : v.x; }

// An observer of a scrollbar that acts on the scroll area it holds weakly.
template <class Action>
auto OnScrollArea(WeakRef<ScrollAreaWidgetImpl> link, Action action) {
  return [link = std::move(link), action](const auto& sender, auto&&... rest) -> Result<void> {
    ZV_TRY_ASSIGN(Ref<ScrollAreaWidgetImpl> area, link.Resolve(kInvalidScrollArea));
    return action(*area, sender, rest...);
  };
}
}  // namespace

// ---- properties -----------------------------------------------------------------------------

Result<void> ScrollAreaWidgetImpl::SetInverse(Bool inverse) {
  if (inverse == inverse_) return Ok();
  inverse_ = inverse;
  RequestSwitchLayout();
  return Ok();
}

void ScrollAreaWidgetImpl::SetAutoScrollbarsVisibilityMode(Bool automatic) {
  if (automatic == autoScrollbars_) return;
  autoScrollbars_ = automatic;
  RequestLayout();
}

void ScrollAreaWidgetImpl::SetScrollStep(CanvasUnitValue step) {
  if (!(step.value >= 0.0)) step.value = 0.0;
  if (scrollStep_ && *scrollStep_ == step) return;
  scrollStep_ = step;
}

CanvasUnitValue ScrollAreaWidgetImpl::GetScrollStep() const {
  return scrollStep_ ? *scrollStep_ : ReadStyle(*this, kScrollAreaScrollStep);
}

bool ScrollAreaWidgetImpl::IsArrangedInverse() const {
  Result<CellWidgetRef> first = GetCell(0, 0);
  return first.IsOk() && *first && dynamic_cast<ScrollbarWidgetInterface*>((*first)->GetFirstChildWidget());
}

Result<CellWidgetRef> ScrollAreaWidgetImpl::GetContentCell() const { return GetCell(IsArrangedInverse() ? 1 : 0, 0); }

Result<WidgetRef> ScrollAreaWidgetImpl::GetWidgetToBeScrolled() const {
  ZV_TRY_ASSIGN(CellWidgetRef cell, GetContentCell());
  return WidgetRef(cell ? cell->GetFirstChildWidget() : nullptr);
}

Result<void> ScrollAreaWidgetImpl::SetWidgetToBeScrolled(WidgetRef widget) {
  ZV_TRY_ASSIGN(CellWidgetRef cell, GetContentCell());
  if (!cell) return IllegalStateError("No content cell.");
  if (HierarchyObject* old = cell->GetFirstChild()) old->Remove();
  if (!widget) return NullReferenceError("No widget to be scrolled");
  widget->Remove();
  // The content keeps its own size: the content cell neither measures nor places it.
  widget->SetSizeMode(WIDGET_SIZE::INFINITE, kH);
  widget->SetSizeMode(WIDGET_SIZE::INFINITE, kV);
  return cell->InsertChildLast(widget);
}

// ---- building -------------------------------------------------------------------------------

Result<void> ScrollAreaWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("ScrollAreaWidget");
  ZV_TRY(Resize(2, 2));
  SetTableMode(kFit, kH);
  SetTableMode(kFit, kV);
  const ColorA background = ReadStyle(*this, kScrollAreaBackgroundColor);
  const CanvasUnitValue base = ReadStyle(*this, kScrollAreaBaseSize);
  const CanvasUnitValue twice{base.value * 2.0, base.unit};
  // Built the way round that inverse false has it; a switch exchanges the columns.
  ZV_TRY_ASSIGN(CellWidgetRef content, GetCell(0, 0));
  ZV_TRY_ASSIGN(CellWidgetRef vertical, GetCell(1, 0));
  ZV_TRY_ASSIGN(CellWidgetRef horizontal, GetCell(0, 1));
  ZV_TRY_ASSIGN(CellWidgetRef corner, GetCell(1, 1));
  if (!content || !vertical || !horizontal || !corner) return IllegalStateError("Invalid table hierarchy.");
  auto prepare = [&background](const CellWidgetRef& cell, CanvasUnitValue minWidth, CanvasUnitValue minHeight) {
    cell->SetSizeMode(WIDGET_SIZE::MIN, kH);
    cell->SetSizeMode(WIDGET_SIZE::MIN, kV);
    cell->SetMinSize(minWidth, kH);
    cell->SetMinSize(minHeight, kV);
    cell->SetBackgroundColor(background);
    cell->SetBackgroundVisibility(true);
  };
  prepare(vertical, base, twice);
  vertical->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, kV);
  prepare(horizontal, twice, base);
  horizontal->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, kH);
  prepare(corner, base, base);
  prepare(content, twice, twice);
  content->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, kH);
  content->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, kV);
  content->SetClipping(true);
  ZV_TRY(AddScrollbar(vertical, kV));
  return AddScrollbar(horizontal, kH);
}

Result<void> ScrollAreaWidgetImpl::AddScrollbar(const CellWidgetRef& cell, WIDGET_DIRECTION axis) {
  ZV_TRY_ASSIGN(ScrollbarWidgetRef scrollbar, CreateObject<ScrollbarWidgetInterface>(Id(kScrollbarWidgetClassId)));
  scrollbar->SetDirection(axis);
  ZV_TRY(scrollbar->CreateLayout());
  ZV_TRY(cell->InsertChildLast(scrollbar));
  ZV_TRY(ConnectScrollbar(scrollbar, axis));
  scrollbars_[DirectionIndex(axis)] = std::move(scrollbar);
  return Ok();
}

Result<void> ScrollAreaWidgetImpl::ConnectScrollbar(const ScrollbarWidgetRef& scrollbar, WIDGET_DIRECTION axis) {
  const WeakRef<ScrollAreaWidgetImpl> link(this);
  using Bar = const ScrollbarWidgetRef&;
  // The wheel's vertical turn scrolls along the bar's own axis, on the horizontal bar too.
  scrollbar->ObservableScroll()->AddObserver(OnScrollArea(link, [axis](ScrollAreaWidgetImpl& area, Bar, Vector2d scroll) {
    return area.IncreaseScroll(CanvasUnitValue::Pix(scroll.y), axis);
  }));
  auto stepping = [&link, axis](SCROLL_DIRECTION scroll) {
    return OnScrollArea(link, [axis, scroll](ScrollAreaWidgetImpl& area, Bar) { return area.ScrollToStep(scroll, axis); });
  };
  auto paging = [&link, axis](SCROLL_DIRECTION scroll) {
    return OnScrollArea(link, [axis, scroll](ScrollAreaWidgetImpl& area, Bar) { return area.ScrollToPage(scroll, axis); });
  };
  auto limiting = [&link, axis](SCROLL_DIRECTION scroll) {
    return OnScrollArea(link, [axis, scroll](ScrollAreaWidgetImpl& area, Bar) { return area.ScrollToLimit(scroll, axis); });
  };
  scrollbar->ObservableScrollKeyForward()->AddObserver(stepping(SCROLL_DIRECTION::FORWARD));
  scrollbar->ObservableScrollKeyBackward()->AddObserver(stepping(SCROLL_DIRECTION::BACKWARD));
  scrollbar->ObservableScrollPageUp()->AddObserver(paging(SCROLL_DIRECTION::BACKWARD));
  scrollbar->ObservableScrollPageDown()->AddObserver(paging(SCROLL_DIRECTION::FORWARD));
  scrollbar->ObservableScrollHome()->AddObserver(limiting(SCROLL_DIRECTION::BACKWARD));
  scrollbar->ObservableScrollEnd()->AddObserver(limiting(SCROLL_DIRECTION::FORWARD));

  // An arrow steps its own way, or the way it is dragged while held.
  for (const bool forward : {false, true}) {
    ZV_TRY_ASSIGN(CustomButtonWidgetRef arrow, FindScrollArrow(*scrollbar, forward));
    const SCROLL_DIRECTION own = forward ? SCROLL_DIRECTION::FORWARD : SCROLL_DIRECTION::BACKWARD;
    arrow->ObservableButtonDown()->AddObserver(
        OnScrollArea(link, [axis, own](ScrollAreaWidgetImpl& area, const CustomButtonWidgetRef& button) {
          const Int dragged = button->GetCurrentDraggingDirection();
          SCROLL_DIRECTION scroll = own;
          if (dragged == DRAG_DIRECTION::LEFT || dragged == DRAG_DIRECTION::UP) scroll = SCROLL_DIRECTION::BACKWARD;
          if (dragged == DRAG_DIRECTION::RIGHT || dragged == DRAG_DIRECTION::DOWN) scroll = SCROLL_DIRECTION::FORWARD;
          return area.ScrollToStep(scroll, axis);
        }));
  }
  return Ok();
}

// ---- scrolling ------------------------------------------------------------------------------

Result<Ref<WidgetInterface>> ScrollAreaWidgetImpl::RequireContent() const {
  ZV_TRY_ASSIGN(WidgetRef content, GetWidgetToBeScrolled());
  if (!content) return IllegalStateError(kNothingToScroll);
  return content;
}

void ScrollAreaWidgetImpl::MoveContent(WidgetInterface& content, Vector2d position) {
  content.SetLocalPosition(position);
  // Only this scroll area is laid out again (its four cells): its passes clamp the position.
  RequestLayout();
  RequestRedraw();
}

Result<void> ScrollAreaWidgetImpl::IncreaseScroll(CanvasUnitValue step, WIDGET_DIRECTION direction) {
  ZV_TRY_ASSIGN(Ref<WidgetInterface> content, RequireContent());
  Vector2d position = content->GetLocalPosition();
  AlongAxis(position, direction) += ToPixels(step);
  MoveContent(*content, position);
  return Ok();
}

Result<void> ScrollAreaWidgetImpl::ScrollToStep(SCROLL_DIRECTION scroll, WIDGET_DIRECTION direction) {
  CanvasUnitValue step = GetScrollStep();
  if (scroll == SCROLL_DIRECTION::FORWARD) step.value = -step.value;
  return IncreaseScroll(step, direction);
}

Result<void> ScrollAreaWidgetImpl::ScrollToPage(SCROLL_DIRECTION scroll, WIDGET_DIRECTION direction) {
  ZV_TRY_ASSIGN(Ref<WidgetInterface> content, RequireContent());
  ZV_TRY_ASSIGN(CellWidgetRef cell, GetContentCell());
  Float page = AlongAxis(cell->GetLocalPixSize(), direction);
  if (scroll == SCROLL_DIRECTION::FORWARD) page = -page;
  Vector2d position = content->GetLocalPosition();
  AlongAxis(position, direction) += page;
  MoveContent(*content, position);
  return Ok();
}

Result<void> ScrollAreaWidgetImpl::ScrollToLimit(SCROLL_DIRECTION scroll, WIDGET_DIRECTION direction) {
  ZV_TRY_ASSIGN(Ref<WidgetInterface> content, RequireContent());
  ZV_TRY_ASSIGN(CellWidgetRef cell, GetContentCell());
  Vector2d position = content->GetLocalPosition();
  AlongAxis(position, direction) =
      ScrollLimitOffset(scroll == SCROLL_DIRECTION::FORWARD, AlongAxis(content->GetParentLocalSize(), direction),
                        AlongAxis(cell->GetLocalPixSize(), direction));
  MoveContent(*content, position);
  return Ok();
}

Result<bool> ScrollAreaWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk() || *type != EVENT::SCROLL) return false;
  ZV_TRY_ASSIGN(Vector2d scroll, reader.GetScrollVector());
  if (scroll.x == 0.0) {
    ZV_TRY(IncreaseScroll(CanvasUnitValue::Pix(scroll.y), kV));
  } else {
    ZV_TRY(IncreaseScroll(CanvasUnitValue::Pix(scroll.x), kH));
  }
  return true;
}

// ---- layout ---------------------------------------------------------------------------------

Result<ScrollAreaWidgetImpl::Cells> ScrollAreaWidgetImpl::FindCells() const {
  const bool inverse = IsArrangedInverse();
  const Int contentColumn = inverse ? 1 : 0;
  const Int barColumn = inverse ? 0 : 1;
  auto find = [this](Int x, Int y, const char* missing) -> Result<CellWidgetRef> {
    Result<CellWidgetRef> cell = GetCell(x, y);
    if (!cell.IsOk() || !*cell) return IllegalStateError(missing);
    return cell;
  };
  Cells cells;
  ZV_TRY_ASSIGN(cells.vertical, find(barColumn, 0, "No vertical scrollbar cell."));
  ZV_TRY_ASSIGN(cells.horizontal, find(contentColumn, 1, "No horizontal scrollbar cell."));
  ZV_TRY_ASSIGN(cells.corner, find(barColumn, 1, "No corner cell."));
  ZV_TRY_ASSIGN(cells.content, find(contentColumn, 0, "No content cell."));
  return cells;
}

Result<bool> ScrollAreaWidgetImpl::ApplyScrollbarVisibility(const Cells& cells) {
  const WidgetInterface* content = cells.content->GetFirstChildWidget();
  const ScrollbarVisibility wanted = ComputeScrollbarVisibility(
      autoScrollbars_, content != nullptr, GetLocalPixSize(), content ? content->GetParentLocalSize() : Vector2d{},
      cells.horizontal->GetLocalPixSize().y, cells.vertical->GetLocalPixSize().x);
  bool changed = false;
  auto apply = [&changed](const CellWidgetRef& cell, bool visible) {
    if (cell->GetLocalVisibility() == visible) return;
    cell->SetLocalVisibility(visible);
    changed = true;
  };
  apply(cells.horizontal, wanted.horizontal);
  apply(cells.vertical, wanted.vertical);
  apply(cells.corner, wanted.corner);
  return changed;
}

void ScrollAreaWidgetImpl::ClampContent(const Cells& cells) {
  WidgetInterface* content = cells.content->GetFirstChildWidget();
  if (!content) return;
  const Vector2d position = content->GetLocalPosition();
  const Vector2d clamped =
      ClampScrollPosition(position, content->GetParentLocalSize(), cells.content->GetLocalPixSize());
  if (clamped == position) return;
  content->SetLocalPosition(clamped);
  RequestRedraw();
}

Result<void> ScrollAreaWidgetImpl::LayoutPass2() {
  ZV_TRY(TableWidgetImpl::LayoutPass2());
  // The bars are settled here, where this scroll area's size is known and its cells are still
  // to be laid out in this run; a bar that comes or goes changes the lines, so the four cells
  // are measured and placed again.
  ZV_TRY_ASSIGN(const Cells cells, FindCells());
  ZV_TRY_ASSIGN(const bool changed, ApplyScrollbarVisibility(cells));
  if (changed) {
    ZV_TRY(TableWidgetImpl::LayoutPass1());
    ZV_TRY(TableWidgetImpl::LayoutPass2());
  }
  ClampContent(cells);
  return Ok();
}

Result<void> ScrollAreaWidgetImpl::LayoutPass3() {
  ZV_TRY(TableWidgetImpl::LayoutPass3());
  ZV_TRY_ASSIGN(const Cells cells, FindCells());
  ZV_TRY_ASSIGN(const bool changed, ApplyScrollbarVisibility(cells));
  if (changed) {
    AppWidgetInterface* appWidget = GetAppWidget();
    if (!appWidget) return NullReferenceError("Scroll area has no app widget");
    if (appWidget->IsLayoutRunning()) {
      // The content changed its size after this scroll area placed its cells. A run cannot be
      // started inside a run; the cells are placed again now, and the content's change has
      // already asked for the round that lays out what lies in them.
      ZV_TRY(TableWidgetImpl::LayoutPass1());
      ZV_TRY(TableWidgetImpl::LayoutPass2());
    } else {
      ZV_TRY(appWidget->ComputePartialLayout(this));
    }
  }
  ClampContent(cells);
  return Ok();
}

Result<void> ScrollAreaWidgetImpl::HandleSwitchLayout() {
  ZV_TRY(TableWidgetImpl::HandleSwitchLayout());
  ZV_TRY(GetCell(0, 0));
  if (IsArrangedInverse() == static_cast<bool>(inverse_)) return Ok();
  ZV_TRY_ASSIGN(CellWidgetRef topLeft, GetCell(0, 0));
  ZV_TRY_ASSIGN(CellWidgetRef topRight, GetCell(1, 0));
  ZV_TRY_ASSIGN(CellWidgetRef bottomLeft, GetCell(0, 1));
  ZV_TRY_ASSIGN(CellWidgetRef bottomRight, GetCell(1, 1));
  if (!topLeft || !topRight || !bottomLeft || !bottomRight) return IllegalStateError("Invalid table hierarchy.");
  // The columns exchange: the children end in the order (1, 0), (0, 0), (1, 1), (0, 1). Only
  // the second cell of each row moves, so the content's subtree stays where it is.
  ZV_TRY(topRight->InsertBefore(topLeft.Get()));
  ZV_TRY(bottomRight->InsertBefore(bottomLeft.Get()));
  return UpdateInternalCellMap();
}

}  // namespace zarvo
