#include "host/ui/AppWidget.h"

#include <algorithm>

#include "host/core/ClassRegistry.h"
#include "host/core/Prefetch.h"
#include "host/ui/AppWindowInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "host/ui/StyleSheet.h"
#include "host/ui/TextEditWindow.h"

namespace zarvo {

namespace {
const StyleKey<Float>& HoverOpacityKey() {
  static const StyleKey<Float> key = StyleSheetService::Declare<Float>(
      "net.zarvo.mvp.stylesheet.widget.hover_highlight_opacity", kDefaultHoverHighlightOpacity);
  return key;
}

constexpr uint32_t kVisitFlags = WidgetBase::kLayoutDirty | WidgetBase::kDescendantDirty |
                                 WidgetBase::kGeometryChanged | WidgetBase::kSizeChanged |
                                 WidgetBase::kSwitchRequested;

WidgetBase* Base(WidgetInterface* widget) { return widget->GetBase(); }

// Keeps a flag set for the duration of a scope.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = previous_; }

 private:
  bool& flag_;
  bool previous_;
};
// The walks ask for the widget two siblings ahead and for the next sibling's first child while
// they work on the current one. The next sibling itself was asked for one step earlier, so
// reading its links costs no wait.
constexpr size_t kPrefetchedBytes = 4 * kCacheLineBytes;
void PrefetchAhead(const WidgetBase* child) {
  const WidgetBase* next = child->NextBase();
  if (!next) return;
  PrefetchBytes(next->NextBase(), kPrefetchedBytes);
  PrefetchBytes(next->FirstChildBase(), kPrefetchedBytes);
}
}  // namespace

AppWidget::AppWidget(AppWindowInterface* window, CanvasInterface* canvas) : window_(window), canvas_(canvas) {
  SetName("AppWidget");
  AttachToAppWidget(this);
}

AppWidget::~AppWidget() = default;

void AppWidget::Detach() {
  action_ = nullptr;
  RemoveAllChildren();
  window_ = nullptr;
  canvas_ = nullptr;
}

// ---- layout ---------------------------------------------------------------------------------

Result<void> AppWidget::ComputeLayout() {
  if (!(Has(kVisitFlags) || !IsLayoutCreated())) return Ok();
  return RunLayout(this);
}

void AppWidget::InvalidateLayout(WidgetInterface* root) {
  if (!root) return;
  // The next layout walk passes the mark down as it goes, so invalidating a large subtree
  // costs no walk of its own.
  WidgetBase* top = Base(root);
  top->SetLayoutFlag(kLayoutDirty | kDescendantDirty | kSubtreeDirty);
  top->MarkAncestorsDirty();
  ScheduleUpdate();
}

Float AppWidget::GetCanvasRemBase() const { return canvas_ ? canvas_->GetRemBase() : kDefaultRemBase; }

Result<void> AppWidget::ComputePartialLayout(WidgetInterface* root) {
  if (!root) return NullReferenceError("No widget to lay out");
  WidgetBase* base = Base(root);
  base->SetLayoutFlag(kLayoutDirty);
  return RunLayout(base);
}

Result<void> AppWidget::RunLayout(WidgetBase* root) {
  FlagScope running(layoutRunning_);
  // A widget that sizes itself while it places its children (a flexbox) changes what its parent
  // measured; such parents are measured again in a further round, until sizes settle.
  for (int round = 0; round < kMaxLayoutRounds; ++round) {
    resizedInPlace_.clear();
    ZV_TRY(RunLayoutRound(root));
    if (resizedInPlace_.empty()) break;
    for (WidgetBase* parent : resizedInPlace_) {
      parent->SetLayoutFlag(kLayoutDirty);
      parent->MarkAncestorsDirty();
    }
    if (!root->Has(kVisitFlags)) break;  // the parents lie outside this partial layout
  }
  return Ok();
}

