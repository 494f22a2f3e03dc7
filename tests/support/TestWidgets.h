#pragma once
#include <gtest/gtest.h>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"

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

}  // namespace zarvo::test
