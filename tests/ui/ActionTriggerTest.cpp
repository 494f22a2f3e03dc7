#include <gtest/gtest.h>

#include "host/ui/ActionTrigger.h"
#include "host/ui/EventKeys.h"

namespace zarvo {
namespace {

TEST(ActionTriggerTest, MatchesButtonsKeysAndExactModifiers) {
  ActionTrigger trigger;
  ASSERT_TRUE(trigger.RegisterHotkeyPattern({EVENT::BUTTON_DOWN, BUTTON::MIDDLE, 0, MODIFIER::NONE}, Id("pan")).IsOk());
  ASSERT_TRUE(trigger.RegisterHotkeyPattern({EVENT::BUTTON_DOWN, BUTTON::LEFT, 0, MODIFIER::ALT}, Id("pan")).IsOk());
  ASSERT_TRUE(trigger.RegisterHotkeyPattern({EVENT::KEYBOARD_KEY_DOWN, BUTTON::NONE, 'z', MODIFIER::NONE}, Id("zoom")).IsOk());

  const Id* found = trigger.FindAction(MakeMouseEvent(EVENT::BUTTON_DOWN, {1, 1}, BUTTON::MIDDLE));
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(*found, Id("pan"));
  EXPECT_EQ(trigger.FindAction(MakeMouseEvent(EVENT::BUTTON_DOWN, {1, 1}, BUTTON::LEFT)), nullptr);
  EXPECT_NE(trigger.FindAction(MakeMouseEvent(EVENT::BUTTON_DOWN, {1, 1}, BUTTON::LEFT,
                                              MODIFIER::ALT | MODIFIER::CAPSLOCK)), nullptr)
      << "caps lock does not count";
  EXPECT_EQ(trigger.FindAction(MakeMouseEvent(EVENT::BUTTON_DOWN, {1, 1}, BUTTON::MIDDLE, MODIFIER::SHIFT)), nullptr);
  found = trigger.FindAction(MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, 'z'));
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(*found, Id("zoom"));
  EXPECT_EQ(trigger.FindAction(MakeMouseEvent(EVENT::BUTTON_DRAG, {1, 1}, BUTTON::MIDDLE)), nullptr);

  EXPECT_TRUE(trigger.UnregisterHotkeyPatterns(Id("pan")));
  EXPECT_EQ(trigger.GetPatternCount(), 1u);
}

TEST(ActionTriggerTest, RefusesPatternsNoEventMatches) {
  ActionTrigger trigger;
  EXPECT_EQ(trigger.RegisterHotkeyPattern({EVENT::BUTTON_DOWN, BUTTON::NONE, 0, 0}, Id("a")).GetError().GetMessage(),
            "Hotkey pattern without a button");
  EXPECT_FALSE(trigger.RegisterHotkeyPattern({EVENT::KEYBOARD_KEY_DOWN, 0, 0, 0}, Id("a")).IsOk());
  EXPECT_FALSE(trigger.RegisterHotkeyPattern({EVENT::SCROLL, BUTTON::LEFT, 0, 0}, Id("a")).IsOk());
  EXPECT_FALSE(trigger.RegisterHotkeyPattern({EVENT::BUTTON_DOWN, BUTTON::LEFT, 0, 0}, Id()).IsOk());
  EXPECT_EQ(trigger.GetPatternCount(), 0u);
}

}  // namespace
}  // namespace zarvo
