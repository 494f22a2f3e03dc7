#pragma once
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/UiTypes.h"
#include "source/interfaces/ImageTextButtonWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"

namespace zarvo {

// The item widgets that choosers make from their adapters' items: a laid-out text button
// showing `text`, and an image-and-text button with a square icon of `iconSize`.
[[nodiscard]] Result<TextButtonWidgetRef> MakeTextItemButton(const String& text);
[[nodiscard]] Result<ImageTextButtonWidgetRef> MakeTextAndIconItemButton(const String& text, const Url& icon,
                                                                         CanvasUnitValue iconSize);
// Makes an item widget and its descendants take neither the focus nor the pointer, so that
// presses on it reach the chooser holding it.
void MakeInert(WidgetInterface& widget);

}  // namespace zarvo
