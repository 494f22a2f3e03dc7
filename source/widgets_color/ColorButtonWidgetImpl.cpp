#include "source/widgets_color/ColorButtonWidgetImpl.h"

#include "source/widgets_color/ColorStyle.h"

namespace zarvo {

ColorButtonWidgetImpl::~ColorButtonWidgetImpl() {
  if (chooser_) (void)chooser_->Close();
}

Result<void> ColorButtonWidgetImpl::InitComponent() {
  ZV_TRY(ButtonWidgetImpl::InitComponent());
  ObservableButtonUp()->AddObserver(this, [this](const ButtonWidgetRef&) {
    return opensChooser_ ? OpenChooser() : Ok();
  });
  return Ok();
}

void ColorButtonWidgetImpl::FreeComponent() {
  FreeObservables({colorChanged_.Peek()});
  ButtonWidgetImpl::FreeComponent();
}

Result<void> ColorButtonWidgetImpl::CreateLayout() {
  ZV_TRY(ButtonWidgetImpl::CreateLayout());
  SetName(kColorButtonWidgetName);
  SetBackgroundVisibility(true);
  SetBorderVisibility(true);
  for (const WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    SetSizeMode(WIDGET_SIZE::FIXED, direction);
  }
  SetFixedSize(CanvasUnitValue::Pix(kColorButtonWidth), WIDGET_DIRECTION::HORIZONTAL);
  SetFixedSize(CanvasUnitValue::Pix(kColorButtonHeight), WIDGET_DIRECTION::VERTICAL);
  // Black and clear until a colour is given.
  SetBackgroundColor(ColorA{0.0, 0.0, 0.0, 0.0});
  return Ok();
}

Result<bool> ColorButtonWidgetImpl::HandleEvent(const DataDictionary* event) {
  // The button's press and release colours would replace the colour it shows.
  const ColorA shown = GetBackgroundColor();
  Result<bool> handled = ButtonWidgetImpl::HandleEvent(event);
  SetBackgroundColor(shown);
  return handled;
}

Result<void> ColorButtonWidgetImpl::OpenChooser() {
  if (GetChooser()) return Ok();
  chooser_.reset();
  ZV_TRY_ASSIGN(chooser_, ColorChooser::Open(*this, GetBackgroundColor(),
                                             [this](const ColorA& color) { return HandleChosen(color); }));
  return Ok();
}

Result<void> ColorButtonWidgetImpl::HandleChosen(const ColorA& color) {
  if (color == GetBackgroundColor()) return Ok();
  SetBackgroundColor(color);
  RequestRedraw();
  ZV_TRY(FireObservable(colorChanged_, WidgetRef(this), color));
  return Ok();
}

}  // namespace zarvo
