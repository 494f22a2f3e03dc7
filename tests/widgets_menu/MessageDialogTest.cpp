#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/backend/headless/HeadlessWindowSystem.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/EventDriver.h"
#include "source/DialogWindow.h"
#include "source/MessageDialogButtons.h"
#include "source/MessageDialogImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/HeadlessSystemTest.h"

namespace zarvo {
namespace {

using Answer = std::function<void(MessageDialogImpl&)>;

DataDictionary Settings(BUTTON_TYPE type, const String& message = "Save the changes?") {
  DataDictionary settings;
  settings.Set(Id(MessageDialogSettings::kButtonType), static_cast<Int>(type));
  settings.Set(Id(MessageDialogSettings::kMessage), message);
  return settings;
}

DataDictionary CustomSettings(std::vector<String> labels, Int focus = 0) {
  DataDictionary settings = Settings(BUTTON_TYPE::CUSTOM);
  DataArray array;
  for (String& label : labels) array.push_back(DataValue{std::move(label)});
  settings.Set(Id(MessageDialogSettings::kCustomButtons), std::move(array));
  settings.Set(Id(MessageDialogSettings::kButtonFocus), focus);
  return settings;
}

DataDictionary Gadget(GADGET_TYPE type, const String& name) {
  DataDictionary gadget;
  gadget.Set(Id(MessageDialogGadget::kType), static_cast<Int>(type));
  if (!name.empty()) gadget.Set(Id(MessageDialogGadget::kName), name);
  return gadget;
}

void AddGadgets(DataDictionary& settings, std::vector<DataDictionary> gadgets) {
  DataArray array;
  for (DataDictionary& gadget : gadgets) array.push_back(DataValue{std::make_shared<const DataDictionary>(gadget)});
  settings.Set(Id(MessageDialogSettings::kExtraGadgets), std::move(array));
}

class MessageDialogTest : public test::HeadlessSystemTest {
 protected:
  // Shows the dialog; `answer` runs inside its modal session once the dialog is open.
  Result<RESULT> ShowAndAnswer(const DataDictionary& settings, Answer answer) {
    answered_ = false;
    GetMainThreadQueue().Enqueue([this, answer] {
      Ref<MessageDialogImpl> dialog = MessageDialogImpl::GetCurrent();
      ASSERT_TRUE(dialog) << "the dialog is open during its session";
      answered_ = true;
      answer(*dialog);
    });
    return ShowMessageDialog(settings, &results_);
  }

  static void Click(MessageDialogImpl& dialog, Int index) {
    TextButtonWidgetRef button = dialog.GetButtonWidget(index);
    ASSERT_TRUE(button);
    ASSERT_TRUE(EventDriver(*dialog.GetWindow()->GetHostWindow()).Click(*button).IsOk());
  }
  static void Key(MessageDialogImpl& dialog, Int32 key) {
    ASSERT_TRUE(EventDriver(*dialog.GetWindow()->GetHostWindow()).KeyPress(key).IsOk());
  }
  static std::vector<String> Labels(const MessageDialogImpl& dialog) {
    std::vector<String> labels;
    for (const MessageDialogButton& button : dialog.GetButtons()) labels.push_back(button.label);
    return labels;
  }
  Int ButtonResult() const { return *results_.Get<Int>(Id(MessageDialogResults::kButtonResult), -2); }
  DataDictionary GadgetResults() const {
    return *results_.Get<DataDictionary>(Id(MessageDialogResults::kExtraGadgetResults), DataDictionary{});
  }
  static size_t WindowCount() { return WindowSystem::Get().GetWindows().size(); }
  static void ExpectError(const Result<RESULT>& shown, const char* message) {
    ASSERT_FALSE(shown.IsOk()) << message;
    EXPECT_EQ(shown.GetError().GetMessage(), message);
    EXPECT_FALSE(MessageDialogImpl::GetCurrent()) << "a failed build frees the slot";
  }