Result<void> AppWidget::RunLayoutRound(WidgetBase* root) {
  AdvanceLayoutStamp();
  ZV_TRY(Measure(root));
  WidgetBase* parent = root->ParentBase();
  return Place(root, parent, parent ? parent->GetGlobalMatrix() : Matrix2d());
}

Result<void> AppWidget::Measure(WidgetBase* widget) {
  if (!widget->IsLayoutCreated()) {
    ZV_TRY(widget->CreateLayout());
    widget->MarkLayoutCreated();
    widget->SetLayoutFlag(kLayoutDirty);
  }
  if (widget->Has(kSwitchRequested)) {
    widget->ClearSwitchRequest();
    ZV_TRY(widget->HandleSwitchLayout());
  }
  if (widget->Has(kLayoutDirty) && !widget->Has(kPlainBegin)) ZV_TRY(widget->LayoutBegin());
  bool childResized = false;
  if (widget->Has(kDescendantDirty)) {
    const bool subtree = widget->Has(kSubtreeDirty);
    for (WidgetBase* child = widget->FirstChildBase(); child; child = child->NextBase()) {
      if (subtree) child->SetLayoutFlag(kLayoutDirty | kDescendantDirty | kSubtreeDirty);
      if (!child->Has(kVisitFlags) && child->IsLayoutCreated()) continue;
      PrefetchAhead(child);
      ZV_TRY(Measure(child));
      childResized = childResized || child->Has(kSizeChanged | kGeometryChanged);
    }
  }
  if (childResized) widget->SetLayoutFlag(kLayoutDirty | kChildGeometryChanged);
  if (widget->Has(kLayoutDirty) && !widget->Has(kPlainPass1)) ZV_TRY(widget->LayoutPass1());
  // A leaf with nothing to do in the placing walk and nothing changed is finished here; the
  // placing walk sees it again only if its parent moves or resizes it.
  constexpr uint32_t kPlacingWork = kGeometryChanged | kSizeChanged | kInheritWidth | kInheritHeight;
  if (widget->Has(kPlainPass2) && widget->Has(kPlainPass3) && widget->Has(kPlainEnd) &&
      !widget->Has(kPlacingWork) && !widget->FirstChildBase()) {
    widget->ClearLayoutFlags();
  }
  return Ok();
}

