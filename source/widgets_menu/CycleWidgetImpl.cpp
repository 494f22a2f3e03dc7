#include "source/widgets_menu/CycleWidgetImpl.h"

#include <algorithm>
#include <cassert>
#include <new>

#include "host/core/ClassRegistry.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/widgets_layout/CanvasUnitMath.h"
#include "source/widgets_menu/CycleMath.h"
#include "source/widgets_menu/ItemButtons.h"
#include "source/widgets_menu/ItemIds.h"

namespace zarvo {

namespace {
constexpr Float kByte = 1.0 / 255.0;
const StyleKey<ColorA> kButtonBackgroundColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.cyclewidget.button_background_color", ColorA{89 * kByte, 89 * kByte, 89 * kByte, 1.0});
const StyleKey<CanvasUnitValue> kButtonMinWidth = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.cyclewidget.button_min_width", CanvasUnitValue::Fon(20.0));
const StyleKey<CanvasUnitValue> kButtonDownIconSize = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.cyclewidget.button_down_icon_size", CanvasUnitValue::Fon(18.0));
const StyleKey<CanvasUnitValue> kItemIconSize = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.cycleitem.icon_size", CanvasUnitValue::Fon(18.0));

// Declared for style sheets that set them; the items take their look from their own classes.
[[maybe_unused]] const StyleKey<ColorA> kItemBackgroundColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.cycleitem.background_color", ColorA{61 * kByte, 61 * kByte, 61 * kByte, 1.0});
[[maybe_unused]] const StyleKey<ColorA> kItemHighlightColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.cycleitem.highlight_color", ColorA{1.0, 1.0, 1.0, 0.3});
[[maybe_unused]] const StyleKey<ColorA> kItemTextPaddingColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.cycleitem.text_padding_color", ColorA{1.0, 1.0, 1.0, 1.0});
StyleKey<CanvasUnitValue> DeclareLength(const char* id, CanvasUnitValue value) {
  return StyleSheetService::Declare<CanvasUnitValue>(id, value);
}
constexpr CanvasUnitValue kItemSidePadding = CanvasUnitValue::Fon(5.0);
constexpr CanvasUnitValue kItemEndPadding = CanvasUnitValue::Fon(2.0);
[[maybe_unused]] const StyleKey<CanvasUnitValue> kItemPaddings[] = {
    DeclareLength("net.zarvo.mvp.stylesheet.cycleitem.text_padding_left", kItemSidePadding),
    DeclareLength("net.zarvo.mvp.stylesheet.cycleitem.text_padding_right", kItemSidePadding),
    DeclareLength("net.zarvo.mvp.stylesheet.cycleitem.text_padding_top", kItemEndPadding),
    DeclareLength("net.zarvo.mvp.stylesheet.cycleitem.text_padding_bottom", kItemEndPadding),
    DeclareLength("net.zarvo.mvp.stylesheet.cycleitem.icon_padding_left", kItemSidePadding),
    DeclareLength("net.zarvo.mvp.stylesheet.cycleitem.icon_padding_right", kItemSidePadding),
    DeclareLength("net.zarvo.mvp.stylesheet.cycleitem.icon_padding_top", kItemEndPadding),
    DeclareLength("net.zarvo.mvp.stylesheet.cycleitem.icon_padding_bottom", kItemEndPadding),
};

constexpr char kDownArrow[] = "\u25BC";

const Id& MagnificationKey() {
  static const Id key("net.zarvo.ui.message.magnification");
  return key;
}

}  // namespace

CycleWidgetImpl::CycleWidgetImpl() : itemChanged_(MakeRef<CycleItemObservable>()) {}

Result<void> CycleWidgetImpl::InitComponent() {
  ZV_TRY(ButtonWidgetImpl::InitComponent());
  return InitObservables(this, {{itemChanged_.Get(), "ObservableItemChanged"}});
}

void CycleWidgetImpl::FreeComponent() {
  FreeObservables({itemChanged_.Get()});
  ButtonWidgetImpl::FreeComponent();
}

Result<void> CycleWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const CycleWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  ZV_TRY(ButtonWidgetImpl::CopyFrom(source));
  itemChanged_ = other->itemChanged_;
  currentItem_ = other->currentItem_;
  dropdownOpen_ = other->dropdownOpen_;
  adapterChanged_ = other->adapterChanged_;
  dropdown_ = other->dropdown_;
  adapter_ = other->adapter_;
  itemIds_ = other->itemIds_;
  table_ = other->table_;
  return Ok();
}

