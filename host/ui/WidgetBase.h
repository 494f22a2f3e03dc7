#pragma once
#include <cstdint>
#include <memory>
#include <type_traits>

#include "host/core/FunctionRef.h"
#include "host/ui/HitTests.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

// Pixels per REM when a widget is not on a canvas yet, and the canvases' default.
constexpr Float kDefaultRemBase = 13.0;
// Border line width when none was set.
constexpr Float kDefaultBorderLinewidth = 1.0;

// The host's implementation of the widget base. Widget classes derive from it (or from the
// implementation of the widget they extend) and override the hooks they need.
class WidgetBase : public virtual WidgetInterface {
 public:
  WidgetBase();
  ~WidgetBase() override;

  WidgetBase* GetBase() noexcept override { return this; }
  const WidgetBase* GetBase() const noexcept override { return this; }

  // Drawing base.
  void RequestRedraw() override;
  Result<void> DrawLine(Vector2d from, Vector2d to, const ColorA& color, Float width) override;
  Result<void> DrawBezier(Vector2d p0, Vector2d c1, Vector2d c2, Vector2d p1, const ColorA& color, Float width) override;
  Result<void> DrawPath(const Path& path, const ColorA& color, Float width) override;
  Result<void> DrawShape(const Path& path, const ColorA& fill) override;
  Result<void> DrawRectangle(const Rect& rect, const ColorA& fill) override;
  Result<void> DrawCircle(Vector2d center, Float radius, const ColorA& fill) override;
  Result<void> DrawText(const String& text, const FontDescription& font, Vector2d position, const ColorA& color) override;
  Result<void> DrawImage(const Image& image, const Rect& destination, Float opacity) override;
  Result<void> DrawWire(Vector2d from, Vector2d to, const ColorA& color, Float width) override;
  Result<void> DrawSVG(const Url& url, const Rect& destination, Int state) override;
  void SetClipping(bool clip) override;
  bool GetClipping() const final { return Has(kClipping); }

  // Hooks with their defaults.
  Result<void> LayoutBegin() override { return Ok(); }
  Result<void> LayoutEnd() override { return Ok(); }
  Result<void> LayoutPass1() override { return Ok(); }
  Result<void> LayoutPass2() override { return Ok(); }
  Result<void> LayoutPass3() override { return Ok(); }
  Result<void> DrawBegin() override { return Ok(); }
  Result<void> DrawEnd() override { return Ok(); }
  Result<void> DrawSetClipping() override;
  Result<void> DrawBackground() override;
  Result<void> DrawContent() override { return Ok(); }
  Result<void> DrawOverlay() override { return Ok(); }
  Result<void> DrawDragAndDropOverlay() override { return Ok(); }
  Result<void> DrawBorder() override;
  Result<void> DrawFocus() override;
  Result<void> DrawHighlight() override;

  // Geometry.
  void SetLocalPosition(Vector2d position) final;
  Result<void> SetLocalSize(CanvasUnitValue width, CanvasUnitValue height) final;
  Result<void> SetLocalSize(Float width, Float height) final;
  void SetLocalScale(Vector2d scale) override;
  Vector2d GetLocalPosition() const final { return position_; }
  Vector2d GetLocalScale() const final { return Has(kScaled) ? GetExtraScale() : Vector2d{1.0, 1.0}; }
  Vector2d GetLocalPixSize() const final { return pixSize_; }
  CanvasUnitSize GetLocalSize() const final { return size_; }
  Rect GetLocalFrame() const final { return {0.0, 0.0, pixSize_.x, pixSize_.y}; }
  Rect GetGlobalFrame() const final;
  Vector2d GetParentLocalSize() const final {
    const Vector2d scale = GetLocalScale();
    return {pixSize_.x * scale.x, pixSize_.y * scale.y};
  }
  CanvasUnitSize GetParentLocalSizeCUV() const final;
  void SetSizeMode(WIDGET_SIZE mode, WIDGET_DIRECTION direction) override;
  WIDGET_SIZE GetSizeMode(WIDGET_DIRECTION direction) const final {
    return static_cast<WIDGET_SIZE>(sizeMode_[DirectionIndex(direction)]);
  }
  void SetInheritParentSize(bool inherit, WIDGET_DIRECTION direction) override;
  bool GetInheritParentSize(WIDGET_DIRECTION direction) const final {
    return Has(direction == WIDGET_DIRECTION::HORIZONTAL ? kInheritWidth : kInheritHeight);
  }
  void SetMinSize(CanvasUnitValue size, WIDGET_DIRECTION direction) override;
  CanvasUnitValue GetMinSize(WIDGET_DIRECTION direction) const override;
  void SetMaxSize(CanvasUnitValue size, WIDGET_DIRECTION direction) override;
  CanvasUnitValue GetMaxSize(WIDGET_DIRECTION direction) const override;
  void SetFixedSize(CanvasUnitValue size, WIDGET_DIRECTION direction) override;
  CanvasUnitValue GetFixedSize(WIDGET_DIRECTION direction) const override;
  Float ToPixels(CanvasUnitValue value) const override { return value.ToPixels(GetRemBase()); }
  Matrix2d GetLocalMatrix() const final;
  Matrix2d GetGlobalMatrix() const final;
  Matrix2d GetGlobalInverseMatrix() const override { return GetGlobalMatrix().Inverse(); }
  Vector2d GlobalToLocalPosition(Vector2d position) const override;
  Vector2d LocalToGlobalPosition(Vector2d position) const override;
  Vector2d GlobalToLocalSize(Vector2d size) const override;
  Vector2d LocalToGlobalSize(Vector2d size) const override;
  Path GlobalToLocalPath(const Path& path) const override;
  Path LocalToGlobalPath(const Path& path) const override;
  Vector2d LocalToScreenPosition(Vector2d position) const override;
  Vector2d ScreenToLocalPosition(Vector2d position) const override;

