#pragma once
#include <memory>

#include "host/core/DataDictionary.h"
#include "host/core/Geometry.h"
#include "host/core/HierarchyObject.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/ui/Font.h"
#include "host/ui/UiTypes.h"

namespace zarvo {

class CanvasInterface;
class AppWidgetInterface;
class AppWindowInterface;
class PresenterInterface;
class CommandInterface;
class Image;
class StyleSheet;
class WidgetInterface;
class WidgetBase;
using WidgetRef = Ref<WidgetInterface>;

// A width and height, each with its unit.
struct CanvasUnitSize {
  CanvasUnitValue width;
  CanvasUnitValue height;
  const CanvasUnitValue& operator[](int direction) const { return direction == 0 ? width : height; }
  CanvasUnitValue& operator[](int direction) { return direction == 0 ? width : height; }
  friend bool operator==(const CanvasUnitSize&, const CanvasUnitSize&) = default;
};

// Corner radii, top-left first, clockwise.
struct Rounding {
  CanvasUnitValue topLeft, topRight, bottomRight, bottomLeft;
  bool IsZero() const { return topLeft.value == 0 && topRight.value == 0 && bottomRight.value == 0 && bottomLeft.value == 0; }
  friend bool operator==(const Rounding&, const Rounding&) = default;
};

// The state of a command as a widget or window reports it.
struct CommandState {
  bool enabled = false;
  bool checked = false;
};

// The widget base every widget class stands on.
//
// How SetLocalSize applies the size modes, per direction, at the moment it is called:
//   NONE       the size is taken as given;
//   MIN        the larger of the given size and the minimum size;
//   MAX        the smaller of the given size and the maximum size;
//   MIN_MAX    the given size held between minimum and maximum (the minimum wins a conflict);
//   FIXED      the fixed size, whatever was given;
//   INFINITE   the size is taken as given; the mode tells containers (cell, button, table) that
//              the widget takes what it is given and is not to be measured or placed by them.
// A NaN or negative size becomes 0. Changing a min, max or fixed size applies the rule to the
// current size at once; changing the mode alone does not (a table sets a cell's modes to NONE,
// sizes it and restores the modes, and the size it gave must stay). Sizes in REM and FON keep their unit; their pixel value uses the
// canvas's REM base. Inherit-parent-size is a request to the parent: containers (cell, table,
// flexbox) honour it when they place the widget; under any other parent the host gives the
// widget the parent's size in that direction before the widget's LayoutPass2.
class WidgetInterface : public virtual HierarchyObject {
 public:
  // Drawing base: helpers that draw in the widget's local coordinates while it is drawn.
  virtual void RequestRedraw() = 0;
  [[nodiscard]] virtual Result<void> DrawLine(Vector2d from, Vector2d to, const ColorA& color, Float width) = 0;
  [[nodiscard]] virtual Result<void> DrawBezier(Vector2d p0, Vector2d c1, Vector2d c2, Vector2d p1, const ColorA& color, Float width) = 0;
  [[nodiscard]] virtual Result<void> DrawPath(const Path& path, const ColorA& color, Float width) = 0;
  [[nodiscard]] virtual Result<void> DrawShape(const Path& path, const ColorA& fill) = 0;
  [[nodiscard]] virtual Result<void> DrawRectangle(const Rect& rect, const ColorA& fill) = 0;
  [[nodiscard]] virtual Result<void> DrawCircle(Vector2d center, Float radius, const ColorA& fill) = 0;
  [[nodiscard]] virtual Result<void> DrawText(const String& text, const FontDescription& font, Vector2d position, const ColorA& color) = 0;
  [[nodiscard]] virtual Result<void> DrawImage(const Image& image, const Rect& destination, Float opacity) = 0;
  [[nodiscard]] virtual Result<void> DrawWire(Vector2d from, Vector2d to, const ColorA& color, Float width) = 0;
  [[nodiscard]] virtual Result<void> DrawSVG(const Url& url, const Rect& destination, Int state) = 0;
  virtual void SetClipping(bool clip) = 0;
  virtual bool GetClipping() const = 0;

  // Layout hooks: LayoutBegin, then LayoutPass1 children before parents (measure), LayoutPass2
  // parents before children (place), LayoutPass3 (late corrections), LayoutEnd.
  [[nodiscard]] virtual Result<void> LayoutBegin() = 0;
  [[nodiscard]] virtual Result<void> LayoutEnd() = 0;
  [[nodiscard]] virtual Result<void> LayoutPass1() = 0;
  [[nodiscard]] virtual Result<void> LayoutPass2() = 0;
  [[nodiscard]] virtual Result<void> LayoutPass3() = 0;

