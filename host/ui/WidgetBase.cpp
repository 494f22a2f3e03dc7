#include "host/ui/WidgetBase.h"

#include <cmath>

#include "host/ui/AppWidgetInterface.h"
#include "host/ui/AppWindowInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/FontHandle.h"
#include "host/ui/PresenterInterface.h"
#include "host/ui/StyleSheet.h"

namespace zarvo {

struct WidgetBase::Extras {
  CanvasUnitValue minSize[2];
  CanvasUnitValue maxSize[2] = {CanvasUnitValue::Pix(HUGE_VAL), CanvasUnitValue::Pix(HUGE_VAL)};
  CanvasUnitValue fixedSize[2];
  Rounding rounding;
  CanvasUnitValue borderLinewidth = CanvasUnitValue::Pix(kDefaultBorderLinewidth);
  std::shared_ptr<const StyleSheet> styleSheet;
  PresenterRef presenter;
  Vector2d scale{1.0, 1.0};
  Float opacity = 1.0;
  Int lod = 0;
};

namespace {
constexpr uint32_t kDefaultFlags = WidgetBase::kVisible | WidgetBase::kEnabled | WidgetBase::kAcceptR2L |
                                   WidgetBase::kLayoutDirty;

// NaN and negative lengths become 0; infinity is kept for INFINITE contents.
CanvasUnitValue SanitizeLength(CanvasUnitValue value) {
  if (!(value.value >= 0.0)) value.value = 0.0;
  return value;
}
}  // namespace

WidgetBase::WidgetBase() : flags_(kDefaultFlags) {}

WidgetBase::~WidgetBase() {
  // The hierarchy unlinks the children after this part is gone: they must not write back here.
  for (WidgetBase* child = firstChildBase_; child; child = child->nextBase_) child->parentBase_ = nullptr;
}

namespace {
WidgetBase* BaseOf(HierarchyObject* object) {
  WidgetInterface* widget = object ? object->AsWidget() : nullptr;
  return widget ? widget->GetBase() : nullptr;
}
}  // namespace

void WidgetBase::HandleLinked() {
  parentBase_ = BaseOf(GetParent());
  if (!parentBase_) return;
  nextBase_ = nullptr;
  for (HierarchyObject* next = GetNext(); next && !nextBase_; next = next->GetNext()) nextBase_ = BaseOf(next);
  WidgetBase* prevBase = nullptr;
  for (HierarchyObject* prev = GetPrev(); prev && !prevBase; prev = prev->GetPrev()) prevBase = BaseOf(prev);
  (prevBase ? prevBase->nextBase_ : parentBase_->firstChildBase_) = this;
}

void WidgetBase::HandleUnlinking() {
  if (!parentBase_) return;
  WidgetBase* prevBase = nullptr;
  for (HierarchyObject* prev = GetPrev(); prev && !prevBase; prev = prev->GetPrev()) prevBase = BaseOf(prev);
  (prevBase ? prevBase->nextBase_ : parentBase_->firstChildBase_) = nextBase_;
  parentBase_ = nullptr;
  nextBase_ = nullptr;
}

WidgetBase::DrawnFrame WidgetBase::DrawnFrame::Enclosing(const Rect& frame) noexcept {
  constexpr float kDown = -HUGE_VALF;
  constexpr float kUp = HUGE_VALF;
  if (frame.IsEmpty()) return {};
  return {std::nextafter(static_cast<float>(frame.left), kDown), std::nextafter(static_cast<float>(frame.top), kDown),
          std::nextafter(static_cast<float>(frame.right), kUp), std::nextafter(static_cast<float>(frame.bottom), kUp)};
}

Vector2d WidgetBase::GetExtraScale() const { return extras_->scale; }

Float WidgetBase::GetExtraOpacity() const { return extras_->opacity; }

Int WidgetBase::GetLOD() const { return extras_ ? extras_->lod : 0; }

WidgetBase::Extras& WidgetBase::GetExtras() {
  if (!extras_) extras_ = std::make_unique<Extras>();
  return *extras_;
}

Float WidgetBase::GetRemBase() const {
  // The app widget's own base is its canvas's too.
  return appWidget_ ? appWidget_->GetCanvasRemBase() : kDefaultRemBase;
}

// ---- redraw and layout requests -------------------------------------------------------------

void WidgetBase::Damage() {
  if (!appWidget_) return;
  if (CanvasInterface* canvas = GetCanvas()) {
    if (!drawnFrame_.IsEmpty()) canvas->RequestRedrawArea(drawnFrame_.ToRect());
    // Not drawn yet, or moved since: the current frame is new paint as well.
    canvas->RequestRedrawArea(GetGlobalFrame().Inflate(2.0));
  }
  appWidget_->ScheduleUpdate();
}

void WidgetBase::RequestRedraw() { Damage(); }

void WidgetBase::MarkAncestorsDirty() {
  for (WidgetBase* base = ParentBase(); base; base = base->ParentBase()) {
    if (base->Has(kDescendantDirty)) break;
    base->flags_ |= kDescendantDirty;
  }
}

void WidgetBase::RequestLayout() {
  flags_ |= kLayoutDirty;
  MarkAncestorsDirty();
  if (appWidget_) appWidget_->ScheduleUpdate();
}

void WidgetBase::RequestSwitchLayout() {
  flags_ |= kSwitchRequested;
  RequestLayout();
}

Result<void> WidgetBase::CreateLayout() {
  flags_ |= kLayoutCreated;
  return Ok();
}

void WidgetBase::NoteGeometryChange(bool sizeChanged) {
  if (!drawnFrame_.IsEmpty() && appWidget_) {
    if (CanvasInterface* canvas = GetCanvas()) canvas->RequestRedrawArea(drawnFrame_.ToRect());
  }
  flags_ |= kGeometryChanged;
  if (sizeChanged) flags_ |= kSizeChanged;
  if (appWidget_ && appWidget_->IsLayoutRunning()) {
    // The placing walk looks only below widgets that say something there changed. The parent
    // being placed says so already, so this usually stops at once; a widget moved outside the
    // walk's current path leaves a marked path for the next run instead of a lost change.
    MarkAncestorsDirty();
    return;
  }
  // Outside a layout run the parent must measure and place again, and so must this widget's
  // children when the size changed.
  if (parentBase_) parentBase_->flags_ |= kChildGeometryChanged;
  if (WidgetInterface* parent = GetParentWidget()) {
    parent->RequestLayout();
  }
  MarkAncestorsDirty();
  if (sizeChanged) flags_ |= kLayoutDirty;
  if (appWidget_) appWidget_->ScheduleUpdate();
}

void WidgetBase::HandleParentChanged() {
  WidgetInterface* parent = GetParentWidget();
  if (!drawnFrame_.IsEmpty() && appWidget_) {
    if (CanvasInterface* canvas = GetCanvas()) canvas->RequestRedrawArea(drawnFrame_.ToRect());
    drawnFrame_ = DrawnFrame();
  }
  AttachToAppWidget(parent ? parent->GetAppWidget() : nullptr);
  if (parent) {
    flags_ |= kLayoutDirty | kGeometryChanged | kSizeChanged;
    MarkAncestorsDirty();
  }
}

void WidgetBase::HandleChildrenChanged() { RequestLayout(); }

void WidgetBase::AttachToAppWidget(AppWidgetInterface* appWidget) {
  if (appWidget_ == appWidget && this != static_cast<WidgetInterface*>(appWidget)) return;
  appWidget_ = appWidget;
  // New widgets in a window must be visited by the next layout run (CreateLayout, passes).
  if (appWidget) flags_ |= kLayoutDirty | kDescendantDirty;
  for (WidgetBase* child = FirstChildBase(); child; child = child->NextBase()) child->AttachToAppWidget(appWidget);
}

// ---- geometry -------------------------------------------------------------------------------

void WidgetBase::SetLocalPosition(Vector2d position) {
  if (position == position_) return;
  if (!std::isfinite(position.x) || !std::isfinite(position.y)) return;
  position_ = position;
  NoteGeometryChange(false);
}

CanvasUnitValue WidgetBase::ConstrainSize(CanvasUnitValue wanted, int direction) const {
  wanted = SanitizeLength(wanted);
  const auto mode = static_cast<WIDGET_SIZE>(sizeMode_[direction]);
  if (mode == WIDGET_SIZE::NONE || mode == WIDGET_SIZE::INFINITE || !extras_) {
    if (mode == WIDGET_SIZE::FIXED) return CanvasUnitValue::Pix(0.0);
    return wanted;
  }
  if (mode == WIDGET_SIZE::FIXED) return extras_->fixedSize[direction];
  const Float remBase = GetRemBase();
  const Float px = wanted.ToPixels(remBase);
  switch (mode) {
    case WIDGET_SIZE::MIN: {
      const CanvasUnitValue& min = extras_->minSize[direction];
      return px < min.ToPixels(remBase) ? min : wanted;
    }
    case WIDGET_SIZE::MAX: {
      const CanvasUnitValue& max = extras_->maxSize[direction];
      return px > max.ToPixels(remBase) ? max : wanted;
    }
    case WIDGET_SIZE::MIN_MAX: {
      const CanvasUnitValue& min = extras_->minSize[direction];
      const CanvasUnitValue& max = extras_->maxSize[direction];
      if (px < min.ToPixels(remBase)) return min;
      if (px > max.ToPixels(remBase)) return max;
      return wanted;
    }
    default:
      return wanted;
  }
}

Result<void> WidgetBase::StoreSize(CanvasUnitValue width, CanvasUnitValue height) {
  const CanvasUnitSize size{ConstrainSize(width, 0), ConstrainSize(height, 1)};
  // Pixel lengths, the common case inside a layout run, need no REM base.
  const bool pixels = size.width.unit == CANVAS_UNIT::PIX && size.height.unit == CANVAS_UNIT::PIX;
  const Float remBase = pixels ? kDefaultRemBase : GetRemBase();
  const Vector2d pix{size.width.ToPixels(remBase), size.height.ToPixels(remBase)};
  if (size == size_ && pix == pixSize_) return Ok();
  const bool pixChanged = !(pix == pixSize_);
  size_ = size;
  pixSize_ = pix;
  if (pixChanged) NoteGeometryChange(true);
  return Ok();
}

Result<void> WidgetBase::SetLocalSize(CanvasUnitValue width, CanvasUnitValue height) { return StoreSize(width, height); }

Result<void> WidgetBase::SetLocalSize(Float width, Float height) {
  return StoreSize(CanvasUnitValue::Pix(width), CanvasUnitValue::Pix(height));
}

void WidgetBase::ReapplySizeConstraints() { (void)StoreSize(size_.width, size_.height); }

void WidgetBase::SetLocalScale(Vector2d scale) {
  // A scale of nothing or a mirror has no inverse the hit tests and conversions could use.
  if (!(scale.x > 0.0) || !(scale.y > 0.0) || !std::isfinite(scale.x) || !std::isfinite(scale.y)) return;
  if (scale == GetLocalScale()) return;
  GetExtras().scale = scale;
  SetFlag(kScaled, !(scale == Vector2d{1.0, 1.0}));
  NoteGeometryChange(true);
}

Rect WidgetBase::GetGlobalFrame() const { return GetGlobalMatrix().TransformRect(GetLocalFrame()); }

CanvasUnitSize WidgetBase::GetParentLocalSizeCUV() const {
  const Vector2d scale = GetLocalScale();
  CanvasUnitSize out = size_;
  out.width.value *= scale.x;
  out.height.value *= scale.y;
  return out;
}

void WidgetBase::SetSizeMode(WIDGET_SIZE mode, WIDGET_DIRECTION direction) {
  const int d = DirectionIndex(direction);
  if (GetSizeMode(direction) == mode) return;
  sizeMode_[d] = static_cast<uint8_t>(mode);
  if (mode != WIDGET_SIZE::NONE && mode != WIDGET_SIZE::INFINITE) GetExtras();
  // The stored size obeys the new mode at once, so that no container has to re-apply it.
  ReapplySizeConstraints();
  // Containers measure and place by their children's modes.
  if (WidgetInterface* parent = GetParentWidget()) parent->RequestLayout();
  RequestLayout();
}

void WidgetBase::SetInheritParentSize(bool inherit, WIDGET_DIRECTION direction) {
  const uint32_t flag = direction == WIDGET_DIRECTION::HORIZONTAL ? kInheritWidth : kInheritHeight;
  if (Has(flag) == inherit) return;
  SetFlag(flag, inherit);
  if (WidgetInterface* parent = GetParentWidget()) parent->RequestLayout();
  RequestLayout();
}

#define ZV_SIZE_LIMIT_ACCESSORS(Name, member, fallback)                                  \
  void WidgetBase::Set##Name(CanvasUnitValue size, WIDGET_DIRECTION direction) {          \
    size = SanitizeLength(size);                                                          \
    const int d = DirectionIndex(direction);                                              \
    if (extras_ && extras_->member[d] == size) return;                                    \
    GetExtras().member[d] = size;                                                         \
    ReapplySizeConstraints();                                                             \
    RequestLayout();                                                                      \
  }                                                                                       \
  CanvasUnitValue WidgetBase::Get##Name(WIDGET_DIRECTION direction) const {               \
    return extras_ ? extras_->member[DirectionIndex(direction)] : fallback;               \
  }
