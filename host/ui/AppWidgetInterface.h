#pragma once
#include "host/core/DataDictionary.h"
#include "host/ui/ActionInterface.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

// The root widget of a window: runs layout and drawing, routes input, keeps the focus and the
// running action.
class AppWidgetInterface : public virtual WidgetInterface {
 public:
  // Runs the layout of every widget that asked for it (and what that touches).
  [[nodiscard]] virtual Result<void> ComputeLayout() = 0;
  // Runs the layout of one subtree now, as if it were the whole window.
  [[nodiscard]] virtual Result<void> ComputePartialLayout(WidgetInterface* root) = 0;
  // Draws what was damaged since the last draw; returns the global area drawn (empty if none).
  [[nodiscard]] virtual Result<Rect> DrawLayout() = 0;
  // Marks every widget of a subtree for layout, as a change every widget depends on (the REM
  // base, the style sheet) does.
  virtual void InvalidateLayout(WidgetInterface* root) = 0;
  // True while a layout run is in progress (changes then are the run's own work).
  virtual bool IsLayoutRunning() const = 0;
  // Asks the window for an update (layout and drawing) at the next turn of its loop.
  virtual void ScheduleUpdate() = 0;
  virtual AppWindowInterface* GetOwnerWindow() const = 0;
  // The canvas's pixels per REM (the default when there is no canvas), asked for by every
  // length conversion of every widget.
  virtual Float GetCanvasRemBase() const = 0;

  // Entry for input: routes an event record to the widgets. True when a widget consumed it.
  [[nodiscard]] virtual Result<bool> DispatchEvent(const DataDictionary& event) = 0;

  // The deepest visible widget under a global position (nullptr when none).
  virtual WidgetInterface* FindHitWidget(Vector2d position) = 0;
  // The nearest widget under the position, from the deepest up, that implements I.
  template <class I>
  I* FindHitWidgetType(Vector2d position) {
    for (WidgetInterface* w = FindHitWidget(position); w; w = w->GetParentWidget()) {
      if (auto* typed = dynamic_cast<I*>(w)) return typed;
    }
    return nullptr;
  }

  [[nodiscard]] virtual Result<void> SetFocusWidget(WidgetInterface* widget) = 0;
  virtual WidgetInterface* GetFocusWidget() const = 0;
  // Moves the focus to the next (or previous) widget that accepts tab focus.
  [[nodiscard]] virtual Result<bool> MoveTabFocus(bool backwards) = 0;

  // Actions.
  [[nodiscard]] virtual Result<ActionRef> CreateAction(const Id& actionClassId) = 0;
  [[nodiscard]] virtual Result<bool> StartAction(const ActionRef& action, WidgetInterface* widget, const DataDictionary& event) = 0;
  virtual ActionRef GetCurrentAction() const = 0;
  [[nodiscard]] virtual Result<void> EndAction(const DataDictionary& event) = 0;
  [[nodiscard]] virtual Result<void> CancelAction() = 0;
  virtual bool IsActionRunning() const = 0;

  // The host's hover highlight drawn over the widget under the pointer (DrawHighlight).
  virtual WidgetInterface* GetHoverWidget() const = 0;
  virtual void SetHoverHighlightOpacity(Float opacity) = 0;
  virtual Float GetHoverHighlightOpacity() const = 0;
};

using AppWidgetRef = Ref<AppWidgetInterface>;

}  // namespace zarvo
