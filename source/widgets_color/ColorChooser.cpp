#include "source/widgets_color/ColorChooser.h"

#include <cmath>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/OsWindow.h"
#include "source/widgets_color/ColorLayout.h"
#include "source/widgets_color/ColorStyle.h"

namespace zarvo {

Result<std::unique_ptr<ColorChooser>> ColorChooser::Open(const WidgetInterface& owner, const ColorA& color,
                                                         Chosen chosen) {
  std::unique_ptr<ColorChooser> chooser(new ColorChooser());
  chooser->chosen_ = std::move(chosen);
  if (Result<void> built = chooser->Build(owner, color); !built.IsOk()) {
    (void)chooser->Close();
    return built.GetError();
  }
  return chooser;
}

ColorChooser::~ColorChooser() { (void)Close(); }

Result<void> ColorChooser::Build(const WidgetInterface& owner, const ColorA& color) {
  ZV_TRY_ASSIGN(window_, CreateObject<Desktop2dWindowInterface>(Id(kDesktop2dWindowClassId)));
  const Rect provisional = Rect::FromSize(0.0, 0.0, kColorChooserProvisionalSide, kColorChooserProvisionalSide);
  ZV_TRY(window_->CreateWindow(provisional, kColorChooserTitle));
  AppWidgetInterface* root = window_->GetAppWidget();
  if (!root) return IllegalStateError("Missing widget link");
  root->SetBackgroundVisibility(true);
  root->SetBackgroundColor(kColorChooserBackground);

  ZV_TRY_ASSIGN(content_, MakeTable(1, 2));
  TableWidgetInterface* content = content_.Get();
  ZV_TRY_ASSIGN(picker_, CreateObject<ColorPickerWidgetInterface>(Id(kColorPickerWidgetClassId)));
  ZV_TRY(picker_->CreateLayout());
  ZV_TRY(picker_->SetPickedColor(color, false));
  ZV_TRY_ASSIGN(picked_, picker_->GetPickedColor());
  picker_->ObservableColorChanged()->AddObserver([this](const WidgetRef&, ColorA picked) -> Result<void> {
    picked_ = picked;
    return Ok();
  });
  ZV_TRY(PlaceInCell(*content, 0, 0, picker_, kColorChooserPadding));

  ZV_TRY_ASSIGN(TableWidgetRef buttons, MakeTable(2, 1));
  ZV_TRY_ASSIGN(ok_, MakeTextButton("OK"));
  ZV_TRY_ASSIGN(cancel_, MakeTextButton("Cancel"));
  ZV_TRY(PlaceInCell(*buttons, 0, 0, ok_, kColorChooserPadding));
  ZV_TRY(PlaceInCell(*buttons, 1, 0, cancel_, kColorChooserPadding));
  ZV_TRY(PlaceInCell(*content, 0, 1, buttons, 0.0));
  ZV_TRY(root->InsertChildLast(content_));

  ok_->ObservableButtonUp()->AddObserver([this](const ButtonWidgetRef&) -> Result<void> {
    // Closed first: an opener that opens another window on the news finds this one gone.
    ZV_TRY(Close());
    return chosen_ ? chosen_(picked_) : Ok();
  });
  cancel_->ObservableButtonUp()->AddObserver([this](const ButtonWidgetRef&) { return Close(); });
  // The window's own close button needs nothing here: the window closes, nothing is chosen.
  ZV_TRY(root->ComputeLayout());
  ZV_TRY(Place(owner));
  CanvasInterface* canvas = window_->GetCanvas();
  if (!canvas) return IllegalStateError("Missing widget link");
  ZV_TRY(canvas->OpenWindow());
  return window_->Update();
}

Result<void> ColorChooser::Place(const WidgetInterface& owner) {
  AppWidgetInterface* root = window_->GetAppWidget();
  CanvasInterface* canvas = window_->GetCanvas();
  if (!canvas) return IllegalStateError("Missing widget link");
  // Windows are whole pixels; rounding up keeps the last row inside.
  const Vector2d natural = content_->GetLocalPixSize();
  const Vector2d size{std::ceil(natural.x), std::ceil(natural.y)};
  const Rect ownerFrame = owner.GetGlobalFrame();
  const Vector2d below = owner.LocalToScreenPosition({0.0, ownerFrame.Height() + kColorChooserOffset});
  Rect frame = Rect::FromSize(below.x, below.y, size.x, size.y);
  const CanvasInterface* ownerCanvas = owner.GetCanvas();
  const Rect ownerWindow = ownerCanvas ? ownerCanvas->GetWindowFrame() : frame;
  if (Result<Monitor> monitor = WindowSystem::Get().GetMonitorFor(ownerWindow); monitor.IsOk()) {
    frame = FitFrameToWorkRect(frame, monitor->GetWorkRect());
  }
  ZV_TRY(canvas->SetWindowSize(size));
  ZV_TRY(canvas->SetWindowPosition({frame.left, frame.top}));
  return root->SetLocalSize(size.x, size.y);
}

Result<void> ColorChooser::Close() {
  if (!window_) return Ok();
  CanvasInterface* canvas = window_->GetCanvas();
  if (!canvas || !canvas->IsWindowOpen()) return Ok();
  return canvas->CloseWindow();
}

bool ColorChooser::IsOpen() const {
  CanvasInterface* canvas = window_ ? window_->GetCanvas() : nullptr;
  return canvas && canvas->IsWindowOpen();
}

}  // namespace zarvo