  // Drawing hooks, called in this order while the widget is drawn: DrawBegin, DrawSetClipping,
  // DrawBackground, DrawContent, (children), DrawOverlay, DrawDragAndDropOverlay, DrawBorder,
  // DrawFocus, DrawHighlight, DrawEnd.
  [[nodiscard]] virtual Result<void> DrawBegin() = 0;
  [[nodiscard]] virtual Result<void> DrawEnd() = 0;
  [[nodiscard]] virtual Result<void> DrawSetClipping() = 0;
  [[nodiscard]] virtual Result<void> DrawBackground() = 0;
  [[nodiscard]] virtual Result<void> DrawContent() = 0;
  [[nodiscard]] virtual Result<void> DrawOverlay() = 0;
  [[nodiscard]] virtual Result<void> DrawDragAndDropOverlay() = 0;
  [[nodiscard]] virtual Result<void> DrawBorder() = 0;
  [[nodiscard]] virtual Result<void> DrawFocus() = 0;
  [[nodiscard]] virtual Result<void> DrawHighlight() = 0;

  // Geometry. Positions are in the parent's coordinates, in pixels.
  virtual void SetLocalPosition(Vector2d position) = 0;
  [[nodiscard]] virtual Result<void> SetLocalSize(CanvasUnitValue width, CanvasUnitValue height) = 0;
  [[nodiscard]] virtual Result<void> SetLocalSize(Float width, Float height) = 0;
  virtual void SetLocalScale(Vector2d scale) = 0;
  virtual Vector2d GetLocalPosition() const = 0;
  virtual Vector2d GetLocalScale() const = 0;
  virtual Vector2d GetLocalPixSize() const = 0;
  virtual CanvasUnitSize GetLocalSize() const = 0;
  virtual Rect GetLocalFrame() const = 0;
  virtual Rect GetGlobalFrame() const = 0;
  // The size in the parent's coordinates (scaled).
  virtual Vector2d GetParentLocalSize() const = 0;
  virtual CanvasUnitSize GetParentLocalSizeCUV() const = 0;
  virtual void SetSizeMode(WIDGET_SIZE mode, WIDGET_DIRECTION direction) = 0;
  virtual WIDGET_SIZE GetSizeMode(WIDGET_DIRECTION direction) const = 0;
  virtual void SetInheritParentSize(bool inherit, WIDGET_DIRECTION direction) = 0;
  virtual bool GetInheritParentSize(WIDGET_DIRECTION direction) const = 0;
  virtual void SetMinSize(CanvasUnitValue size, WIDGET_DIRECTION direction) = 0;
  virtual CanvasUnitValue GetMinSize(WIDGET_DIRECTION direction) const = 0;
  virtual void SetMaxSize(CanvasUnitValue size, WIDGET_DIRECTION direction) = 0;
  virtual CanvasUnitValue GetMaxSize(WIDGET_DIRECTION direction) const = 0;
  virtual void SetFixedSize(CanvasUnitValue size, WIDGET_DIRECTION direction) = 0;
  virtual CanvasUnitValue GetFixedSize(WIDGET_DIRECTION direction) const = 0;
  virtual Float ToPixels(CanvasUnitValue value) const = 0;
  virtual Matrix2d GetLocalMatrix() const = 0;
  virtual Matrix2d GetGlobalMatrix() const = 0;
  virtual Matrix2d GetGlobalInverseMatrix() const = 0;
  virtual Vector2d GlobalToLocalPosition(Vector2d position) const = 0;
  virtual Vector2d LocalToGlobalPosition(Vector2d position) const = 0;
  virtual Vector2d GlobalToLocalSize(Vector2d size) const = 0;
  virtual Vector2d LocalToGlobalSize(Vector2d size) const = 0;
  virtual Path GlobalToLocalPath(const Path& path) const = 0;
  virtual Path LocalToGlobalPath(const Path& path) const = 0;
  virtual Vector2d LocalToScreenPosition(Vector2d position) const = 0;
  virtual Vector2d ScreenToLocalPosition(Vector2d position) const = 0;

  // Appearance.
  virtual void SetLocalVisibility(bool visible) = 0;
  virtual bool GetLocalVisibility() const = 0;
  // Visible along the whole chain of parents.
  virtual bool GetGlobalVisibility() const = 0;
  virtual void SetColor(const ColorA& color) = 0;
  virtual ColorA GetColor() const = 0;
  virtual void SetLocalOpacity(Float opacity) = 0;
  virtual Float GetLocalOpacity() const = 0;
  virtual void SetAcceptFocus(bool accept) = 0;
  virtual bool GetAcceptFocus() const = 0;
  virtual void SetAcceptTabFocus(bool accept) = 0;
  virtual bool GetAcceptTabFocus() const = 0;
  virtual void SetFocusVisibility(bool visible) = 0;
  virtual bool GetFocusVisibility() const = 0;
  virtual bool HasFocus() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool GetEnabled() const = 0;
  virtual void SetSelection(bool selected) = 0;
  virtual bool GetSelection() const = 0;
  virtual void SetBackgroundVisibility(bool visible) = 0;
  virtual bool GetBackgroundVisibility() const = 0;
  virtual void SetBackgroundColor(const ColorA& color) = 0;
  virtual ColorA GetBackgroundColor() const = 0;
  virtual void SetBorderVisibility(bool visible) = 0;
  virtual bool GetBorderVisibility() const = 0;
  virtual void SetBorderColor(const ColorA& color) = 0;
  virtual ColorA GetBorderColor() const = 0;
  virtual void SetBorderLinewidth(CanvasUnitValue width) = 0;
  virtual CanvasUnitValue GetBorderLinewidth() const = 0;
  virtual void SetRounding(const Rounding& rounding) = 0;
  virtual Rounding GetRounding() const = 0;