ZV_SIZE_LIMIT_ACCESSORS(MinSize, minSize, CanvasUnitValue::Pix(0.0))
ZV_SIZE_LIMIT_ACCESSORS(MaxSize, maxSize, CanvasUnitValue::Pix(HUGE_VAL))
ZV_SIZE_LIMIT_ACCESSORS(FixedSize, fixedSize, CanvasUnitValue::Pix(0.0))
#undef ZV_SIZE_LIMIT_ACCESSORS

Matrix2d WidgetBase::GetLocalMatrix() const {
  const Vector2d scale = GetLocalScale();
  return {scale.x, 0.0, 0.0, scale.y, position_.x, position_.y};
}

Matrix2d WidgetBase::GetGlobalMatrix() const {
  Matrix2d m = GetLocalMatrix();
  for (const WidgetBase* p = ParentBase(); p; p = p->ParentBase()) m = p->GetLocalMatrix() * m;
  return m;
}

Vector2d WidgetBase::GlobalToLocalPosition(Vector2d position) const {
  return GetGlobalInverseMatrix().TransformPoint(position);
}
Vector2d WidgetBase::LocalToGlobalPosition(Vector2d position) const { return GetGlobalMatrix().TransformPoint(position); }
Vector2d WidgetBase::GlobalToLocalSize(Vector2d size) const { return GetGlobalInverseMatrix().TransformVector(size); }
Vector2d WidgetBase::LocalToGlobalSize(Vector2d size) const { return GetGlobalMatrix().TransformVector(size); }
Path WidgetBase::GlobalToLocalPath(const Path& path) const { return path.Transformed(GetGlobalInverseMatrix()); }
Path WidgetBase::LocalToGlobalPath(const Path& path) const { return path.Transformed(GetGlobalMatrix()); }

