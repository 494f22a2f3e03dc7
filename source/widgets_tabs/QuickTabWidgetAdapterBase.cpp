#include "source/widgets_tabs/QuickTabWidgetAdapterBase.h"

#include <memory>
#include <new>
#include <string>

#include "source/WidgetComponent.h"
#include "source/interfaces/PaddingWidgetInterface.h"

namespace zarvo {

namespace {
constexpr Float kByte = 1.0 / 255.0;
const StyleKey<Float> kLeftPadding =
    StyleSheetService::Declare<Float>("net.zarvo.mvp.stylesheet.quicktab.button_left_padding", 5.0);
const StyleKey<Float> kRightPadding =
    StyleSheetService::Declare<Float>("net.zarvo.mvp.stylesheet.quicktab.button_right_padding", 5.0);
const StyleKey<Float> kTopPadding =
    StyleSheetService::Declare<Float>("net.zarvo.mvp.stylesheet.quicktab.button_top_padding", 2.0);
const StyleKey<Float> kBottomPadding =
    StyleSheetService::Declare<Float>("net.zarvo.mvp.stylesheet.quicktab.button_bottom_padding", 2.0);
const StyleKey<ColorA> kBackgroundColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.quicktab.button_background_color", ColorA{89 * kByte, 89 * kByte, 89 * kByte, 1.0});
const StyleKey<ColorA> kTextColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.quicktab.button_text_color", ColorA{1.0, 1.0, 1.0, 1.0});
const StyleKey<ColorA> kSelectedBackgroundColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.quicktab.button_selected_background_color", ColorA{133 * kByte, 163 * kByte, 0.8, 1.0});
const StyleKey<ColorA> kSelectedTextColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.quicktab.button_selected_text_color", ColorA{0.0, 0.0, 0.0, 1.0});
const StyleKey<ColorA> kBorderColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.quicktab.button_border_color", ColorA{58 * kByte, 58 * kByte, 58 * kByte, 1.0});

// The keys a button reads its fill from when the pointer enters and leaves it. A tab shows its
// selection state instead, so its own style sheet sets both to the state's colour.
const Id& ButtonBackgroundKey() {
  static const Id key("net.zarvo.mvp.stylesheet.button.background_color");
  return key;
}
const Id& ButtonHighlightKey() {
  static const Id key("net.zarvo.mvp.stylesheet.button.highlight_color");
  return key;
}

// The sheet the tab inherits, with the fill of its state.
std::shared_ptr<const StyleSheet> TabStyleSheet(const WidgetInterface& parent, const ColorA& fill) {
  const StyleSheet* inherited = parent.GetWidgetStylesheet();
  DataDictionary values = inherited ? inherited->GetValues() : DataDictionary();
  values.Set(ButtonBackgroundKey(), fill);
  values.Set(ButtonHighlightKey(), fill);
  return std::make_shared<const StyleSheet>(std::move(values));
}
}  // namespace

Result<void> QuickTabWidgetAdapterBase::CheckIndex(Int index) const {
  if (index < 0 || index >= GetCount()) {
    return IllegalArgumentError("Item index " + std::to_string(index) + " is out of range");
  }
  return Ok();
}

Result<WidgetRef> QuickTabWidgetAdapterBase::AdoptTab(Int index, const ButtonWidgetRef& button,
                                                     const TextWidgetRef& label) {
  if (auto padding = Cast<PaddingWidgetInterface>(WidgetRef(button->GetFirstChildWidget()))) {
    ZV_TRY(padding->SetPadding(CanvasUnitValue::Fon(ReadStyle(*button, kLeftPadding)),
                               CanvasUnitValue::Fon(ReadStyle(*button, kRightPadding)),
                               CanvasUnitValue::Fon(ReadStyle(*button, kTopPadding)),
                               CanvasUnitValue::Fon(ReadStyle(*button, kBottomPadding))));
  }
  try {
    if (tabs_.size() < static_cast<size_t>(GetCount())) tabs_.resize(static_cast<size_t>(GetCount()));
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  tabs_[static_cast<size_t>(index)] = Tab{WeakRef<ButtonWidgetInterface>(button), WeakRef<TextWidgetInterface>(label)};
  ZV_TRY(HighlightItem(index, false));
  return WidgetRef(button);
}

Result<void> QuickTabWidgetAdapterBase::HighlightItem(Int index, Bool selected) {
  ZV_TRY(CheckIndex(index));
  if (static_cast<size_t>(index) >= tabs_.size()) return Ok();
  const Tab& tab = tabs_[static_cast<size_t>(index)];
  const ButtonWidgetRef button = tab.button.Lock();
  if (!button) return Ok();
  // Read where the tab sits, so that its own sheet does not shadow a changed parent sheet.
  const WidgetInterface* parent = button->GetParentWidget();
  const WidgetInterface& styleSource = parent ? *parent : static_cast<const WidgetInterface&>(*button);
  const ColorA fill = ReadStyle(styleSource, selected ? kSelectedBackgroundColor : kBackgroundColor);
  button->SetStylesheet(TabStyleSheet(styleSource, fill));
  button->SetBackgroundVisibility(true);
  button->SetBackgroundColor(fill);
  button->SetBorderVisibility(true);
  button->SetBorderColor(ReadStyle(styleSource, kBorderColor));
  if (const TextWidgetRef label = tab.label.Lock()) {
    label->SetColor(ReadStyle(styleSource, selected ? kSelectedTextColor : kTextColor));
  }
  button->RequestRedraw();
  return Ok();
}

}  // namespace zarvo
