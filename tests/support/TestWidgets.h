#pragma once
#include <gtest/gtest.h>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo::test {

// A headless window for a widget test; fails the test when it cannot be made.
inline Ref<AppWindow> MakeTestWindow(const Rect& frame) {
  Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), frame);
  EXPECT_TRUE(window.IsOk()) << window.GetError().ToString();
  return window.IsOk() ? *window : Ref<AppWindow>();
}

// A catalogued class created by id through interface I; fails the test when it cannot be.
template <class I>
Ref<I> NewObject(const char* classId) {
  Result<Ref<I>> object = CreateObject<I>(Id(classId));
  EXPECT_TRUE(object.IsOk()) << object.GetError().ToString();
  return object.IsOk() ? *object : Ref<I>();
}

// A window of `windowClass`, opened; fails the test when it cannot be made or opened.
inline Ref<AppWindow> OpenTestWindow(const Id& windowClass, const Rect& frame, const String& title = String()) {
  Result<Ref<AppWindow>> window = AppWindow::Create(windowClass, frame, title);
  EXPECT_TRUE(window.IsOk()) << window.GetError().ToString();
  if (!window.IsOk()) return Ref<AppWindow>();
  EXPECT_TRUE((*window)->Open().IsOk());
  return *window;
}

// A button at `frame` in the window's root, laid out and drawn.
inline ButtonWidgetRef AddTestButton(AppWindow& window, const Rect& frame) {
  ButtonWidgetRef button = NewObject<ButtonWidgetInterface>(kButtonWidgetClassId);
  if (!button) return button;
  EXPECT_TRUE(window.GetAppWidget()->InsertChildLast(button).IsOk());
  button->SetLocalPosition({frame.left, frame.top});
  EXPECT_TRUE(button->SetLocalSize(frame.Width(), frame.Height()).IsOk());
  EXPECT_TRUE(window.Update().IsOk());
  return button;
}

// The first widget in cell (x, y) of a table, as interface I; empty when there is none.
template <class I>
Ref<I> ChildOfCell(const TableWidgetInterface& table, Int x, Int y) {
  Result<CellWidgetRef> cell = table.GetCell(x, y);
  if (!cell.IsOk() || !*cell) return Ref<I>();
  return Cast<I>(WidgetRef((*cell)->GetFirstChildWidget()));
}

}  // namespace zarvo::test