  // Appearance.
  void SetLocalVisibility(bool visible) override;
  bool GetLocalVisibility() const override { return Has(kVisible); }
  bool GetGlobalVisibility() const override;
  void SetColor(const ColorA& color) override;
  ColorA GetColor() const override { return color_; }
  void SetLocalOpacity(Float opacity) override;
  Float GetLocalOpacity() const final { return Has(kTranslucent) ? GetExtraOpacity() : 1.0; }
  void SetAcceptFocus(bool accept) override { SetFlag(kAcceptFocus, accept); }
  bool GetAcceptFocus() const override { return Has(kAcceptFocus); }
  void SetAcceptTabFocus(bool accept) override { SetFlag(kAcceptTabFocus, accept); }
  bool GetAcceptTabFocus() const override { return Has(kAcceptTabFocus); }
  void SetFocusVisibility(bool visible) override;
  bool GetFocusVisibility() const override { return Has(kFocusVisible); }
  bool HasFocus() const override;
  void SetEnabled(bool enabled) override;
  bool GetEnabled() const override { return Has(kEnabled); }
  void SetSelection(bool selected) override;
  bool GetSelection() const override { return Has(kSelected); }
  void SetBackgroundVisibility(bool visible) override;
  bool GetBackgroundVisibility() const override { return Has(kBackgroundVisible); }
  void SetBackgroundColor(const ColorA& color) override;
  ColorA GetBackgroundColor() const override { return backgroundColor_; }
  void SetBorderVisibility(bool visible) override;
  bool GetBorderVisibility() const override { return Has(kBorderVisible); }
  void SetBorderColor(const ColorA& color) override;
  ColorA GetBorderColor() const override { return borderColor_; }
  void SetBorderLinewidth(CanvasUnitValue width) override;
  CanvasUnitValue GetBorderLinewidth() const override;
  void SetRounding(const Rounding& rounding) override;
  Rounding GetRounding() const override;
  // The rounding in pixels, for drawing.
  CornerRadii GetCornerRadii() const;

  // Context.
  Ref<PresenterInterface> GetPresenter() const override;
  void SetPresenter(const Ref<PresenterInterface>& presenter) override;
  AppWindowInterface* GetAppWindow() const override;
  AppWidgetInterface* GetAppWidget() const final { return appWidget_; }
  CanvasInterface* GetCanvas() const override;

  // Content.
  Result<void> CreateLayout() override;
  void RequestSwitchLayout() override;
  Result<void> HandleSwitchLayout() override { return Ok(); }
  void RequestLayout() override;
  bool IsLayoutCreated() const override { return Has(kLayoutCreated); }

  // Direction.
  void SetR2LMode(WIDGET_R2L_MODE mode) override;
  WIDGET_R2L_MODE GetR2LMode() const final { return static_cast<WIDGET_R2L_MODE>(r2lMode_); }
  void SetAcceptR2LMode(bool accept) override;
  bool GetAcceptR2LMode() const final { return Has(kAcceptR2L); }
  void SetOrientation(WIDGET_ORIENTATION orientation) override;
  WIDGET_ORIENTATION GetOrientation() const override { return static_cast<WIDGET_ORIENTATION>(orientation_); }
  WIDGET_ORIENTATION GetEffectiveOrientation() const override { return GetOrientation(); }
  void SetLOD(Int lod) override;
  Int GetLOD() const override;

  // Input.
  Result<bool> MouseHit(Vector2d position) const override;
  Result<bool> FrameHit(const Rect& globalFrame) const override;
  Result<void> HandleCursorInfo(Vector2d) override { return Ok(); }
  Result<bool> HandleEvent(const DataDictionary*) override { return false; }
  bool GetAcceptDragAndDrop() const override { return false; }
  Result<bool> HandleDragAndDrop(const DataDictionary&) override { return false; }