Result<void> CycleWidgetImpl::SetItem(Int itemId, Bool notify) {
  // No early return for the same id: picking the selected item again still tells observers
  // and closes the list.
  currentItem_ = itemId;
  RequestRedraw();
  RequestSwitchLayout();
  if (notify) ZV_TRY(itemChanged_->Notify(CycleWidgetRef(this), itemId));
  return SetDropdownWindowOpen(false);
}

Result<void> CycleWidgetImpl::SetAdapter(const CycleWidgetAdapterRef& adapter) {
  ZV_TRY_ASSIGN(const std::vector<Int> ids, IndexItemIds(adapter ? adapter->GetCount() : 0));
  return SetAdapter(adapter, ids);
}

Result<void> CycleWidgetImpl::SetAdapter(const CycleWidgetAdapterRef& adapter, const std::vector<Int>& itemIds) {
  ZV_TRY(StoreItemIds(itemIds, itemIds_));
  adapter_ = adapter;
  adapterChanged_ = true;
  RequestLayout();
  RequestSwitchLayout();
  if (adapter_) adapter_->SetCycleWidget(CycleWidgetRef(this));
  return Ok();
}

Result<void> CycleWidgetImpl::SetDropdownWindowOpen(Bool open) {
  dropdownOpen_ = open;
  if (open) {
    ZV_TRY_ASSIGN(dropdown_, CreateObject<CycleDropdownWindowInterface>(Id(kCycleDropdownWindowClassId)));
    return dropdown_->Open(CycleWidgetRef(this));
  }
  if (!dropdown_) return Ok();
  // Released first: closing may run observers that ask again.
  CycleDropdownWindowRef closing = std::move(dropdown_);
  return closing->Close();
}

Int CycleWidgetImpl::GetItemIdFromIndex(Int index) const {
  assert(index >= 0 && index < static_cast<Int>(itemIds_.size()) && "an item index within the list");
  return itemIds_[static_cast<size_t>(index)];
}

Int CycleWidgetImpl::GetIndexFromItemId(Int itemId) const { return FindCycleIndex(itemIds_, itemId); }

Result<void> CycleWidgetImpl::CreateLayout() {
  ZV_TRY(ButtonWidgetImpl::CreateLayout());
  SetName("CycleWidget");
  SetAcceptFocus(true);
  SetAcceptTabFocus(true);
  SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  SetSizeMode(WIDGET_SIZE::MIN, WIDGET_DIRECTION::HORIZONTAL);
  const CanvasUnitValue minWidth = ReadStyle(*this, kButtonMinWidth);
  SetMinSize(minWidth, WIDGET_DIRECTION::HORIZONTAL);

  ZV_TRY_ASSIGN(TableWidgetRef table, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(table->CreateLayout());
  ZV_TRY(InsertChildLast(table));
  ZV_TRY(table->Resize(2, 1));
  table->SetBackgroundVisibility(true);
  table->SetBackgroundColor(ReadStyle(*this, kButtonBackgroundColor));
  table->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  table->SetTableMode(TABLE_MODE::SQUEEZE | TABLE_MODE::ENLARGE, WIDGET_DIRECTION::HORIZONTAL);
  table->SetClipping(true);
  table_ = table;

  ZV_TRY_ASSIGN(CellWidgetRef itemCell, table->GetCell(0, 0));
  itemCell->SetClipping(true);
  itemCell->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, WIDGET_DIRECTION::HORIZONTAL);
  itemCell->SetSizeMode(WIDGET_SIZE::MIN, WIDGET_DIRECTION::HORIZONTAL);
  const Float remBase = ToPixels(CanvasUnitValue::Rem(1.0));
  itemCell->SetMinSize(SubtractCanvasUnitValues(minWidth, ReadStyle(*this, kItemIconSize), remBase),
                       WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY_ASSIGN(FrameWidgetRef placeholder, CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId)));
  placeholder->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY(itemCell->InsertChildLast(placeholder));

  ZV_TRY_ASSIGN(CellWidgetRef arrowCell, table->GetCell(1, 0));
  arrowCell->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
  arrowCell->SetFixedSize(ReadStyle(*this, kButtonDownIconSize), WIDGET_DIRECTION::HORIZONTAL);
  arrowCell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::HORIZONTAL);
  arrowCell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  ZV_TRY_ASSIGN(TextWidgetRef arrow, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  arrow->SetText(kDownArrow);
  ZV_TRY(arrowCell->InsertChildLast(arrow));

  return SetItem(currentItem_, false);
}