Vector2d WidgetBase::LocalToScreenPosition(Vector2d position) const {
  const Vector2d global = LocalToGlobalPosition(position);
  const CanvasInterface* canvas = GetCanvas();
  return canvas ? canvas->GlobalToScreenPosition(global) : global;
}

Vector2d WidgetBase::ScreenToLocalPosition(Vector2d position) const {
  const CanvasInterface* canvas = GetCanvas();
  return GlobalToLocalPosition(canvas ? canvas->ScreenToGlobalPosition(position) : position);
}

// ---- appearance -----------------------------------------------------------------------------

void WidgetBase::SetLocalVisibility(bool visible) {
  if (Has(kVisible) == visible) return;
  Damage();
  SetFlag(kVisible, visible);
  if (!visible) drawnFrame_ = DrawnFrame();
  if (WidgetInterface* parent = GetParentWidget()) parent->RequestLayout();
  RequestLayout();
}

bool WidgetBase::GetGlobalVisibility() const {
  for (const WidgetInterface* w = this; w; w = w->GetParentWidget()) {
    if (!w->GetLocalVisibility()) return false;
  }
  return true;
}

void WidgetBase::SetColor(const ColorA& color) {
  if (color == color_) return;
  color_ = color;
  Damage();
}

void WidgetBase::SetLocalOpacity(Float opacity) {
  if (std::isnan(opacity)) return;
  opacity = std::clamp(opacity, 0.0, 1.0);
  if (opacity == GetLocalOpacity()) return;
  GetExtras().opacity = opacity;
  SetFlag(kTranslucent, opacity < 1.0);
  Damage();
}

