#include "host/ui/PopupWindow.h"

#include <gtest/gtest.h>

#include "host/ui/Canvas.h"
#include "tests/support/HeadlessSystemTest.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

using PopupWindowTest = test::HeadlessSystemTest;

OsWindow* OsOf(const AppWindow& window) { return window.GetHostCanvas()->GetOsWindow(); }

TEST_F(PopupWindowTest, APopupIsAHiddenMenuWindowOfItsOwner) {
  Ref<AppWindow> owner = test::OpenTestWindow(WindowClass::Window(), Rect{100, 100, 500, 400});
  Result<Ref<AppWindow>> popup = CreatePopupWindow(owner->GetCanvas());
  ASSERT_TRUE(popup.IsOk()) << popup.GetError().ToString();
  EXPECT_EQ(OsOf(**popup)->GetWindowClass(), WindowClass::WindowMenu());
  EXPECT_EQ(OsOf(**popup)->GetParent(), OsOf(*owner));
  EXPECT_FALSE((*popup)->IsOpen());
  ASSERT_TRUE((*popup)->Open().IsOk());
  EXPECT_TRUE(OsOf(**popup)->IsShown());
}

TEST_F(PopupWindowTest, APopupClosesWithItsOwner) {
  Ref<AppWindow> owner = test::OpenTestWindow(WindowClass::Window(), Rect{100, 100, 500, 400});
  Result<Ref<AppWindow>> popup = CreatePopupWindow(owner->GetCanvas());
  ASSERT_TRUE(popup.IsOk());
  ASSERT_TRUE((*popup)->Open().IsOk());
  ASSERT_TRUE(owner->Close().IsOk());
  EXPECT_FALSE((*popup)->IsOpen());
  EXPECT_TRUE(OsOf(**popup)->IsClosed());
}

TEST_F(PopupWindowTest, APopupGoneFirstLeavesItsOwnerAlone) {
  Ref<AppWindow> owner = test::OpenTestWindow(WindowClass::Window(), Rect{100, 100, 500, 400});
  {
    Result<Ref<AppWindow>> popup = CreatePopupWindow(owner->GetCanvas());
    ASSERT_TRUE(popup.IsOk());
  }
  EXPECT_TRUE(owner->Close().IsOk());
}

TEST_F(PopupWindowTest, WithoutAnOwnerThePopupStandsAlone) {
  Result<Ref<AppWindow>> popup = CreatePopupWindow(nullptr);
  ASSERT_TRUE(popup.IsOk());
  EXPECT_EQ(OsOf(**popup)->GetParent(), nullptr);
}

TEST_F(PopupWindowTest, TheWorkRectIsTheMonitorsFreeArea) {
  Ref<AppWindow> owner = test::OpenTestWindow(WindowClass::Window(), Rect{100, 100, 500, 400});
  Result<Rect> work = GetWindowWorkRect(*owner->GetCanvas());
  ASSERT_TRUE(work.IsOk());
  EXPECT_EQ(*work, (Rect{0, 0, kHeadlessMonitorWidth, kHeadlessMonitorHeight - kHeadlessPanelHeight}));
}

}  // namespace
}  // namespace zarvo