  // Commands: a widget that does not handle a command passes it to its parent, and the root to
  // its window.
  Result<Ref<ObjectInterface>> GetPopupMenu(Vector2d position) override;
  Result<bool> HandleCommand(const Id&, const DataDictionary&) override { return false; }
  Result<CommandState> QueryCommand(const Id& command) override;
  Result<void> ExecuteCommand(const Id& command, const DataDictionary& arguments) override;
  Result<void> HandlePresenterUpdate(const DataDictionary&) override { return Ok(); }

  // Serial state.
  bool IsSerialDirty() const override { return false; }
  void ResetSerialDirty() override {}
  Result<void> SetSerialData(const DataDictionary&) override { return Ok(); }
  Result<DataDictionary> GetSerialData() const override { return DataDictionary(); }

  // Style.
  const StyleSheet* GetWidgetStylesheet() const override;
  void SetStylesheet(std::shared_ptr<const StyleSheet> sheet) override;

  // For containers: visits the children that may draw or be hit inside `localArea`, in drawing
  // order or, with `topmostFirst`, the reverse. The visitor returns false to stop. Containers
  // with many children override it to skip what lies outside.
  virtual void VisitChildrenIn(const Rect& localArea, bool topmostFirst, FunctionRef<bool(WidgetInterface*)> visit);

  // The widget tree as the host walks it, children that are not widgets left out. These links
  // mirror the hierarchy's, next to the flags, so that a walk reads one place per widget and
  // pays no virtual call.
  WidgetBase* ParentBase() const noexcept { return parentBase_; }
  WidgetBase* FirstChildBase() const noexcept { return firstChildBase_; }
  WidgetBase* NextBase() const noexcept { return nextBase_; }

  // Layout bookkeeping read by the app widget.
  enum Flag : uint32_t {
    kVisible = 1u << 0,
    kAcceptFocus = 1u << 1,
    kAcceptTabFocus = 1u << 2,
    kFocusVisible = 1u << 3,
    kEnabled = 1u << 4,
    kSelected = 1u << 5,
    kBackgroundVisible = 1u << 6,
    kBorderVisible = 1u << 7,
    kClipping = 1u << 8,
    kAcceptR2L = 1u << 9,
    kInheritWidth = 1u << 10,
    kInheritHeight = 1u << 11,
    kLayoutCreated = 1u << 12,
    kLayoutDirty = 1u << 13,       // own properties changed: LayoutBegin and the passes run
    kDescendantDirty = 1u << 14,   // something below asked for layout
    kSwitchRequested = 1u << 15,
    kGeometryChanged = 1u << 16,   // size or position changed since the last layout walk
    kSizeChanged = 1u << 17,       // size changed: children must be placed again
    kPlacesChildren = 1u << 18,    // a container that sizes its children itself
    kSubtreeDirty = 1u << 19,      // every widget below is dirty too; the walk passes it down
    kChildGeometryChanged = 1u << 20,  // a child was resized or moved other than by this widget
    kScaled = 1u << 21,            // a scale other than 1 is kept in the extras
    kTranslucent = 1u << 22,       // an opacity below 1 is kept in the extras
    // Layout hooks the widget's class leaves to the base, which does nothing in them: the walks
    // skip the call.
    kPlainBegin = 1u << 23,
    kPlainPass1 = 1u << 24,
    kPlainPass2 = 1u << 25,
    kPlainPass3 = 1u << 26,
    kPlainEnd = 1u << 27,
    // Sizes itself by the room its parent leaves (a table that squeezes or enlarges): a parent
    // that does not place its children has it placed again when its own size changes.
    kFollowsParentRoom = 1u << 28,
  };
  bool Has(uint32_t flag) const noexcept { return (flags_ & flag) != 0; }
  void ClearLayoutFlags() noexcept {
    flags_ &= ~(kLayoutDirty | kDescendantDirty | kSubtreeDirty | kGeometryChanged | kSizeChanged |
                kChildGeometryChanged);
  }
  void SetLayoutFlag(uint32_t flag) noexcept { flags_ |= flag; }
  void ClearSwitchRequest() noexcept { flags_ &= ~kSwitchRequested; }
  void MarkLayoutCreated() noexcept { flags_ |= kLayoutCreated; }
  // The layout hooks class Impl does not override, as flags, found at compile time: taking a
  // hook's address through Impl names the class that declared the last override.
  template <class Impl>
  static constexpr uint32_t PlainLayoutHooksOf() {
    using Hook = Result<void> (WidgetBase::*)();
    uint32_t plain = 0;
    if constexpr (std::is_same_v<decltype(&Impl::LayoutBegin), Hook>) plain |= kPlainBegin;
    if constexpr (std::is_same_v<decltype(&Impl::LayoutPass1), Hook>) plain |= kPlainPass1;
    if constexpr (std::is_same_v<decltype(&Impl::LayoutPass2), Hook>) plain |= kPlainPass2;
    if constexpr (std::is_same_v<decltype(&Impl::LayoutPass3), Hook>) plain |= kPlainPass3;
    if constexpr (std::is_same_v<decltype(&Impl::LayoutEnd), Hook>) plain |= kPlainEnd;
    return plain;
  }
  // Set by the class factory; widgets made otherwise have every hook called.
  void SetPlainLayoutHooks(uint32_t plain) noexcept {
    flags_ = (flags_ & ~(kPlainBegin | kPlainPass1 | kPlainPass2 | kPlainPass3 | kPlainEnd)) | plain;
  }
  // A number for the current layout round, new in every round of every window: what a widget
  // hands its container during a round is recognised as this round's.
  static uint32_t GetLayoutStamp() noexcept { return layoutStamp_; }
  static void AdvanceLayoutStamp() noexcept { ++layoutStamp_; }
  // Marks this widget's ancestors as holding a widget that needs layout.
  void MarkAncestorsDirty();
  // The global frame at the last draw, damaged again when the widget moves or hides.
  void SetDrawnFrame(const Rect& frame) noexcept { drawnFrame_ = DrawnFrame::Enclosing(frame); }
  Rect GetDrawnFrame() const noexcept { return drawnFrame_.ToRect(); }
  Float GetRemBase() const;
  // Sets the cached root for this widget and its subtree.
  void AttachToAppWidget(AppWidgetInterface* appWidget);

