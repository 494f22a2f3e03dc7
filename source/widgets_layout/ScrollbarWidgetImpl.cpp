#include "source/widgets_layout/ScrollbarWidgetImpl.h"

#include <algorithm>

#include "host/core/ClassRegistry.h"
#include "host/core/HostClock.h"
#include "host/core/Log.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"
#include "source/interfaces/ScrollSliderWidgetInterface.h"
#include "source/widgets_layout/ScrollStyle.h"

namespace zarvo {

namespace {
constexpr WIDGET_DIRECTION kH = WIDGET_DIRECTION::HORIZONTAL;
constexpr WIDGET_DIRECTION kV = WIDGET_DIRECTION::VERTICAL;
constexpr TABLE_MODE kFit = TABLE_MODE::SQUEEZE | TABLE_MODE::ENLARGE;
constexpr Int kVerticalDrags = DRAG_DIRECTION::UP | DRAG_DIRECTION::DOWN;
constexpr Int kHorizontalDrags = DRAG_DIRECTION::LEFT | DRAG_DIRECTION::RIGHT;

// A triangle pointing one way, through the corners and an edge midpoint of the button's frame
// inset on every side.
Path ArrowPath(Vector2d size, Int pointing) {
  const Float l = size.x * kScrollArrowInset;
  const Float t = size.y * kScrollArrowInset;
  const Float r = size.x - l;
  const Float b = size.y - t;
  const Float mx = size.x * 0.5;
  const Float my = size.y * 0.5;
  Path path;
  switch (pointing) {
    case DRAG_DIRECTION::UP: path.MoveTo({l, b}).LineTo({r, b}).LineTo({mx, t}); break;
    case DRAG_DIRECTION::DOWN: path.MoveTo({l, t}).LineTo({r, t}).LineTo({mx, b}); break;
    case DRAG_DIRECTION::LEFT: path.MoveTo({r, t}).LineTo({r, b}).LineTo({l, my}); break;
    default: path.MoveTo({l, t}).LineTo({l, b}).LineTo({r, my}); break;
  }
  return path.Close();
}
}  // namespace

ScrollbarWidgetImpl::ScrollbarWidgetImpl()
    : scroll_(MakeRef<ScrollbarScrollObservable>()),
      keyBackward_(MakeRef<ScrollbarObservable>()),
      keyForward_(MakeRef<ScrollbarObservable>()),
      pageUp_(MakeRef<ScrollbarObservable>()),
      pageDown_(MakeRef<ScrollbarObservable>()),
      home_(MakeRef<ScrollbarObservable>()),
      end_(MakeRef<ScrollbarObservable>()) {}

ScrollbarWidgetImpl::~ScrollbarWidgetImpl() { StopKeyRepeat(); }

Result<void> ScrollbarWidgetImpl::InitComponent() {
  ZV_TRY(TableWidgetImpl::InitComponent());
  return InitObservables(this, {{scroll_.Get(), "ObservableScroll"},
                                {keyBackward_.Get(), "ObservableScrollKeyBackward"},
                                {keyForward_.Get(), "ObservableScrollKeyForward"},
                                {pageUp_.Get(), "ObservableScrollPageUp"},
                                {pageDown_.Get(), "ObservableScrollPageDown"},
                                {home_.Get(), "ObservableScrollHome"},
                                {end_.Get(), "ObservableScrollEnd"}});
}

void ScrollbarWidgetImpl::FreeComponent() {
  StopKeyRepeat();
  FreeObservables({scroll_.Get(), keyBackward_.Get(), keyForward_.Get(), pageUp_.Get(), pageDown_.Get(),
                   home_.Get(), end_.Get()});
  TableWidgetImpl::FreeComponent();
}

void ScrollbarWidgetImpl::SetDirection(WIDGET_DIRECTION direction) {
  // Any value but VERTICAL builds a horizontal bar; stored as such, so the getter tells which.
  direction_ = direction == kV ? kV : kH;
}

Result<void> ScrollbarWidgetImpl::AddArrowButton(Int x, Int y, const char* name, Int pointing) {
  ZV_TRY_ASSIGN(CustomButtonWidgetRef button,
                CreateObject<CustomButtonWidgetInterface>(Id(kCustomButtonWidgetClassId)));
  // Its layout first, so that the name it gives itself there gives way to the arrow's.
  ZV_TRY(button->CreateLayout());
  button->SetName(name);
  const CanvasUnitValue side = ReadStyle(*this, kScrollAreaBaseSize);
  ZV_TRY(button->SetLocalSize(side, side));
  for (WIDGET_DIRECTION d : {kH, kV}) {
    button->SetSizeMode(WIDGET_SIZE::MIN, d);
    button->SetMinSize(side, d);
  }
  button->SetAllowedDragDirections(IsVertical() ? kVerticalDrags : kHorizontalDrags);
  // The host lights the focus-accepting widget under the pointer; the arrow takes the focus
  // on a press, without a ring and never by tabbing, so that the bar's keys reach the bar.
  button->SetAcceptFocus(true);
  button->SetAcceptTabFocus(false);
  button->SetFocusVisibility(false);
  button->SetDrawContentCallback([pointing](CustomWidgetInterface& widget) -> Result<void> {
    return widget.DrawShape(ArrowPath(widget.GetLocalPixSize(), pointing),
                            ReadStyle(widget, kScrollArrowForegroundColor));
  });
  button->SetDrawHighlightCallback([pointing](CustomWidgetInterface& widget, Float) -> Result<void> {
    return widget.DrawShape(ArrowPath(widget.GetLocalPixSize(), pointing),
                            ReadStyle(widget, kScrollArrowHighlightColor));
  });
  ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(x, y));
  if (!cell) return IllegalStateError("Invalid table hierarchy.");
  return cell->InsertChildLast(button);
}