  // Context.
  virtual Ref<PresenterInterface> GetPresenter() const = 0;
  virtual void SetPresenter(const Ref<PresenterInterface>& presenter) = 0;
  virtual AppWindowInterface* GetAppWindow() const = 0;
  virtual AppWidgetInterface* GetAppWidget() const = 0;
  virtual CanvasInterface* GetCanvas() const = 0;

  // Content.
  [[nodiscard]] virtual Result<void> CreateLayout() = 0;
  virtual void RequestSwitchLayout() = 0;
  [[nodiscard]] virtual Result<void> HandleSwitchLayout() = 0;
  // Asks for the widget's layout to run again at the next layout run.
  virtual void RequestLayout() = 0;
  virtual bool IsLayoutCreated() const = 0;

  // Direction.
  virtual void SetR2LMode(WIDGET_R2L_MODE mode) = 0;
  virtual WIDGET_R2L_MODE GetR2LMode() const = 0;
  virtual void SetAcceptR2LMode(bool accept) = 0;
  virtual bool GetAcceptR2LMode() const = 0;
  virtual void SetOrientation(WIDGET_ORIENTATION orientation) = 0;
  virtual WIDGET_ORIENTATION GetOrientation() const = 0;
  virtual WIDGET_ORIENTATION GetEffectiveOrientation() const = 0;
  virtual void SetLOD(Int lod) = 0;
  virtual Int GetLOD() const = 0;

  // Input. Positions are global canvas coordinates.
  [[nodiscard]] virtual Result<bool> MouseHit(Vector2d position) const = 0;
  [[nodiscard]] virtual Result<bool> FrameHit(const Rect& globalFrame) const = 0;
  [[nodiscard]] virtual Result<void> HandleCursorInfo(Vector2d position) = 0;
  // True when the event was consumed; false lets the host pass it to the parent.
  [[nodiscard]] virtual Result<bool> HandleEvent(const DataDictionary* event) = 0;
  virtual bool GetAcceptDragAndDrop() const = 0;
  [[nodiscard]] virtual Result<bool> HandleDragAndDrop(const DataDictionary& event) = 0;

  // Commands.
  [[nodiscard]] virtual Result<Ref<ObjectInterface>> GetPopupMenu(Vector2d position) = 0;
  [[nodiscard]] virtual Result<bool> HandleCommand(const Id& command, const DataDictionary& arguments) = 0;
  [[nodiscard]] virtual Result<CommandState> QueryCommand(const Id& command) = 0;
  [[nodiscard]] virtual Result<void> ExecuteCommand(const Id& command, const DataDictionary& arguments) = 0;
  [[nodiscard]] virtual Result<void> HandlePresenterUpdate(const DataDictionary& update) = 0;

  // Serial state.
  virtual bool IsSerialDirty() const = 0;
  virtual void ResetSerialDirty() = 0;
  [[nodiscard]] virtual Result<void> SetSerialData(const DataDictionary& data) = 0;
  [[nodiscard]] virtual Result<DataDictionary> GetSerialData() const = 0;

  // Style: the widget's own style sheet, else its nearest ancestor's, else the service's.
  virtual const StyleSheet* GetWidgetStylesheet() const = 0;
  virtual void SetStylesheet(std::shared_ptr<const StyleSheet> sheet) = 0;

  // Tree helpers over the widget children (children that are not widgets are skipped).
  WidgetInterface* GetParentWidget() const noexcept { return GetParent() ? GetParent()->AsWidget() : nullptr; }
  WidgetInterface* GetFirstChildWidget() const noexcept { return GetFirstChild() ? GetFirstChild()->AsWidget() : nullptr; }
  WidgetInterface* GetNextWidget() const noexcept { return GetNext() ? GetNext()->AsWidget() : nullptr; }

  WidgetInterface* AsWidget() noexcept override { return this; }
  // The host's own implementation behind every widget (the layout and drawing walks keep their
  // bookkeeping there). Widget classes do not call it.
  virtual WidgetBase* GetBase() noexcept = 0;
  virtual const WidgetBase* GetBase() const noexcept = 0;
};

}  // namespace zarvo