void WidgetBase::SetFocusVisibility(bool visible) {
  if (Has(kFocusVisible) == visible) return;
  SetFlag(kFocusVisible, visible);
  if (HasFocus()) Damage();
}

bool WidgetBase::HasFocus() const {
  return appWidget_ && appWidget_->GetFocusWidget() == static_cast<const WidgetInterface*>(this);
}

#define ZV_DAMAGING_FLAG_SETTER(Name, flag) \
  void WidgetBase::Name(bool on) {          \
    if (Has(flag) == on) return;            \
    SetFlag(flag, on);                      \
    Damage();                               \
  }
ZV_DAMAGING_FLAG_SETTER(SetEnabled, kEnabled)
ZV_DAMAGING_FLAG_SETTER(SetSelection, kSelected)
ZV_DAMAGING_FLAG_SETTER(SetBackgroundVisibility, kBackgroundVisible)
ZV_DAMAGING_FLAG_SETTER(SetBorderVisibility, kBorderVisible)
#undef ZV_DAMAGING_FLAG_SETTER

void WidgetBase::SetClipping(bool clip) {
  if (Has(kClipping) == clip) return;
  SetFlag(kClipping, clip);
  Damage();
}

void WidgetBase::SetBackgroundColor(const ColorA& color) {
  if (color == backgroundColor_) return;
  backgroundColor_ = color;
  if (Has(kBackgroundVisible)) Damage();
}