Result<void> ScrollbarWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("ScrollbarWidget");
  const bool vertical = IsVertical();
  const WIDGET_DIRECTION along = vertical ? kV : kH;
  ZV_TRY(vertical ? Resize(1, 3) : Resize(3, 1));
  SetTableMode(kFit, along);
  SetInheritParentSize(true, along);
  auto cellAt = [this, vertical](Int i) { return vertical ? GetCell(0, i) : GetCell(i, 0); };
  ZV_TRY_ASSIGN(CellWidgetRef first, cellAt(0));
  ZV_TRY_ASSIGN(CellWidgetRef track, cellAt(1));
  ZV_TRY_ASSIGN(CellWidgetRef last, cellAt(2));
  if (!first || !track || !last) return IllegalStateError("Invalid table hierarchy.");
  first->SetStretchMode(CELL_STRETCH_MODE::MINIMUM, along);
  last->SetStretchMode(CELL_STRETCH_MODE::MINIMUM, along);
  for (WIDGET_DIRECTION d : {kH, kV}) {
    track->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, d);
    track->SetSizeMode(WIDGET_SIZE::NONE, d);
  }

  ZV_TRY_ASSIGN(ScrollSliderWidgetRef slider,
                CreateObject<ScrollSliderWidgetInterface>(Id(kScrollSliderWidgetClassId)));
  slider->SetDirection(along);
  ZV_TRY(slider->CreateLayout());
  ZV_TRY(track->InsertChildLast(slider));
  if (vertical) {
    ZV_TRY(AddArrowButton(0, 0, "UpScrollButton", DRAG_DIRECTION::UP));
    ZV_TRY(AddArrowButton(0, 2, "DownScrollButton", DRAG_DIRECTION::DOWN));
  } else {
    ZV_TRY(AddArrowButton(0, 0, "LeftScrollButton", DRAG_DIRECTION::LEFT));
    ZV_TRY(AddArrowButton(2, 0, "RightScrollButton", DRAG_DIRECTION::RIGHT));
  }
  return Ok();
}