Result<CellWidgetRef> CycleWidgetImpl::GetItemCell() const {
  ZV_TRY_ASSIGN(TableWidgetRef table, table_.Resolve());
  Result<CellWidgetRef> cell = table->GetCell(0, 0);
  if (!cell.IsOk() || !*cell) return IllegalStateError("Missing widget link");
  return cell;
}

Result<void> CycleWidgetImpl::HandleSwitchLayout() {
  ZV_TRY(ButtonWidgetImpl::HandleSwitchLayout());
  ZV_TRY_ASSIGN(CellWidgetRef cell, GetItemCell());
  const Int index = GetIndexFromItemId(currentItem_);
  // An id outside the list (or no adapter) shows an empty button.
  if (!adapter_ || index < 0 || index >= adapter_->GetCount()) {
    cell->RemoveAllChildren();
    return Ok();
  }
  ZV_TRY_ASSIGN(WidgetRef item, adapter_->GetItemWidget(index, cell));
  cell->RemoveAllChildren();
  ZV_TRY(cell->InsertChildLast(item));
  item->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  item->SetFocusVisibility(false);
  item->SetAcceptFocus(false);
  item->SetAcceptTabFocus(false);
  item->SetR2LMode(GetR2LMode());
  // The shown copy takes no presses: they go through to the cycle widget, which opens the list.
  MakeInert(*item);
  return Ok();
}

Result<void> CycleWidgetImpl::LayoutPass2() {
  ZV_TRY(ButtonWidgetImpl::LayoutPass2());
  if (!adapterChanged_) return Ok();
  ZV_TRY_ASSIGN(CellWidgetRef cell, GetItemCell());
  // The widest item sets the button's width: the list is measured off screen.
  ZV_TRY_ASSIGN(CycleDropdownWindowRef measure,
                CreateObject<CycleDropdownWindowInterface>(Id(kCycleDropdownWindowClassId)));
  ZV_TRY_ASSIGN(const Vector2d measured, measure->MeasureWindowSize(CycleWidgetRef(this)));
  ZV_TRY(measure->Close());
  const Float itemWidth = std::max(ToPixels(ReadStyle(*this, kButtonMinWidth)), measured.x);
  const Float width = itemWidth + ToPixels(ReadStyle(*this, kButtonDownIconSize));
  SetMinSize(CanvasUnitValue::Pix(width), WIDGET_DIRECTION::HORIZONTAL);
  cell->SetMinSize(CanvasUnitValue::Pix(width), WIDGET_DIRECTION::HORIZONTAL);
  adapterChanged_ = false;
  return Ok();
}

Result<bool> CycleWidgetImpl::Step(Int step) {
  const Int index = StepCycleIndex(itemIds_, GetIndexFromItemId(currentItem_), step, kCycleSeparatorId);
  if (index < 0) return false;
  ZV_TRY(SetItem(itemIds_[static_cast<size_t>(index)], true));
  return true;
}

Result<bool> CycleWidgetImpl::HandleEvent(const DataDictionary* event) {
  ZV_TRY_ASSIGN(const bool consumedByButton, ButtonWidgetImpl::HandleEvent(event));
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return consumedByButton;
      ZV_TRY(SetDropdownWindowOpen(!dropdownOpen_));
      return true;
    }
    case EVENT::SCROLL: {
      ZV_TRY_ASSIGN(Vector2d scroll, reader.GetScrollVector());
      return Step(scroll.y < 0.0 ? -1 : 1);
    }
    case EVENT::MAGNIFY: {
      ZV_TRY_ASSIGN(Float magnification, reader.GetRecord().Get<Float>(MagnificationKey(), 0.0));
      return Step(magnification < 0.0 ? 1 : -1);
    }
    case EVENT::KEYBOARD_KEY_DOWN:
    case EVENT::KEYBOARD_KEY_REPEAT: {
      ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
      ZV_TRY_ASSIGN(Int modifiers, reader.GetModifierState());
      if (*type == EVENT::KEYBOARD_KEY_DOWN && key == KEY::ENTER && modifiers == MODIFIER::NONE) {
        ZV_TRY(SetDropdownWindowOpen(!dropdownOpen_));
        return true;
      }
      if (key == KEY::UP || key == KEY::PAGE_UP) return Step(-1);
      if (key == KEY::DOWN || key == KEY::PAGE_DOWN) return Step(1);
      return consumedByButton;
    }
    default:
      return consumedByButton;
  }
}

}  // namespace zarvo