void WidgetBase::SetBorderColor(const ColorA& color) {
  if (color == borderColor_) return;
  borderColor_ = color;
  if (Has(kBorderVisible)) Damage();
}

void WidgetBase::SetBorderLinewidth(CanvasUnitValue width) {
  width = SanitizeLength(width);
  if (GetBorderLinewidth() == width) return;
  GetExtras().borderLinewidth = width;
  if (Has(kBorderVisible)) Damage();
}

CanvasUnitValue WidgetBase::GetBorderLinewidth() const {
  return extras_ ? extras_->borderLinewidth : CanvasUnitValue::Pix(kDefaultBorderLinewidth);
}

void WidgetBase::SetRounding(const Rounding& wanted) {
  const Rounding rounding{SanitizeLength(wanted.topLeft), SanitizeLength(wanted.topRight),
                          SanitizeLength(wanted.bottomRight), SanitizeLength(wanted.bottomLeft)};
  if (GetRounding() == rounding) return;
  GetExtras().rounding = rounding;
  Damage();
}

Rounding WidgetBase::GetRounding() const { return extras_ ? extras_->rounding : Rounding{}; }

CornerRadii WidgetBase::GetCornerRadii() const {
  if (!extras_ || extras_->rounding.IsZero()) return {};
  const Rounding& r = extras_->rounding;
  return CornerRadii::Corners(ToPixels(r.topLeft), ToPixels(r.topRight), ToPixels(r.bottomRight), ToPixels(r.bottomLeft));
}

// ---- context --------------------------------------------------------------------------------

PresenterRef WidgetBase::GetPresenter() const {
  for (const WidgetInterface* w = this; w; w = w->GetParentWidget()) {
    const WidgetBase* base = w->GetBase();
    if (base->extras_ && base->extras_->presenter) return base->extras_->presenter;
  }
  return PresenterRef();
}

void WidgetBase::SetPresenter(const PresenterRef& presenter) {
  if (GetPresenter() == presenter && extras_ && extras_->presenter == presenter) return;
  GetExtras().presenter = presenter;
}

AppWindowInterface* WidgetBase::GetAppWindow() const {
  return appWidget_ ? appWidget_->GetOwnerWindow() : nullptr;
}

CanvasInterface* WidgetBase::GetCanvas() const {
  if (!appWidget_ || static_cast<const WidgetInterface*>(appWidget_) == static_cast<const WidgetInterface*>(this)) {
    return nullptr;
  }
  return appWidget_->GetCanvas();
}

// ---- direction ------------------------------------------------------------------------------

void WidgetBase::SetR2LMode(WIDGET_R2L_MODE mode) {
  if (mode == GetR2LMode()) return;
  r2lMode_ = static_cast<uint8_t>(mode);
  RequestSwitchLayout();
  Damage();
}

