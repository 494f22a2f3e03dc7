#include "host/ui/TextEditWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventDriver.h"
#include "host/ui/OsWindow.h"
#include "tests/support/Golden.h"

namespace zarvo {
namespace {

const Rect kEditRect{10, 10, 150, 30};
const FontDescription kFont{String(), CanvasUnitValue::Pix(13.0)};
const ColorA kForeground{1.0, 1.0, 1.0, 1.0};
const ColorA kBackground{0.4, 0.4, 0.4, 1.0};
const ColorA kSelection{0.02, 0.5, 0.85, 1.0};
// e with a combining acute accent: two code points, one grapheme of three bytes.
constexpr char kDecomposedE[] = "e\xCC\x81";
constexpr char kReplacement[] = "\xEF\xBF\xBD";

class TextEditWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 160, 40});
    ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    ASSERT_TRUE(window_->Update().IsOk());
    driver_ = std::make_unique<EventDriver>(*window_);
  }
  // An edit still open would end with the window, after the log its observers write to.
  void TearDown() override {
    if (window_) (void)Canvas().CloseTextEditWindow();
  }

  CanvasInterface& Canvas() { return *window_->GetCanvas(); }

  TextEditWindowRef Open(const String& text, bool multiLine = false) {
    Result<TextEditWindowRef> edit =
        Canvas().OpenTextEditWindow(text, kEditRect, multiLine, kFont, kForeground, kBackground, kSelection);
    EXPECT_TRUE(edit.IsOk()) << edit.GetError().ToString();
    if (!edit.IsOk()) return {};
    TextEditWindowRef window = *edit;
    window->ObservableTextChanged()->AddObserver([this](TextEditWindow* w) -> Result<void> {
      log_.push_back("changed:" + w->GetText());
      return Ok();
    });
    window->ObservableTextFinished()->AddObserver([this](TextEditWindow* w) -> Result<void> {
      log_.push_back(std::string(w->GetCancelMode() ? "cancelled:" : "finished:") + w->GetText());
      return Ok();
    });
    window->ObservableDestroyedWindow()->AddObserver([this](TextEditWindow*) -> Result<void> {
      log_.push_back(Canvas().GetTextEditWindow() ? "destroyed while open" : "destroyed");
      return Ok();
    });
    return window;
  }

  void Key(Int32 key, Int modifiers = MODIFIER::NONE) {
    Result<bool> consumed = driver_->KeyPress(key, modifiers);
    ASSERT_TRUE(consumed.IsOk()) << consumed.GetError().ToString();
  }
  void Type(const String& text) {
    Result<bool> consumed = driver_->Type(text);
    ASSERT_TRUE(consumed.IsOk()) << consumed.GetError().ToString();
    EXPECT_TRUE(*consumed);
  }

  Ref<AppWindow> window_;
  std::unique_ptr<EventDriver> driver_;
  std::vector<std::string> log_;
};

TEST(SanitizeEditTextTest, ReplacesMalformedBytesAndDropsControls) {
  EXPECT_EQ(SanitizeEditText("abc\xC3\xA4", false), "abc\xC3\xA4");
  EXPECT_EQ(SanitizeEditText("a\xFF" "b", false), std::string("a") + kReplacement + "b");
  // Overlong slash, a surrogate half and a sequence cut short.
  EXPECT_EQ(SanitizeEditText("\xC0\xAF", false), std::string(kReplacement) + kReplacement);
  EXPECT_EQ(SanitizeEditText("\xED\xA0\x80", false), std::string(kReplacement) + kReplacement + kReplacement);
  EXPECT_EQ(SanitizeEditText("x\xE2\x82", false), std::string("x") + kReplacement + kReplacement);
  EXPECT_EQ(SanitizeEditText("a\x01\x7F" "b\tc", false), "ab c");
  EXPECT_EQ(SanitizeEditText("one\r\ntwo\rthree\n", false), "one two three ");
  EXPECT_EQ(SanitizeEditText("one\r\ntwo\rthree\n", true), "one\ntwo\nthree\n");
}

TEST(TextEditBufferTest, CaretStopsBetweenGraphemesAndWords) {
  TextEditBuffer buffer;
  buffer.SetText(std::string(kDecomposedE) + "x");
  EXPECT_EQ(buffer.GetCaret(), 4u);
  EXPECT_EQ(buffer.PreviousStop(4), 3u);
  EXPECT_EQ(buffer.PreviousStop(3), 0u);  // the accent goes with its letter
  EXPECT_EQ(buffer.NextStop(0), 3u);
  buffer.MoveTo(2, false);  // inside the grapheme: snapped to its start
  EXPECT_EQ(buffer.GetCaret(), 0u);

  buffer.SetText("one two  three");
  EXPECT_EQ(buffer.PreviousWordStart(14), 9u);
  EXPECT_EQ(buffer.PreviousWordStart(9), 4u);
  EXPECT_EQ(buffer.NextWordEnd(0), 3u);
  EXPECT_EQ(buffer.NextWordEnd(3), 7u);
  buffer.SelectWordAt(5);
  EXPECT_EQ(buffer.GetSelectedText(), "two");
  buffer.SelectWordAt(8);
  EXPECT_EQ(buffer.GetSelectedText(), "  ");
}