Result<void> AppWidget::Place(WidgetBase* widget, WidgetBase* parent, const Matrix2d& parentMatrix) {
  if (parent && !parent->Has(kPlacesChildren) && widget->Has(kInheritWidth | kInheritHeight)) {
    const Vector2d parentSize = parent->GetLocalPixSize();
    const Vector2d scale = widget->GetLocalScale();
    const CanvasUnitSize current = widget->GetLocalSize();
    const CanvasUnitValue width = widget->Has(kInheritWidth) && scale.x != 0.0
                                      ? CanvasUnitValue::Pix(parentSize.x / scale.x) : current.width;
    const CanvasUnitValue height = widget->Has(kInheritHeight) && scale.y != 0.0
                                       ? CanvasUnitValue::Pix(parentSize.y / scale.y) : current.height;
    ZV_TRY(widget->SetLocalSize(width, height));
  }
  const bool laidOut = widget->Has(kLayoutDirty | kSizeChanged);
  if (laidOut && !widget->Has(kPlainPass2)) {
    const Vector2d before = widget->GetLocalPixSize();
    ZV_TRY(widget->LayoutPass2());
    if (parent && !(widget->GetLocalPixSize() == before)) resizedInPlace_.push_back(parent);
  }
  // Children a parent does not place follow its size only where they inherit it or size
  // themselves by the room it leaves; those are placed again when it changed (a window resized).
  if (widget->Has(kSizeChanged) && !widget->Has(kPlacesChildren)) {
    constexpr uint32_t kFollowsParent = kInheritWidth | kInheritHeight | kFollowsParentRoom;
    for (WidgetBase* child = widget->FirstChildBase(); child; child = child->NextBase()) {
      if (!child->Has(kFollowsParent)) continue;
      child->SetLayoutFlag(kLayoutDirty);
      widget->SetLayoutFlag(kDescendantDirty);
    }
  }
  // Most widgets of a large run neither moved nor have children to visit: their matrix is
  // not needed.
  Matrix2d matrix;
  bool haveMatrix = false;
  const auto globalMatrix = [&]() -> const Matrix2d& {
    if (!haveMatrix) {
      matrix = parentMatrix * widget->GetLocalMatrix();
      haveMatrix = true;
    }
    return matrix;
  };
  if (widget->Has(kGeometryChanged) && canvas_ && widget->GetLocalVisibility()) {
    canvas_->RequestRedrawArea(globalMatrix().TransformRect(widget->GetLocalFrame()).Inflate(kDrawMargin));
  }
  // Children that asked for layout, or were moved or resized by the pass above, marked this
  // widget: a container of thousands that changed nothing below is not looked through.
  if (widget->Has(kDescendantDirty)) {
    for (WidgetBase* child = widget->FirstChildBase(); child; child = child->NextBase()) {
      if (!child->Has(kVisitFlags)) continue;
      PrefetchAhead(child);
      ZV_TRY(Place(child, widget, globalMatrix()));
    }
  }
  if (laidOut || widget->Has(kSizeChanged)) {
    widget->ClearLayoutFlags();
    if (!widget->Has(kPlainPass3)) ZV_TRY(widget->LayoutPass3());
    // A late correction (a clamped scroll position) moves children that were placed already.
    if (widget->Has(kDescendantDirty)) {
      for (WidgetBase* child = widget->FirstChildBase(); child; child = child->NextBase()) {
        if (child->Has(kGeometryChanged)) ZV_TRY(Place(child, widget, globalMatrix()));
      }
    }
  }
  if (!widget->Has(kPlainEnd)) ZV_TRY(widget->LayoutEnd());
  widget->ClearLayoutFlags();
  return Ok();
}

// ---- drawing --------------------------------------------------------------------------------

Result<Rect> AppWidget::DrawLayout() {
  updatePending_ = false;
  if (!canvas_) return Rect();
  const Rect damage = canvas_->BeginDraw();
  if (damage.IsEmpty()) return damage;
  Result<void> drawn = DrawWidget(this, Matrix2d(), damage);
  // The canvas's text edit window lies over every widget.
  if (Ref<TextEditWindow> edit = canvas_->GetTextEditWindow(); drawn.IsOk() && edit) {
    canvas_->SetMatrix(Matrix2d());
    drawn = edit->Draw(*canvas_);
  }
  if (drawn.IsOk() && action_) {
    canvas_->SetMatrix(Matrix2d());
    drawn = action_->DrawAction(*canvas_);
  }
  canvas_->EndDraw();
  ZV_TRY(drawn);
  return damage;
}