  DataDictionary results_;
  bool answered_ = false;
};

// ---- the rules, without windows -------------------------------------------------------------

TEST(MessageDialogRulesTest, ShortcutsAreTheFirstFreeNonBlankCharacters) {
  std::vector<MessageDialogButton> buttons{{"Save", 0}, {"Skip", 1}, {" \tsave", 2}};
  ASSERT_TRUE(AssignShortcuts(buttons).IsOk());
  EXPECT_EQ(buttons[0].shortcut, U'S');
  EXPECT_EQ(buttons[1].shortcut, U'k') << "S is taken";
  EXPECT_EQ(buttons[1].shortcutIndex, 1);
  EXPECT_EQ(buttons[2].shortcut, U's') << "blanks are skipped, case tells s from S";
  EXPECT_EQ(buttons[2].shortcutIndex, 2);
  EXPECT_EQ(FindShortcutButton(buttons, U'k'), 1);
  EXPECT_EQ(FindShortcutButton(buttons, U'K'), 1) << "case folds when nothing matches exactly";
  EXPECT_EQ(FindShortcutButton(buttons, U's'), 2);
  EXPECT_EQ(FindShortcutButton(buttons, U'x'), -1);
  std::vector<MessageDialogButton> accented{{"\xC3\x89tape", 0}, {"\xC3\x89t\xC3\xA9", 1}};
  ASSERT_TRUE(AssignShortcuts(accented).IsOk());
  EXPECT_EQ(accented[0].shortcut, U'\u00C9');
  EXPECT_EQ(accented[1].shortcut, U't');
  EXPECT_EQ(accented[1].shortcutIndex, 2) << "offsets count bytes";
}

TEST(MessageDialogRulesTest, BadLabelsAreRefusedWithTheirMessages) {
  const std::vector<std::pair<std::vector<String>, std::string>> cases{
      {{"OK", ""}, "Empty button names are not allowed."},
      {{"Go", "Go"}, "Duplicated button names are not allowed"},
      {{"ab", "ba", "ab"}, "Duplicated button names are not allowed"},
      {{"aa", "a a"}, "Valid shortcut char not found"},
      {{" \r\n\t"}, "Valid shortcut char not found"},
      {{}, "A message dialog needs at least one button."},
  };
  for (const auto& [labels, message] : cases) {
    std::vector<MessageDialogButton> buttons;
    for (const String& label : labels) buttons.push_back({label, static_cast<Int>(buttons.size())});
    Result<void> assigned = AssignShortcuts(buttons);
    ASSERT_FALSE(assigned.IsOk()) << message;
    EXPECT_EQ(assigned.GetError().GetMessage(), message);
    EXPECT_EQ(assigned.GetError().GetKind(), ErrorKind::kIllegalArgument);
  }
}

TEST(MessageDialogRulesTest, ButtonSetsSizesIconsAndCentring) {
  EXPECT_EQ(StandardButtonSet(6).buttons.size(), 1u) << "there is no type 6: it is OK";
  EXPECT_EQ(StandardButtonSet(-3).buttons[0].second, RESULT::R_OKAY);
  EXPECT_EQ(StandardButtonSet(static_cast<Int>(BUTTON_TYPE::ABORTRETRYIGNORE)).focus, 1);
  EXPECT_TRUE(StandardButtonSet(static_cast<Int>(BUTTON_TYPE::CUSTOM)).buttons.empty());
  EXPECT_EQ(ClampButtonFocus(2, 2), 0);
  EXPECT_EQ(ClampButtonFocus(-1, 2), 0);
  EXPECT_EQ(ClampButtonFocus(1, 2), 1);

  // One character, one unit of width: the minimum wins over short labels, a long label over it.
  auto width = [](std::string_view text) { return static_cast<Float>(text.size()); };
  std::vector<MessageDialogButton> buttons{{"OK", 0}};
  EXPECT_EQ(MessageDialogButtonSize(buttons, width, 12.0), (Vector2d{8.0, 20.0}));
  buttons.push_back({"Reconnect now", 1});
  EXPECT_EQ(MessageDialogButtonSize(buttons, width, 12.0).x, 15.0);

  EXPECT_EQ(BuiltInIconFile(static_cast<Int>(ICON_TYPE::STOP)), "icon_stop_x2.png");
  EXPECT_EQ(BuiltInIconFile(static_cast<Int>(ICON_TYPE::DEFAULT)), "icon_qvx_x2.png");
  EXPECT_EQ(BuiltInIconFile(42), "icon_qvx_x2.png");
  EXPECT_EQ(BuiltInIconFile(static_cast<Int>(ICON_TYPE::HIDDEN)), "");

  EXPECT_EQ(CentreInWorkRect({200, 100}, Rect{100, 50, 1100, 650}), (Vector2d{500, 300}));
}

// ---- dialogs in their modal session ---------------------------------------------------------

TEST_F(MessageDialogTest, WithoutSettingsOneOkButtonUnderTheDefaultTitle) {
  const size_t windowsBefore = WindowCount();
  Result<RESULT> shown = ShowAndAnswer(DataDictionary{}, [](MessageDialogImpl& dialog) {
    EXPECT_EQ(Labels(dialog), std::vector<String>{"OK"});
    EXPECT_EQ(dialog.GetWindow()->GetHostWindow()->GetHostCanvas()->GetOsWindow()->GetTitle(), "Vantor");
    EXPECT_EQ(dialog.GetWindow()->GetHostWindow()->GetHostCanvas()->GetOsWindow()->GetWindowClass(),
              WindowClass::WindowDialog());
    EXPECT_EQ(dialog.GetButtonWidget(0)->GetName(), "TextButtonWidget_0");
    EXPECT_TRUE(dialog.GetButtonWidget(0)->HasFocus());
    Click(dialog, 0);
  });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
  EXPECT_TRUE(answered_);
  EXPECT_EQ(*shown, RESULT::R_OKAY);
  EXPECT_EQ(ButtonResult(), 0);
  EXPECT_TRUE(GadgetResults().IsEmpty());
  EXPECT_EQ(WindowCount(), windowsBefore) << "the dialog's window is gone";
  EXPECT_FALSE(MessageDialogImpl::GetCurrent());
}

struct ButtonTypeCase {
  BUTTON_TYPE type;
  std::vector<String> labels;
  std::vector<RESULT> results;
  Int focus;
};

class MessageDialogButtonTypeTest : public MessageDialogTest, public testing::WithParamInterface<ButtonTypeCase> {};

TEST_P(MessageDialogButtonTypeTest, EachButtonAnswersWithItsResultAndIndex) {
  const ButtonTypeCase& c = GetParam();
  for (size_t pressed = 0; pressed < c.labels.size(); ++pressed) {
    results_.Clear();
    Result<RESULT> shown = ShowAndAnswer(Settings(c.type), [&](MessageDialogImpl& dialog) {
      EXPECT_EQ(Labels(dialog), c.labels);
      EXPECT_EQ(dialog.GetFocusedButton(), c.focus);
      EXPECT_TRUE(dialog.GetButtonWidget(c.focus)->HasFocus());
      // All buttons share one size.
      EXPECT_EQ(dialog.GetButtonWidget(0)->GetLocalPixSize(),
                dialog.GetButtonWidget(static_cast<Int>(c.labels.size()) - 1)->GetLocalPixSize());
      Click(dialog, static_cast<Int>(pressed));
    });
    ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
    EXPECT_EQ(*shown, c.results[pressed]);
    EXPECT_EQ(ButtonResult(), static_cast<Int>(pressed));
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, MessageDialogButtonTypeTest,
    testing::Values(ButtonTypeCase{BUTTON_TYPE::OK, {"OK"}, {RESULT::R_OKAY}, 0},
                    ButtonTypeCase{BUTTON_TYPE::OKCANCEL, {"OK", "Cancel"}, {RESULT::R_OKAY, RESULT::R_CANCEL}, 0},
                    ButtonTypeCase{BUTTON_TYPE::ABORTRETRYIGNORE,
                                   {"Abort", "Retry", "Ignore"},
                                   {RESULT::R_ABORT, RESULT::R_RETRY, RESULT::R_IGNORE},
                                   1},
                    ButtonTypeCase{BUTTON_TYPE::YESNOCANCEL,
                                   {"Yes", "No", "Cancel"},
                                   {RESULT::R_YES, RESULT::R_NO, RESULT::R_CANCEL},
                                   0},
                    ButtonTypeCase{BUTTON_TYPE::YESNO, {"Yes", "No"}, {RESULT::R_YES, RESULT::R_NO}, 0},
                    ButtonTypeCase{BUTTON_TYPE::RETRYCANCEL, {"Retry", "Cancel"}, {RESULT::R_RETRY, RESULT::R_CANCEL}, 0},
                    ButtonTypeCase{static_cast<BUTTON_TYPE>(6), {"OK"}, {RESULT::R_OKAY}, 0}));

TEST_F(MessageDialogTest, CustomButtonsAnswerToShortcutsEnterAndFocus) {
  // The focus index equal to the count gives the first button; the shortcut k presses "Skip".
  Result<RESULT> shown = ShowAndAnswer(CustomSettings({"Save", "Skip"}, 2), [](MessageDialogImpl& dialog) {
    EXPECT_EQ(dialog.GetFocusedButton(), 0);
    EXPECT_EQ(dialog.GetButtons()[1].shortcut, U'k');
    Key(dialog, 'x');
    EXPECT_EQ(dialog.GetPressedButton(), -1) << "a key that is no shortcut does nothing";
    Key(dialog, 'K');
  });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
  EXPECT_EQ(*shown, RESULT::R_CUSTOM);
  EXPECT_EQ(ButtonResult(), 1);

  shown = ShowAndAnswer(CustomSettings({"Save", "Skip", "Later"}, 2), [](MessageDialogImpl& dialog) {
    EXPECT_TRUE(dialog.GetButtonWidget(2)->HasFocus());
    Key(dialog, KEY::ENTER);
  });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
  EXPECT_EQ(ButtonResult(), 2) << "Enter presses the focused button";
}

TEST_F(MessageDialogTest, ClosingWithoutAButtonAnswersUndefined) {
  Result<RESULT> shown = ShowAndAnswer(Settings(BUTTON_TYPE::YESNO), [](MessageDialogImpl& dialog) {
    dialog.GetWindow()->GetHostWindow()->GetHostCanvas()->GetOsWindow()->RequestClose();
  });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
  EXPECT_EQ(*shown, RESULT::R_UNDEFINED);
  EXPECT_EQ(ButtonResult(), -1);

  shown = ShowAndAnswer(Settings(BUTTON_TYPE::OKCANCEL), [](MessageDialogImpl& dialog) { Key(dialog, KEY::ESCAPE); });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
  EXPECT_EQ(*shown, RESULT::R_UNDEFINED) << "Escape closes like the close box";
  EXPECT_EQ(ButtonResult(), -1);
}

TEST_F(MessageDialogTest, TheWindowFitsItsContentAndIsCentredOnTheWorkArea) {
  Result<RESULT> shown = ShowAndAnswer(Settings(BUTTON_TYPE::YESNOCANCEL), [](MessageDialogImpl& dialog) {
    OsWindow& os = *dialog.GetWindow()->GetHostWindow()->GetHostCanvas()->GetOsWindow();
    const Rect frame = os.GetFrame();
    const Vector2d minimum = os.GetContentRectMinSize();
    EXPECT_GT(minimum.x, 3 * 60.0) << "three buttons side by side";
    EXPECT_EQ(frame.Width(), minimum.x);
    EXPECT_EQ(frame.Height(), minimum.y + 22.0);
    const Rect work{0, 0, kHeadlessMonitorWidth, kHeadlessMonitorHeight - kHeadlessPanelHeight};
    EXPECT_DOUBLE_EQ(frame.left, (work.Width() - frame.Width()) * 0.5);
    EXPECT_DOUBLE_EQ(frame.top, (work.Height() - frame.Height()) * 0.5);
    Click(dialog, 1);
  });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
  EXPECT_EQ(*shown, RESULT::R_NO);
}

TEST_F(MessageDialogTest, ASecondDialogWhileOneIsOpenFailsWithoutAWindow) {
  Result<RESULT> shown = ShowAndAnswer(DataDictionary{}, [](MessageDialogImpl& dialog) {
    const size_t windows = WindowCount();
    DataDictionary ignored;
    Result<RESULT> second = ShowMessageDialog(DataDictionary{}, &ignored);
    ASSERT_FALSE(second.IsOk());
    EXPECT_EQ(second.GetError().GetMessage(), "A message dialog already exists. Only one is allowed at a time.");
    EXPECT_EQ(second.GetError().GetKind(), ErrorKind::kIllegalState);
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_TRUE(ignored.IsEmpty());
    EXPECT_EQ(MessageDialogImpl::GetCurrent().Get(), &dialog) << "the first dialog goes on";
    Click(dialog, 0);
  });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
  EXPECT_EQ(*shown, RESULT::R_OKAY);
}

TEST_F(MessageDialogTest, BadSettingsFailTheBuildAndLeaveNoWindow) {
  const size_t windowsBefore = WindowCount();
  auto show = [](const DataDictionary& settings) { return ShowMessageDialog(settings, nullptr); };
  ExpectError(show(CustomSettings({})), "A message dialog needs at least one button.");
  ExpectError(show(CustomSettings({"OK", ""})), "Empty button names are not allowed.");
  ExpectError(show(CustomSettings({"Go", "Go"})), "Duplicated button names are not allowed");
  ExpectError(show(CustomSettings({"a", "a "})), "Valid shortcut char not found");
  DataDictionary settings = Settings(BUTTON_TYPE::OK);
  AddGadgets(settings, {Gadget(GADGET_TYPE::STATIC_TEXT, "fine"), DataDictionary{}});
  ExpectError(show(settings), "Gadget type not set.");
  AddGadgets(settings, {Gadget(GADGET_TYPE::CHECKBOX, "")});
  ExpectError(show(settings), "Checkbox name not set.");
  AddGadgets(settings, {Gadget(GADGET_TYPE::DROPDOWN, "size")});
  ExpectError(show(settings), "Gadget children data not set.");
  AddGadgets(settings, {Gadget(GADGET_TYPE::RADIOBUTTON, "mode")});
  ExpectError(show(settings), "Gadget children data not set.");
  EXPECT_EQ(WindowCount(), windowsBefore);

  // A wrong type under a settings key is the dictionary's error, naming the key.
  DataDictionary wrongType;
  wrongType.Set(Id(MessageDialogSettings::kButtonType), String("YESNO"));
  Result<RESULT> wrong = show(wrongType);
  ASSERT_FALSE(wrong.IsOk());
  EXPECT_NE(wrong.GetError().GetMessage().find(MessageDialogSettings::kButtonType), std::string::npos);
  EXPECT_EQ(WindowCount(), windowsBefore);

  // The slot is free: the next dialog opens.
  Result<RESULT> next = ShowAndAnswer(DataDictionary{}, [](MessageDialogImpl& dialog) { Click(dialog, 0); });
  ASSERT_TRUE(next.IsOk()) << next.GetError().ToString();
}

TEST_F(MessageDialogTest, GadgetsReportTheirValuesByName) {
  DataDictionary settings = Settings(BUTTON_TYPE::OKCANCEL);
  DataDictionary remember = Gadget(GADGET_TYPE::CHECKBOX, "Remember");
  DataDictionary size = Gadget(GADGET_TYPE::DROPDOWN, "Size");
  DataDictionary sizes;
  sizes.Set(Id("Small"), Int{1});
  sizes.Set(Id("Large"), Int{2});
  size.Set(Id(MessageDialogGadget::kNamesAndValues), sizes);
  size.Set(Id(MessageDialogGadget::kDefaultValue), Int{2});
  size.Set(Id(MessageDialogGadget::kArea), static_cast<Int>(LAYOUT_AREA::BOTTOM));
  DataDictionary link = Gadget(GADGET_TYPE::HYPERLINK, "Help");
  DataDictionary linkSettings;
  linkSettings.Set(Id(MessageDialogGadget::kHyperlinkUrl), Url{"https://example.invalid/help"});
  link.Set(Id(MessageDialogGadget::kSettings), linkSettings);
  DataDictionary edit = Gadget(GADGET_TYPE::EDIT_TEXT, "Comment");
  edit.Set(Id(MessageDialogGadget::kDefaultValue), String("none"));
  AddGadgets(settings, {remember, size, Gadget(GADGET_TYPE::SEPARATOR, ""), link, edit,
                        Gadget(GADGET_TYPE::STATIC_TEXT, "Changes since 10:00")});
  Result<RESULT> shown = ShowAndAnswer(settings, [](MessageDialogImpl& dialog) {
    ASSERT_EQ(dialog.GetGadgets().size(), 6u);
    const CheckboxWidgetRef& box = dialog.GetGadgets()[0].checkbox;
    ASSERT_TRUE(box);
    EXPECT_FALSE(box->GetState());
    ASSERT_TRUE(EventDriver(*dialog.GetWindow()->GetHostWindow()).Click(*box).IsOk());
    EXPECT_TRUE(box->GetState());
    Click(dialog, 0);
  });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
  EXPECT_EQ(*shown, RESULT::R_OKAY);
  const DataDictionary values = GadgetResults();
  EXPECT_TRUE(*values.Get<Bool>(Id("Remember"), false));
  EXPECT_EQ(*values.Get<Int>(Id("Size"), 0), 2);
  EXPECT_EQ(*values.Get<String>(Id("Comment"), String()), "none") << "gadgets without a widget report their default";
  EXPECT_FALSE(values.Contains(Id("Help"))) << "a gadget without a value reports none";
}

TEST_F(MessageDialogTest, NothingOutlivesTheDialog) {
  WeakRef<TextButtonWidgetInterface> button;
  WeakRef<Desktop2dWindowImpl> window;
  WeakRef<MessageDialogImpl> state;
  const size_t openBefore = AppWindow::GetOpenWindows().size();
  DataDictionary settings = Settings(BUTTON_TYPE::OKCANCEL);
  AddGadgets(settings, {Gadget(GADGET_TYPE::CHECKBOX, "Again")});
  Result<RESULT> shown = ShowAndAnswer(settings, [&](MessageDialogImpl& dialog) {
    button = WeakRef<TextButtonWidgetInterface>(dialog.GetButtonWidget(1));
    window = WeakRef<Desktop2dWindowImpl>(dialog.GetWindow());
    state = WeakRef<MessageDialogImpl>(&dialog);
    Click(dialog, 1);
  });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
  EXPECT_EQ(*shown, RESULT::R_CANCEL);
  EXPECT_FALSE(button.IsAlive());
  EXPECT_FALSE(window.IsAlive());
  EXPECT_FALSE(state.IsAlive());
  EXPECT_EQ(AppWindow::GetOpenWindows().size(), openBefore);
}

TEST_F(MessageDialogTest, AnIconThatDoesNotLoadIsLeftOut) {
  DataDictionary settings = Settings(BUTTON_TYPE::OK);
  settings.Set(Id(MessageDialogSettings::kIconType), static_cast<Int>(ICON_TYPE::CUSTOM));
  settings.Set(Id(MessageDialogSettings::kCustomIconX2), Url{"/nonexistent/icon_x2.png"});
  Vector2d withoutIcon;
  Result<RESULT> shown = ShowAndAnswer(settings, [&](MessageDialogImpl& dialog) {
    withoutIcon = dialog.GetWindow()->GetHostWindow()->GetHostCanvas()->GetOsWindow()->GetContentRectMinSize();
    Click(dialog, 0);
  });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
  settings.Set(Id(MessageDialogSettings::kIconType), static_cast<Int>(ICON_TYPE::STOP));
  shown = ShowAndAnswer(settings, [&](MessageDialogImpl& dialog) {
    const Vector2d withIcon =
        dialog.GetWindow()->GetHostWindow()->GetHostCanvas()->GetOsWindow()->GetContentRectMinSize();
    EXPECT_GE(withIcon.x, withoutIcon.x + 64.0 + 18.0) << "the icon and its padding";
    EXPECT_GE(withIcon.y, 18.0 + 64.0 + 10.0);
    Click(dialog, 0);
  });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
}

TEST_F(MessageDialogTest, GoldenQuestionWithThreeButtons) {
  DataDictionary settings = Settings(BUTTON_TYPE::YESNOCANCEL, "The document has unsaved changes. Save them before closing?");
  settings.Set(Id(MessageDialogSettings::kIconType), static_cast<Int>(ICON_TYPE::QUESTION));
  settings.Set(Id(MessageDialogSettings::kCustomDialogTitle), String("Close document"));
  Result<RESULT> shown = ShowAndAnswer(settings, [](MessageDialogImpl& dialog) {
    AppWindow& window = *dialog.GetWindow()->GetHostWindow();
    ASSERT_TRUE(window.Update().IsOk());
    test::ExpectMatchesGolden(window.GetHostCanvas()->GetOsWindow()->GetSurface(), "messagedialog_question");
    Click(dialog, 2);
  });
  ASSERT_TRUE(shown.IsOk()) << shown.GetError().ToString();
  EXPECT_EQ(*shown, RESULT::R_CANCEL);
}

}  // namespace
}  // namespace zarvo
