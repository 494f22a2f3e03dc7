#pragma once
#include <vector>

#include "host/ui/AppWidgetInterface.h"
#include "host/ui/WidgetBase.h"

namespace zarvo {

// Opacity of the host's hover highlight when none was set.
constexpr Float kDefaultHoverHighlightOpacity = 0.06;
// How far focus rings and borders may reach outside a frame, for damage and culling.
constexpr Float kDrawMargin = 2.0;
// Rounds of a layout run at most, when widgets size themselves while placing their children.
constexpr int kMaxLayoutRounds = 4;

// The root widget of a window: drives layout runs, the drawing walk and input routing.
class AppWidget final : public WidgetBase, public virtual AppWidgetInterface {
 public:
  AppWidget(AppWindowInterface* window, CanvasInterface* canvas);
  ~AppWidget() override;

  Result<void> ComputeLayout() override;
  Result<void> ComputePartialLayout(WidgetInterface* root) override;
  Result<Rect> DrawLayout() override;
  void InvalidateLayout(WidgetInterface* root) override;
  bool IsLayoutRunning() const override { return layoutRunning_; }
  void ScheduleUpdate() override { updatePending_ = true; }
  bool IsUpdatePending() const { return updatePending_; }
  AppWindowInterface* GetOwnerWindow() const override { return window_; }
  CanvasInterface* GetCanvas() const override { return canvas_; }
  Float GetCanvasRemBase() const override;
  // The window is going away: nothing may reach it any more.
  void Detach();

  Result<bool> DispatchEvent(const DataDictionary& event) override;
  WidgetInterface* FindHitWidget(Vector2d position) override;
  Result<void> SetFocusWidget(WidgetInterface* widget) override;
  WidgetInterface* GetFocusWidget() const override { return focus_.GetUnsafe(); }
  Result<bool> MoveTabFocus(bool backwards) override;

  Result<ActionRef> CreateAction(const Id& actionClassId) override;
  Result<bool> StartAction(const ActionRef& action, WidgetInterface* widget, const DataDictionary& event) override;
  ActionRef GetCurrentAction() const override { return action_; }
  Result<void> EndAction(const DataDictionary& event) override;
  Result<void> CancelAction() override;
  bool IsActionRunning() const override { return static_cast<bool>(action_); }

  WidgetInterface* GetHoverWidget() const override { return hoverWidget_.GetUnsafe(); }
  void SetHoverHighlightOpacity(Float opacity) override;
  Float GetHoverHighlightOpacity() const override;

 private:
  Result<void> RunLayout(WidgetBase* root);
  Result<void> RunLayoutRound(WidgetBase* root);
  // Begins (CreateLayout, switch, LayoutBegin) on the way down and measures (pass 1) on the way
  // up, so each widget is visited once for both.
  Result<void> Measure(WidgetBase* widget);
  // Places (pass 2) on the way down and finishes (pass 3, LayoutEnd) on the way up.
  Result<void> Place(WidgetBase* widget, WidgetBase* parent, const Matrix2d& parentMatrix);
  Result<void> DrawWidget(WidgetBase* widget, const Matrix2d& parentMatrix, const Rect& damage);
  WidgetInterface* HitIn(WidgetBase* widget, const Matrix2d& parentMatrix, Vector2d position);
  // Hands the event to `target`, then to its parents until one consumes it.
  Result<bool> Bubble(WidgetInterface* target, const DataDictionary& event);
  Result<void> UpdateHover(Vector2d position, WidgetInterface* hit);
  void DamageWidget(WidgetInterface* widget);
  void DamageActionOverlay();

  AppWindowInterface* window_;
  CanvasInterface* canvas_;
  bool layoutRunning_ = false;
  bool updatePending_ = true;
  std::vector<WidgetBase*> resizedInPlace_;  // parents of widgets that sized themselves in pass 2
  WeakRef<WidgetInterface> focus_;
  WeakRef<WidgetInterface> capture_;
  WeakRef<WidgetInterface> hoverWidget_;
  std::vector<WeakRef<WidgetInterface>> hovered_;
  ActionRef action_;
  Float hoverOpacity_ = -1.0;  // negative: the style sheet's value
};

}  // namespace zarvo
