#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"

namespace zarvo {

// How the compound colour widgets build their rows.

// Puts `child` into cell (x, y), centred vertically, with `padding` pixels on every side.
[[nodiscard]] Result<void> PlaceInCell(TableWidgetInterface& table, Int x, Int y, const WidgetRef& child,
                                       Float padding);
// A laid-out text button showing `text`.
[[nodiscard]] Result<TextButtonWidgetRef> MakeTextButton(const String& text);
// A laid-out table with `columns` × `rows` cells.
[[nodiscard]] Result<TableWidgetRef> MakeTable(Int columns, Int rows);

}  // namespace zarvo