void WidgetBase::SetAcceptR2LMode(bool accept) {
  if (Has(kAcceptR2L) == accept) return;
  SetFlag(kAcceptR2L, accept);
  RequestSwitchLayout();
  Damage();
}

void WidgetBase::SetOrientation(WIDGET_ORIENTATION orientation) {
  if (orientation == GetOrientation()) return;
  orientation_ = static_cast<uint8_t>(orientation);
  RequestSwitchLayout();
}

void WidgetBase::SetLOD(Int lod) {
  if (lod == GetLOD()) return;
  GetExtras().lod = lod;
  RequestSwitchLayout();
}

// ---- input ----------------------------------------------------------------------------------

Result<bool> WidgetBase::MouseHit(Vector2d position) const {
  if (!GetGlobalVisibility()) return false;
  if (!GetGlobalFrame().Contains(position)) return false;
  // A clipping ancestor hides what lies outside it.
  for (const WidgetInterface* p = GetParentWidget(); p; p = p->GetParentWidget()) {
    if (p->GetClipping() && !p->GetGlobalFrame().Contains(position)) return false;
  }
  return true;
}

Result<bool> WidgetBase::FrameHit(const Rect& globalFrame) const {
  if (!GetGlobalVisibility()) return false;
  return GetGlobalFrame().Intersects(globalFrame);
}

void WidgetBase::VisitChildrenIn(const Rect&, bool topmostFirst, FunctionRef<bool(WidgetInterface*)> visit) {
  if (topmostFirst) {
    for (HierarchyObject* c = GetLastChild(); c; c = c->GetPrev()) {
      if (WidgetInterface* w = c->AsWidget(); w && !visit(w)) return;
    }
  } else {
    for (HierarchyObject* c = GetFirstChild(); c; c = c->GetNext()) {
      if (WidgetInterface* w = c->AsWidget(); w && !visit(w)) return;
    }
  }
}

// ---- commands -------------------------------------------------------------------------------

Result<Ref<ObjectInterface>> WidgetBase::GetPopupMenu(Vector2d position) {
  if (WidgetInterface* parent = GetParentWidget()) return parent->GetPopupMenu(position);
  return Ref<ObjectInterface>();
}

Result<CommandState> WidgetBase::QueryCommand(const Id& command) {
  if (WidgetInterface* parent = GetParentWidget()) return parent->QueryCommand(command);
  if (AppWindowInterface* window = GetAppWindow()) return window->QueryCommand(command);
  return CommandState{};
}

Result<void> WidgetBase::ExecuteCommand(const Id& command, const DataDictionary& arguments) {
  Ref<WidgetInterface> keep(this);
  ZV_TRY_ASSIGN(bool handled, HandleCommand(command, arguments));
  if (handled) return Ok();
  if (WidgetInterface* parent = GetParentWidget()) return parent->ExecuteCommand(command, arguments);
  if (AppWindowInterface* window = GetAppWindow()) return window->ExecuteCommand(command, arguments);
  return NotFoundError("No handler for command '" + command.GetString() + "'");
}

// ---- style ----------------------------------------------------------------------------------

const StyleSheet* WidgetBase::GetWidgetStylesheet() const {
  for (const WidgetInterface* w = this; w; w = w->GetParentWidget()) {
    const WidgetBase* base = w->GetBase();
    if (base->extras_ && base->extras_->styleSheet) return base->extras_->styleSheet.get();
  }
  return StyleSheetService::Get().GetWidgetStylesheet().get();
}

void WidgetBase::SetStylesheet(std::shared_ptr<const StyleSheet> sheet) {
  if (extras_ && extras_->styleSheet == sheet) return;
  GetExtras().styleSheet = std::move(sheet);
  Damage();
}

// ---- drawing --------------------------------------------------------------------------------

Result<void> WidgetBase::DrawSetClipping() {
  if (!Has(kClipping)) return Ok();
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  canvas->PushClipRect(GetLocalFrame(), GetCornerRadii());
  return Ok();
}

Result<void> WidgetBase::DrawBackground() {
  if (!Has(kBackgroundVisible) || backgroundColor_.a <= 0.0) return Ok();
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  canvas->DrawRectangle(GetLocalFrame(), PaintStyle::Filled(backgroundColor_), GetCornerRadii());
  return Ok();
}