TEST_F(TextEditWindowTest, OpensWithTheTextSelectedAndTypingReplacesIt) {
  TextEditWindowRef edit = Open("Hello");
  ASSERT_TRUE(edit);
  EXPECT_EQ(Canvas().GetTextEditWindow(), edit);
  EXPECT_EQ(edit->GetBuffer().GetSelectedText(), "Hello");
  Type("A");
  Type("bc");
  EXPECT_EQ(edit->GetText(), "Abc");
  EXPECT_FALSE(edit->GetBuffer().HasSelection());
  EXPECT_EQ((std::vector<std::string>{"changed:A", "changed:Abc"}), log_);
}

TEST_F(TextEditWindowTest, EditsByGraphemeAndByWord) {
  TextEditWindowRef edit = Open(std::string("ab") + kDecomposedE);
  Key(KEY::END);
  Key(KEY::BACKSPACE);  // the whole accented letter
  EXPECT_EQ(edit->GetText(), "ab");
  Key(KEY::HOME);
  Key(KEY::DELETE);
  EXPECT_EQ(edit->GetText(), "b");

  ASSERT_TRUE(edit->SetText("one two three").IsOk());
  Key(KEY::END);
  Key(KEY::LEFT, MODIFIER::CONTROL);
  EXPECT_EQ(edit->GetBuffer().GetCaret(), 8u);
  Key(KEY::LEFT, MODIFIER::CONTROL | MODIFIER::SHIFT);
  EXPECT_EQ(edit->GetBuffer().GetSelectedText(), "two ");
  Key(KEY::RIGHT);  // collapses to the selection's end
  EXPECT_EQ(edit->GetBuffer().GetCaret(), 8u);
  EXPECT_FALSE(edit->GetBuffer().HasSelection());
  Key(KEY::BACKSPACE, MODIFIER::CONTROL);
  EXPECT_EQ(edit->GetText(), "one three");
  Key(KEY::RIGHT, MODIFIER::SHIFT);
  Key(KEY::RIGHT, MODIFIER::SHIFT);
  EXPECT_EQ(edit->GetBuffer().GetSelectedText(), "th");
  Key(KEY::HOME, MODIFIER::SHIFT);
  EXPECT_EQ(edit->GetBuffer().GetSelectedText(), "one ");
}

TEST_F(TextEditWindowTest, CopyCutAndPasteGoThroughTheWindowSystemClipboard) {
  TextEditWindowRef edit = Open("alpha beta");
  Key('c', MODIFIER::CONTROL);
  Result<String> clipboard = WindowSystem::Get().GetClipboardText();
  ASSERT_TRUE(clipboard.IsOk());
  EXPECT_EQ(*clipboard, "alpha beta");
  edit->Select(0, 6);
  Key('X', MODIFIER::CONTROL);
  EXPECT_EQ(edit->GetText(), "beta");
  EXPECT_EQ(*WindowSystem::Get().GetClipboardText(), "alpha ");
  Key(KEY::END);
  Key('v', MODIFIER::CONTROL);
  EXPECT_EQ(edit->GetText(), "betaalpha ");
  // A single line turns pasted line feeds into spaces and never stores broken text.
  ASSERT_TRUE(WindowSystem::Get().SetClipboardText("x\ny\xC3").IsOk());
  Key('a', MODIFIER::CONTROL);
  Key('v', MODIFIER::CONTROL);
  EXPECT_EQ(edit->GetText(), std::string("x y") + kReplacement);
}

TEST_F(TextEditWindowTest, TypedTextIsSanitised) {
  TextEditWindowRef edit = Open("");
  Type("a\xE2\x82" "b\x07");
  EXPECT_EQ(edit->GetText(), std::string("a") + kReplacement + kReplacement + "b");
  // Nothing storable: no change is told.
  log_.clear();
  Type("\x01");
  EXPECT_TRUE(log_.empty());
}

TEST_F(TextEditWindowTest, EnterFinishesOneLineAndBreaksMultipleLines) {
  TextEditWindowRef single = Open("one");
  Key(KEY::ENTER);
  EXPECT_EQ((std::vector<std::string>{"finished:one"}), log_);
  EXPECT_EQ(single->GetText(), "one");
  ASSERT_TRUE(Canvas().CloseTextEditWindow().IsOk());
  log_.clear();

  TextEditWindowRef multi = Open("one", true);
  Key(KEY::END);
  Key(KEY::ENTER);
  Type("two");
  EXPECT_EQ(multi->GetText(), "one\ntwo");
  Key(KEY::UP);
  EXPECT_EQ(multi->GetBuffer().GetCaret(), 3u);
  Key(KEY::HOME);
  Key(KEY::DOWN, MODIFIER::SHIFT);
  EXPECT_EQ(multi->GetBuffer().GetSelectedText(), "one\n");
  Key(KEY::ENTER, MODIFIER::CONTROL);
  EXPECT_EQ(log_.back(), "finished:one\ntwo");
}