 protected:
  void SetFlag(uint32_t flag, bool on) noexcept {
    if (on) flags_ |= flag; else flags_ &= ~flag;
  }
  // Declares that a change needs the frame drawn again.
  void Damage();
  // A container that places and sizes its children itself (cell, table, flexbox) says so, and
  // the host then leaves inherit-parent-size to it.
  void SetPlacesChildren(bool places) noexcept { SetFlag(kPlacesChildren, places); }
  void SetFollowsParentRoom(bool follows) noexcept { SetFlag(kFollowsParentRoom, follows); }
  void HandleParentChanged() override;
  void HandleChildrenChanged() override;
  void HandleLinked() override;
  void HandleUnlinking() override;

 private:
  struct Extras;
  Extras& GetExtras();
  Vector2d GetExtraScale() const;
  Float GetExtraOpacity() const;
  // Applies the size modes to a wanted size in one direction; returns the size to store.
  CanvasUnitValue ConstrainSize(CanvasUnitValue wanted, int direction) const;
  Result<void> StoreSize(CanvasUnitValue width, CanvasUnitValue height);
  void ReapplySizeConstraints();
  void NoteGeometryChange(bool sizeChanged);
  Rect ContentBounds() const { return GetLocalFrame(); }

  // What every layout walk reads or writes fills the first two cache lines: a walk over tens of
  // thousands of widgets is bound by how many lines it brings in per widget, and a container's
  // own fields follow the base's.
  uint32_t flags_;
  // The enumerations are stored in a byte each, next to the flags: every widget pays for them.
  uint8_t sizeMode_[2] = {static_cast<uint8_t>(WIDGET_SIZE::NONE), static_cast<uint8_t>(WIDGET_SIZE::NONE)};
  uint8_t r2lMode_ = static_cast<uint8_t>(WIDGET_R2L_MODE::LEFT_TO_RIGHT);
  uint8_t orientation_ = static_cast<uint8_t>(WIDGET_ORIENTATION::LEFT_RIGHT);
  WidgetBase* parentBase_ = nullptr;
  WidgetBase* firstChildBase_ = nullptr;
  WidgetBase* nextBase_ = nullptr;
  AppWidgetInterface* appWidget_ = nullptr;
  // Only ever damaged again, so single precision rounded outwards is enough.
  struct DrawnFrame {
    float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
    static DrawnFrame Enclosing(const Rect& frame) noexcept;
    Rect ToRect() const noexcept { return {left, top, right, bottom}; }
    bool IsEmpty() const noexcept { return !(right > left) || !(bottom > top); }
  };
  DrawnFrame drawnFrame_;
  Vector2d position_;
  Vector2d pixSize_;
  CanvasUnitSize size_;
  // Drawing reads these; layout never does.
  ColorA color_{1.0, 1.0, 1.0, 1.0};
  ColorA backgroundColor_{0.0, 0.0, 0.0, 0.0};
  ColorA borderColor_{0.0, 0.0, 0.0, 1.0};
  std::unique_ptr<Extras> extras_;  // what few widgets set: limits, rounding, style sheet, presenter
  static inline uint32_t layoutStamp_ = 0;  // the UI thread's alone
};

}  // namespace zarvo