Result<void> WidgetBase::DrawBorder() {
  if (!Has(kBorderVisible)) return Ok();
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  const Float width = ToPixels(GetBorderLinewidth());
  if (width <= 0.0) return Ok();
  // The outline lies inside the frame, so that neighbours do not paint over it.
  const Rect inner = GetLocalFrame().Inflate(-width * 0.5);
  canvas->DrawRectangle(inner, PaintStyle::Stroked(borderColor_, width), GetCornerRadii());
  return Ok();
}

Result<void> WidgetBase::DrawFocus() {
  if (!Has(kFocusVisible) || !HasFocus()) return Ok();
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  static const StyleKey<ColorA> kFocusColor =
      StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.widget.focus_color", ColorA{0.33, 0.55, 0.85, 1.0});
  canvas->DrawRectangle(GetLocalFrame().Inflate(-1.0),
                        PaintStyle::Stroked(StyleSheetService::Get().Read(kFocusColor, GetWidgetStylesheet()), 2.0),
                        GetCornerRadii());
  return Ok();
}

Result<void> WidgetBase::DrawHighlight() {
  if (!appWidget_ || appWidget_->GetHoverWidget() != static_cast<WidgetInterface*>(this)) return Ok();
  const Float opacity = appWidget_->GetHoverHighlightOpacity();
  CanvasInterface* canvas = GetCanvas();
  if (!canvas || opacity <= 0.0) return Ok();
  canvas->DrawRectangle(GetLocalFrame(), PaintStyle::Filled({1.0, 1.0, 1.0, opacity}), GetCornerRadii());
  return Ok();
}

Result<void> WidgetBase::DrawLine(Vector2d from, Vector2d to, const ColorA& color, Float width) {
  if (CanvasInterface* canvas = GetCanvas()) canvas->DrawLine(from, to, color, width);
  return Ok();
}

Result<void> WidgetBase::DrawBezier(Vector2d p0, Vector2d c1, Vector2d c2, Vector2d p1, const ColorA& color, Float width) {
  Path path;
  path.MoveTo(p0).CubicTo(c1, c2, p1);
  return DrawPath(path, color, width);
}

Result<void> WidgetBase::DrawPath(const Path& path, const ColorA& color, Float width) {
  if (CanvasInterface* canvas = GetCanvas()) canvas->DrawPath(path, color, width);
  return Ok();
}

Result<void> WidgetBase::DrawShape(const Path& path, const ColorA& fill) {
  if (CanvasInterface* canvas = GetCanvas()) canvas->DrawShape(path, PaintStyle::Filled(fill));
  return Ok();
}

Result<void> WidgetBase::DrawRectangle(const Rect& rect, const ColorA& fill) {
  if (CanvasInterface* canvas = GetCanvas()) canvas->DrawRectangle(rect, PaintStyle::Filled(fill));
  return Ok();
}

Result<void> WidgetBase::DrawCircle(Vector2d center, Float radius, const ColorA& fill) {
  if (CanvasInterface* canvas = GetCanvas()) canvas->DrawCircle(center, radius, PaintStyle::Filled(fill));
  return Ok();
}

Result<void> WidgetBase::DrawText(const String& text, const FontDescription& font, Vector2d position, const ColorA& color) {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  ZV_TRY_ASSIGN(FontHandleRef handle, canvas->CreateFontHandle(font));
  return canvas->DrawText(text, *handle, position, color);
}

Result<void> WidgetBase::DrawImage(const Image& image, const Rect& destination, Float opacity) {
  if (CanvasInterface* canvas = GetCanvas()) canvas->DrawImage(image, destination, opacity);
  return Ok();
}

Result<void> WidgetBase::DrawWire(Vector2d from, Vector2d to, const ColorA& color, Float width) {
  if (CanvasInterface* canvas = GetCanvas()) canvas->DrawWire(from, to, color, width);
  return Ok();
}

Result<void> WidgetBase::DrawSVG(const Url& url, const Rect& destination, Int state) {
  if (CanvasInterface* canvas = GetCanvas()) return canvas->DrawSVG(url, destination, state);
  return Ok();
}

}  // namespace zarvo
