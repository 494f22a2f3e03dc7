#pragma once
#include <vector>

#include "host/ui/AppWindow.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo::bench {

// The window most workloads measure in: a desktop-sized one.
constexpr Vector2d kRenderWindow{1280.0, 800.0};

// An open headless window of that size.
[[nodiscard]] Result<Ref<AppWindow>> MakeWindow(Vector2d size);

struct ButtonWindow {
  Ref<AppWindow> window;
  Ref<TableWidgetInterface> table;
  std::vector<ButtonWidgetRef> buttons;
};

enum class Holder { kWindow, kScrollArea };

// Fills `window` (made when empty) with a table of buttons, each holding a text "B<i>", either
// directly or in a scroll area as large as the window, then lays it out and draws it.
[[nodiscard]] Result<ButtonWindow> MakeButtonWindow(Int columns, Int rows, Ref<AppWindow> window = Ref<AppWindow>(),
                                                    Holder holder = Holder::kWindow);

}  // namespace zarvo::bench
