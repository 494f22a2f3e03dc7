#include <gtest/gtest.h>

#include "source/widgets_values/ToggleRules.h"

namespace zarvo {
namespace {

struct MouseCase {
  EVENT type;
  Int buttons;
  BUTTON_REACTION reaction;
  ToggleAction expected;
};

class MouseToggleActionTest : public testing::TestWithParam<MouseCase> {};

TEST_P(MouseToggleActionTest, DecidesByEventButtonAndReaction) {
  const MouseCase& c = GetParam();
  EXPECT_EQ(MouseToggleAction(c.type, c.buttons, c.reaction), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MouseToggleActionTest,
    testing::Values(
        MouseCase{EVENT::BUTTON_DOWN, BUTTON::LEFT, BUTTON_REACTION::BUTTON_DOWN, ToggleAction::kToggle},
        MouseCase{EVENT::BUTTON_UP, BUTTON::LEFT, BUTTON_REACTION::BUTTON_DOWN, ToggleAction::kConsume},
        MouseCase{EVENT::BUTTON_UP, BUTTON::LEFT, BUTTON_REACTION::BUTTON_UP, ToggleAction::kToggle},
        MouseCase{EVENT::BUTTON_DOWN, BUTTON::LEFT, BUTTON_REACTION::BUTTON_UP, ToggleAction::kConsume},
        MouseCase{EVENT::BUTTON_DOWN, BUTTON::RIGHT, BUTTON_REACTION::BUTTON_DOWN, ToggleAction::kIgnore},
        MouseCase{EVENT::BUTTON_DOWN, BUTTON::LEFT | BUTTON::RIGHT, BUTTON_REACTION::BUTTON_DOWN,
                  ToggleAction::kIgnore},
        MouseCase{EVENT::BUTTON_UP, BUTTON::NONE, BUTTON_REACTION::BUTTON_UP, ToggleAction::kIgnore},
        MouseCase{EVENT::BUTTON_DRAG, BUTTON::LEFT, BUTTON_REACTION::BUTTON_DOWN, ToggleAction::kIgnore},
        MouseCase{EVENT::KEYBOARD_KEY_DOWN, BUTTON::LEFT, BUTTON_REACTION::BUTTON_DOWN, ToggleAction::kIgnore}));

TEST(StepToggleStateTest, WrapsBothWays) {
  EXPECT_EQ(StepToggleState(0, 1, 3), 1);
  EXPECT_EQ(StepToggleState(2, 1, 3), 0);
  EXPECT_EQ(StepToggleState(0, -1, 3), 2);
  EXPECT_EQ(StepToggleState(1, -1, 3), 0);
  EXPECT_EQ(StepToggleState(0, 1, 1), 0);
  EXPECT_EQ(StepToggleState(0, -7, 3), 2);
}

TEST(ToggleIconStateTest, HighlightKeepsActivation) {
  EXPECT_EQ(HighlightedIconState(CheckboxIconState(true)), VECTOR_ICON_STATE::ENABLED_ACTIVATED_HIGHLIGHT);
  EXPECT_EQ(HighlightedIconState(CheckboxIconState(false)), VECTOR_ICON_STATE::ENABLED_DEACTIVATED_HIGHLIGHT);
  EXPECT_EQ(HighlightedIconState(VECTOR_ICON_STATE::DISABLED), VECTOR_ICON_STATE::DISABLED);
  EXPECT_EQ(static_cast<int>(CheckboxIconState(true)), 1);
  EXPECT_EQ(static_cast<int>(CheckboxIconState(false)), 3);
}

TEST(CheckboxSymbolFileNameTest, NamesEverySymbolButNone) {
  EXPECT_EQ(CheckboxSymbolFileName(CHECKBOX_SYMBOL::NONE), nullptr);
  EXPECT_STREQ(CheckboxSymbolFileName(CHECKBOX_SYMBOL::CHECKMARK), "checkmark");
  EXPECT_STREQ(CheckboxSymbolFileName(CHECKBOX_SYMBOL::RADIO), "radio");
  EXPECT_STREQ(CheckboxSymbolFileName(CHECKBOX_SYMBOL::COMMENT), "comment");
  EXPECT_EQ(CheckboxSymbolFileName(static_cast<CHECKBOX_SYMBOL>(8)), nullptr);
}

}  // namespace
}  // namespace zarvo