TEST_F(TextEditWindowTest, EscapeSetsTheCancelModeAndFinishes) {
  TextEditWindowRef edit = Open("keep");
  Type("typed");
  EXPECT_FALSE(edit->GetCancelMode());
  Key(KEY::ESCAPE);
  EXPECT_TRUE(edit->GetCancelMode());
  EXPECT_EQ(log_.back(), "cancelled:typed");
}

TEST_F(TextEditWindowTest, TakesTheKeyboardButLeavesKeyReleasesAndTabToTheWidgets) {
  Open("x");
  Result<bool> down = driver_->KeyDown(KEY::LEFT);
  ASSERT_TRUE(down.IsOk());
  EXPECT_TRUE(*down);
  Result<bool> up = driver_->KeyUp(KEY::LEFT);
  ASSERT_TRUE(up.IsOk());
  EXPECT_FALSE(*up);
  Result<bool> tab = driver_->KeyDown(KEY::TAB);
  ASSERT_TRUE(tab.IsOk());
  EXPECT_FALSE(*tab);
  EXPECT_EQ(log_.back(), "finished:x");
}

TEST_F(TextEditWindowTest, PointerPlacesTheCaretDragsASelectionAndAPressOutsideFinishes) {
  TextEditWindowRef edit = Open("drag me");
  const Float middle = (kEditRect.top + kEditRect.bottom) * 0.5;
  Result<bool> pressed = driver_->Press({kEditRect.left + 1.0, middle});
  ASSERT_TRUE(pressed.IsOk());
  EXPECT_TRUE(*pressed);
  EXPECT_EQ(edit->GetBuffer().GetCaret(), 0u);
  EXPECT_FALSE(edit->GetBuffer().HasSelection());
  ASSERT_TRUE(driver_->Drag({kEditRect.right - 1.0, middle}).IsOk());
  ASSERT_TRUE(driver_->Release({kEditRect.right - 1.0, middle}).IsOk());
  EXPECT_EQ(edit->GetBuffer().GetSelectedText(), "drag me");
  // The caret lands where the glyphs are.
  edit->Select(4, 4);
  const Rect caret = edit->GetCaretRect();
  EXPECT_EQ(edit->HitTest({caret.left + 0.5, middle}), 4u);
  EXPECT_GT(caret.left, kEditRect.left);

  Result<bool> outside = driver_->Press({155, 35});
  ASSERT_TRUE(outside.IsOk());
  EXPECT_FALSE(*outside);
  EXPECT_EQ(log_.back(), "finished:drag me");
}

TEST_F(TextEditWindowTest, OnePerCanvas) {
  TextEditWindowRef first = Open("first");
  Result<TextEditWindowRef> second =
      Canvas().OpenTextEditWindow("second", kEditRect, false, kFont, kForeground, kBackground, kSelection);
  ASSERT_FALSE(second.IsOk());
  EXPECT_EQ(second.GetError().GetMessage(), "A text edit window is already open");
  EXPECT_EQ(Canvas().GetTextEditWindow(), first);

  ASSERT_TRUE(Canvas().CloseTextEditWindow().IsOk());
  EXPECT_EQ((std::vector<std::string>{"destroyed"}), log_);
  EXPECT_FALSE(first->IsOpen());
  EXPECT_FALSE(Canvas().GetTextEditWindow());
  // A closed window takes no input and tells nobody.
  Result<bool> consumed = first->HandleEvent(MakeTextEvent("z"));
  ASSERT_TRUE(consumed.IsOk());
  EXPECT_FALSE(*consumed);
  ASSERT_TRUE(Canvas().CloseTextEditWindow().IsOk());
  EXPECT_EQ(log_.size(), 1u);
  EXPECT_TRUE(Open("again"));
}

TEST_F(TextEditWindowTest, RefusesABadRectangle) {
  Result<TextEditWindowRef> empty =
      Canvas().OpenTextEditWindow("x", Rect{10, 10, 10, 30}, false, kFont, kForeground, kBackground, kSelection);
  EXPECT_FALSE(empty.IsOk());
  EXPECT_FALSE(Canvas().GetTextEditWindow());
}

TEST_F(TextEditWindowTest, ClosingTheWindowEndsTheEdit) {
  TextEditWindowRef edit = Open("x");
  ASSERT_TRUE(window_->Close().IsOk());
  EXPECT_EQ((std::vector<std::string>{"destroyed"}), log_);
  EXPECT_FALSE(edit->IsOpen());
}

TEST_F(TextEditWindowTest, DrawsAnEditWithASelection) {
  TextEditWindowRef edit = Open("Hello world");
  edit->Select(6, 11);
  ASSERT_TRUE(window_->Update().IsOk());
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "text_edit_window_selection");
}

}  // namespace
}  // namespace zarvo