Result<void> AppWidget::DrawWidget(WidgetBase* widget, const Matrix2d& parentMatrix, const Rect& damage) {
  if (!widget->GetLocalVisibility()) return Ok();
  const Matrix2d matrix = parentMatrix * widget->GetLocalMatrix();
  const Rect frame = matrix.TransformRect(widget->GetLocalFrame());
  widget->SetDrawnFrame(frame);
  const bool intersects = frame.Inflate(kDrawMargin).Intersects(damage);
  const bool clips = widget->GetClipping();
  if (!intersects && clips) return Ok();
  const Float opacity = widget->GetLocalOpacity();
  if (opacity <= 0.0) return Ok();
  canvas_->SetMatrix(matrix);
  if (opacity < 1.0) canvas_->PushOpacity(opacity, widget->GetLocalFrame().Inflate(kDrawMargin));
  const size_t clipDepth = canvas_->GetClipDepth();
  if (intersects) {
    ZV_TRY(widget->DrawBegin());
    ZV_TRY(widget->DrawSetClipping());
    ZV_TRY(widget->DrawBackground());
    ZV_TRY(widget->DrawContent());
  } else if (clips) {
    return Ok();
  }
  if (widget->GetFirstChild()) {
    const Rect localDamage = matrix.Inverse().TransformRect(damage);
    Error failed;
    widget->VisitChildrenIn(localDamage, false, [&](WidgetInterface* child) {
      Result<void> drawn = DrawWidget(Base(child), matrix, damage);
      if (!drawn.IsOk()) {
        failed = drawn.GetError();
        return false;
      }
      return true;
    });
    if (failed.IsSet()) return failed;
    canvas_->SetMatrix(matrix);
  }
  if (intersects) {
    ZV_TRY(widget->DrawOverlay());
    ZV_TRY(widget->DrawDragAndDropOverlay());
  }
  canvas_->RestoreClipDepth(clipDepth);
  if (intersects) {
    ZV_TRY(widget->DrawBorder());
    ZV_TRY(widget->DrawFocus());
    ZV_TRY(widget->DrawHighlight());
    ZV_TRY(widget->DrawEnd());
  }
  if (opacity < 1.0) canvas_->PopOpacity();
  return Ok();
}

// ---- hit testing ----------------------------------------------------------------------------

WidgetInterface* AppWidget::FindHitWidget(Vector2d position) { return HitIn(this, Matrix2d(), position); }

WidgetInterface* AppWidget::HitIn(WidgetBase* widget, const Matrix2d& parentMatrix, Vector2d position) {
  if (!widget->GetLocalVisibility()) return nullptr;
  const Matrix2d matrix = parentMatrix * widget->GetLocalMatrix();
  const Rect frame = matrix.TransformRect(widget->GetLocalFrame());
  const bool inside = frame.Contains(position);
  if (!inside && widget->GetClipping()) return nullptr;
  WidgetInterface* found = nullptr;
  if (widget->GetFirstChild()) {
    const Vector2d local = matrix.Inverse().TransformPoint(position);
    widget->VisitChildrenIn(Rect{local.x, local.y, local.x, local.y}, true, [&](WidgetInterface* child) {
      found = HitIn(Base(child), matrix, position);
      return found == nullptr;
    });
  }
  if (found) return found;
  if (!inside) return nullptr;
  return widget->AsWidget();
}

// ---- input routing --------------------------------------------------------------------------

Result<bool> AppWidget::Bubble(WidgetInterface* target, const DataDictionary& event) {
  Ref<WidgetInterface> current(target);
  while (current) {
    if (current->GetEnabled()) {
      ZV_TRY_ASSIGN(bool consumed, current->HandleEvent(&event));
      if (consumed) return true;
    }
    // A handler may have removed its widget from the tree: the chain then ends.
    WidgetInterface* parent = current->GetParentWidget();
    current = Ref<WidgetInterface>(parent);
  }
  return false;
}

void AppWidget::DamageWidget(WidgetInterface* widget) {
  if (widget && canvas_) canvas_->RequestRedrawArea(widget->GetGlobalFrame().Inflate(kDrawMargin));
  ScheduleUpdate();
}

Result<void> AppWidget::UpdateHover(Vector2d position, WidgetInterface* hit) {
  std::vector<WeakRef<WidgetInterface>> chain;
  for (WidgetInterface* w = hit; w; w = w->GetParentWidget()) chain.emplace_back(w);
  // Widgets the pointer is over, then those it has just left.
  for (const auto& link : chain) {
    if (Ref<WidgetInterface> w = link.Lock()) ZV_TRY(w->HandleCursorInfo(position));
  }
  for (const auto& link : hovered_) {
    WidgetInterface* old = link.GetUnsafe();
    if (!old) continue;
    const bool stillOver = std::any_of(chain.begin(), chain.end(),
                                       [old](const WeakRef<WidgetInterface>& c) { return c.GetUnsafe() == old; });
    if (!stillOver) {
      if (Ref<WidgetInterface> w = link.Lock()) ZV_TRY(w->HandleCursorInfo(position));
    }
  }
  hovered_ = std::move(chain);
  WidgetInterface* hover = hit;
  while (hover && !hover->GetAcceptFocus()) hover = hover->GetParentWidget();
  if (hover != hoverWidget_.GetUnsafe()) {
    DamageWidget(hoverWidget_.GetUnsafe());
    hoverWidget_ = WeakRef<WidgetInterface>(hover);
    DamageWidget(hover);
  }
  return Ok();
}