Result<CustomButtonWidgetRef> FindScrollArrow(const ScrollbarWidgetInterface& scrollbar, bool forward) {
  const Int index = forward ? 2 : 0;
  const bool vertical = scrollbar.GetDirection() == kV;
  ZV_TRY_ASSIGN(CellWidgetRef cell, vertical ? scrollbar.GetCell(0, index) : scrollbar.GetCell(index, 0));
  WidgetInterface* child = cell ? cell->GetFirstChildWidget() : nullptr;
  CustomButtonWidgetRef button(dynamic_cast<CustomButtonWidgetInterface*>(child));
  if (!button) return IllegalStateError("Missing widget link");
  return button;
}

Result<void> ScrollbarWidgetImpl::Fire(const Ref<ScrollbarObservable>& observable) {
  ZV_TRY(FireObservable(observable, ScrollbarWidgetRef(this)));
  return Ok();
}

Result<bool> ScrollbarWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::KEYBOARD_KEY_DOWN: {
      ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
      // The arrows along the bar step and repeat; the page and limit keys act once.
      const Int32 backwardKey = IsVertical() ? KEY::UP : KEY::LEFT;
      const Int32 forwardKey = IsVertical() ? KEY::DOWN : KEY::RIGHT;
      const bool repeats = key == backwardKey || key == forwardKey;
      Ref<ScrollbarObservable> observable = key == backwardKey  ? keyBackward_
                                            : key == forwardKey ? keyForward_
                                            : key == KEY::PAGE_UP   ? pageUp_
                                            : key == KEY::PAGE_DOWN ? pageDown_
                                            : key == KEY::HOME      ? home_
                                            : key == KEY::END       ? end_
                                                                    : Ref<ScrollbarObservable>();
      if (!observable) return true;
      ZV_TRY(Fire(observable));
      ZV_TRY_ASSIGN(Int modifiers, reader.GetModifierState());
      if (repeats && modifiers == MODIFIER::NONE) StartKeyRepeat(observable);
      return true;
    }
    case EVENT::KEYBOARD_KEY_UP:
      StopKeyRepeat();
      return true;
    case EVENT::SCROLL: {
      ZV_TRY_ASSIGN(Vector2d scroll, reader.GetScrollVector());
      Ref<ScrollbarScrollObservable> observable = scroll_;
      ZV_TRY(observable->Notify(ScrollbarWidgetRef(this), scroll));
      return true;
    }
    default:
      return false;
  }
}

void ScrollbarWidgetImpl::StartKeyRepeat(Ref<ScrollbarObservable> observable) {
  StopKeyRepeat();
  keyPressTime_ = GetHostTime();
  repeatedObservable_ = std::move(observable);
  const HostDuration tolerance =
      std::max(HostDurationFromSeconds(kScrollKeyRepeatTolerance), HostDuration(kMinTimerTolerance));
  keyRepeatJob_ = GetMainThreadQueue().AddTimer(
      HostDurationFromSeconds(kScrollKeyRepeatInterval), tolerance,
      [link = WeakRef<ScrollbarWidgetImpl>(this)] {
        Ref<ScrollbarWidgetImpl> scrollbar = link.Lock();
        if (!scrollbar) return false;
        scrollbar->KeyRepeatTick();
        return true;
      });
}

void ScrollbarWidgetImpl::StopKeyRepeat() {
  if (keyRepeatJob_.IsSet()) GetMainThreadQueue().Cancel(keyRepeatJob_);
  keyRepeatJob_ = JobHandle();
  repeatedObservable_ = nullptr;
}

void ScrollbarWidgetImpl::KeyRepeatTick() {
  if (!repeatedObservable_) return;
  if (GetHostTime() - keyPressTime_ <= HostDurationFromSeconds(kScrollKeyRepeatDelay)) return;
  // Nobody waits for a timer's result; an observer's refusal is logged and the key goes on.
  Ref<ScrollbarObservable> observable = repeatedObservable_;
  Result<void> fired = Fire(observable);
  if (!fired.IsOk()) LogWarning("ScrollbarWidget key repeat: " + fired.GetError().ToString());
}

}  // namespace zarvo