Result<bool> AppWidget::DispatchEvent(const DataDictionary& event) {
  Ref<WidgetInterface> keepSelf(this);
  EventReader reader(&event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  // An open text edit window takes the keyboard, and the pointer inside it, first.
  if (Ref<TextEditWindow> edit = canvas_ ? canvas_->GetTextEditWindow() : nullptr) {
    ZV_TRY_ASSIGN(const bool consumed, edit->HandleEvent(event));
    if (consumed) {
      ScheduleUpdate();
      return true;
    }
  }
  switch (*type) {
    case EVENT::MOUSE_MOVE:
    case EVENT::AREA_ENTERED:
    case EVENT::AREA_LEFT: {
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      WidgetInterface* hit = *type == EVENT::AREA_LEFT ? nullptr : FindHitWidget(position);
      ZV_TRY(UpdateHover(position, hit));
      if (!hit) return false;
      return Bubble(hit, event);
    }
    case EVENT::BUTTON_DOWN: {
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      if (action_) return true;
      WidgetInterface* hit = FindHitWidget(position);
      capture_ = WeakRef<WidgetInterface>(hit);
      WidgetInterface* focusable = hit;
      while (focusable && !(focusable->GetAcceptFocus() && focusable->GetEnabled())) {
        focusable = focusable->GetParentWidget();
      }
      if (focusable) ZV_TRY(SetFocusWidget(focusable));
      if (!hit) return false;
      return Bubble(hit, event);
    }
    case EVENT::BUTTON_DRAG: {
      if (action_) {
        ZV_TRY(action_->While(event));
        DamageActionOverlay();
        return true;
      }
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      Ref<WidgetInterface> target = capture_.Lock();
      if (!target) target = Ref<WidgetInterface>(FindHitWidget(position));
      if (!target) return false;
      return Bubble(target.Get(), event);
    }
    case EVENT::BUTTON_UP: {
      if (action_) {
        ZV_TRY(EndAction(event));
        return true;
      }
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      Ref<WidgetInterface> target = capture_.Lock();
      capture_.Reset();
      if (!target) target = Ref<WidgetInterface>(FindHitWidget(position));
      if (!target) return false;
      return Bubble(target.Get(), event);
    }
    case EVENT::SCROLL:
    case EVENT::SWIPE:
    case EVENT::ROTATE:
    case EVENT::MAGNIFY: {
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      WidgetInterface* hit = FindHitWidget(position);
      if (!hit) return false;
      return Bubble(hit, event);
    }
    case EVENT::KEYBOARD_KEY_DOWN:
    case EVENT::KEYBOARD_KEY_REPEAT:
    case EVENT::KEYBOARD_KEY_UP:
    case EVENT::KEYBOARD_TEXT: {
      ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
      ZV_TRY_ASSIGN(Int modifiers, reader.GetModifierState());
      if (action_ && *type == EVENT::KEYBOARD_KEY_DOWN && key == KEY::ESCAPE) {
        ZV_TRY(CancelAction());
        return true;
      }
      WidgetInterface* target = GetFocusWidget();
      ZV_TRY_ASSIGN(bool consumed, Bubble(target ? target : this, event));
      if (consumed) return true;
      if (*type == EVENT::KEYBOARD_KEY_DOWN && key == KEY::TAB && (modifiers & ~MODIFIER::SHIFT) == 0) {
        return MoveTabFocus((modifiers & MODIFIER::SHIFT) != 0);
      }
      return false;
    }
    case EVENT::DND_ENTER:
    case EVENT::DND_DRAG:
    case EVENT::DND_DROP:
    case EVENT::DND_LEAVE: {
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      for (WidgetInterface* w = FindHitWidget(position); w; w = w->GetParentWidget()) {
        if (!w->GetAcceptDragAndDrop()) continue;
        ZV_TRY_ASSIGN(bool consumed, w->HandleDragAndDrop(event));
        if (consumed) return true;
      }
      return false;
    }
  }
  return false;
}

// ---- focus ----------------------------------------------------------------------------------

Result<void> AppWidget::SetFocusWidget(WidgetInterface* widget) {
  WidgetInterface* old = focus_.GetUnsafe();
  if (old == widget) return Ok();
  focus_ = WeakRef<WidgetInterface>(widget);
  DamageWidget(old);
  DamageWidget(widget);
  return Ok();
}

Result<bool> AppWidget::MoveTabFocus(bool backwards) {
  std::vector<WidgetInterface*> order;
  auto collect = [&](auto&& self, WidgetInterface* w) -> void {
    if (!w->GetLocalVisibility() || !w->GetEnabled()) return;
    if (w->GetAcceptTabFocus()) order.push_back(w);
    for (WidgetInterface* c = w->GetFirstChildWidget(); c; c = c->GetNextWidget()) self(self, c);
  };
  collect(collect, this);
  if (order.empty()) return false;
  auto it = std::find(order.begin(), order.end(), GetFocusWidget());
  size_t index;
  if (it == order.end()) {
    index = backwards ? order.size() - 1 : 0;
  } else {
    const size_t current = static_cast<size_t>(it - order.begin());
    index = backwards ? (current + order.size() - 1) % order.size() : (current + 1) % order.size();
  }
  ZV_TRY(SetFocusWidget(order[index]));
  return true;
}

// ---- actions --------------------------------------------------------------------------------

Result<ActionRef> AppWidget::CreateAction(const Id& actionClassId) {
  return CreateObject<ActionInterface>(actionClassId);
}

Result<bool> AppWidget::StartAction(const ActionRef& action, WidgetInterface* widget, const DataDictionary& event) {
  if (!action) return NullReferenceError("No action to start");
  if (action_) ZV_TRY(CancelAction());
  ZV_TRY_ASSIGN(bool started, action->Begin(widget, event));
  if (started) action_ = action;
  DamageActionOverlay();
  return started;
}

Result<void> AppWidget::EndAction(const DataDictionary& event) {
  ActionRef action = std::move(action_);
  action_ = nullptr;
  capture_.Reset();
  DamageActionOverlay();
  if (!action) return Ok();
  return action->End(event);
}

Result<void> AppWidget::CancelAction() {
  ActionRef action = std::move(action_);
  action_ = nullptr;
  capture_.Reset();
  DamageActionOverlay();
  if (!action) return Ok();
  return action->Cancel();
}

void AppWidget::DamageActionOverlay() {
  // An action may draw anywhere over the window (a resize line, a drop marker), so its
  // overlay is drawn with the whole window.
  if (canvas_) canvas_->RequestRedraw();
  ScheduleUpdate();
}

void AppWidget::SetHoverHighlightOpacity(Float opacity) {
  if (std::isnan(opacity)) return;
  opacity = std::clamp(opacity, 0.0, 1.0);
  if (opacity == hoverOpacity_) return;
  hoverOpacity_ = opacity;
  DamageWidget(GetHoverWidget());
}

Float AppWidget::GetHoverHighlightOpacity() const {
  if (hoverOpacity_ >= 0.0) return hoverOpacity_;
  return StyleSheetService::Get().Read(HoverOpacityKey(), GetWidgetStylesheet());
}

}  // namespace zarvo
