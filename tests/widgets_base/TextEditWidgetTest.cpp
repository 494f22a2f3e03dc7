#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "host/ui/FontHandle.h"
#include "host/ui/PresenterInterface.h"
#include "host/ui/TextEditWindow.h"
#include "source/interfaces/TextEditWidgetInterface.h"

namespace zarvo {
namespace {

constexpr Float kFontPixels = 12.0;
constexpr char kLongText[] = "A text edit that is wider than twenty capital letters M";

// Keeps every command it is handed.
class RecordingPresenter final : public PresenterInterface {
 public:
  Result<bool> ExecutePresenterCommand(const Id& command, WidgetInterface* sender,
                                       const DataDictionary& arguments) override {
    commands.push_back(command.GetString());
    senders.push_back(sender);
    texts.push_back(arguments.Get<String>(Id(kPresenterCommandStringKey), String()).ValueOr("?"));
    return true;
  }
  std::vector<std::string> commands;
  std::vector<WidgetInterface*> senders;
  std::vector<std::string> texts;
};

class TextEditWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 600, 80});
    ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    driver_ = std::make_unique<EventDriver>(*window_);
    edit_ = Make();
    ASSERT_TRUE(edit_);
  }
  // An edit still open would end with the window, after the log its observers write to.
  void TearDown() override {
    if (window_) (void)Canvas().CloseTextEditWindow();
  }

  TextEditWidgetRef Make(Vector2d position = {10, 10}) {
    Result<TextEditWidgetRef> created = CreateObject<TextEditWidgetInterface>(Id(kTextEditWidgetClassId));
    EXPECT_TRUE(created.IsOk()) << created.GetError().ToString();
    if (!created.IsOk()) return {};
    TextEditWidgetRef edit = *created;
    EXPECT_TRUE(window_->GetAppWidget()->InsertChildLast(edit).IsOk());
    edit->SetLocalPosition(position);
    edit->SetFontSize(CanvasUnitValue::Pix(kFontPixels));
    EXPECT_TRUE(window_->Update().IsOk());
    edit->ObservableTextChanged()->AddObserver([this](const TextEditWidgetRef& sender) -> Result<void> {
      log_.push_back("changed:" + sender->GetText());
      return Ok();
    });
    edit->ObservableTextFinished()->AddObserver([this](const TextEditWidgetRef& sender) -> Result<void> {
      log_.push_back("finished:" + sender->GetText());
      return Ok();
    });
    return edit;
  }

  CanvasInterface& Canvas() { return *window_->GetCanvas(); }
  TextEditWindowRef EditWindow() { return Canvas().GetTextEditWindow(); }

  Result<bool> Press(const TextEditWidgetRef& edit, bool doubleClick = false) {
    DataDictionary event = MakeMouseEvent(EVENT::BUTTON_DOWN, EventDriver::CenterOf(*edit), BUTTON::LEFT);
    event.Set(EventKeys::DoubleClick(), doubleClick);
    return driver_->Send(event);
  }

  Float MWidth(int count) {
    Result<FontHandleRef> font = Canvas().CreateFontHandle(edit_->GetFont());
    EXPECT_TRUE(font.IsOk());
    return (*font)->GetStringBoundingBox(std::string(static_cast<size_t>(count), 'M')).Width();
  }

  Ref<AppWindow> window_;
  std::unique_ptr<EventDriver> driver_;
  TextEditWidgetRef edit_;
  std::vector<std::string> log_;
};

TEST_F(TextEditWidgetTest, CreateLayoutSetsItsDefaults) {
  EXPECT_EQ(edit_->GetName(), "TextEditWidget");
  EXPECT_EQ(edit_->GetText(), "Edit me");
  EXPECT_TRUE(edit_->GetAcceptFocus());
  EXPECT_TRUE(edit_->GetAcceptTabFocus());
  EXPECT_EQ(edit_->GetEditMode(), TEXTEDIT_MODE::SINGLE_CLICK);
  EXPECT_EQ(edit_->GetForegroundColor(), (ColorA{1, 1, 1, 1}));
  EXPECT_EQ(edit_->GetBackgroundColor(), (ColorA{0.4, 0.4, 0.4, 1}));
  EXPECT_EQ(edit_->GetSelectionColor(), (ColorA{0.02, 0.5, 0.85, 1}));
  EXPECT_EQ(edit_->GetHighlightColor(), (ColorA{1, 1, 1, 1}));
}

TEST_F(TextEditWidgetTest, APressOpensTheEditorWithTheWidgetsTextAndColours) {
  edit_->SetForegroundColor({1, 0, 0, 1});
  edit_->SetBackgroundColor({0, 0, 1, 1});
  Result<bool> consumed = Press(edit_);
  ASSERT_TRUE(consumed.IsOk()) << consumed.GetError().ToString();
  EXPECT_TRUE(*consumed);
  TextEditWindowRef window = EditWindow();
  ASSERT_TRUE(window);
  EXPECT_EQ(window->GetText(), "Edit me");
  EXPECT_FALSE(window->IsMultiLine());
  EXPECT_EQ(window->GetColors().foreground, (ColorA{1, 0, 0, 1}));
  EXPECT_EQ(window->GetColors().background, (ColorA{0, 0, 1, 1}));
  EXPECT_DOUBLE_EQ(window->GetFont()->GetPixelSize(), kFontPixels);
  const Rect frame = edit_->GetGlobalFrame();
  EXPECT_DOUBLE_EQ(window->GetRect().left, frame.left);
  EXPECT_DOUBLE_EQ(window->GetRect().top, frame.top);
  EXPECT_DOUBLE_EQ(window->GetRect().bottom, frame.bottom);
}

TEST_F(TextEditWidgetTest, EditorWidthFollowsTheTenAndTwentyMRule) {
  // "Edit me" is narrower than ten M: the editor is ten M wide, plus a tenth for the caret.
  ASSERT_LT(edit_->GetLocalPixSize().x, MWidth(10));
  ASSERT_TRUE(Press(edit_).IsOk());
  ASSERT_TRUE(EditWindow());
  EXPECT_NEAR(EditWindow()->GetRect().Width(), MWidth(10) * 1.1, 1e-9);
  ASSERT_TRUE(Canvas().CloseTextEditWindow().IsOk());

  edit_->SetText(kLongText);
  ASSERT_TRUE(window_->Update().IsOk());
  const Float width = edit_->GetLocalPixSize().x;
  ASSERT_GT(width, MWidth(20));
  ASSERT_TRUE(Press(edit_).IsOk());
  ASSERT_TRUE(EditWindow());
  EXPECT_NEAR(EditWindow()->GetRect().Width(), width + MWidth(10) * 0.1, 1e-9);
}

TEST_F(TextEditWidgetTest, ASmallGlobalFontIsEnlargedToBeLegible) {
  edit_->SetLocalScale({0.5, 0.5});
  ASSERT_TRUE(window_->Update().IsOk());
  const Rect frame = edit_->GetGlobalFrame();
  ASSERT_TRUE(Press(edit_).IsOk());
  TextEditWindowRef window = EditWindow();
  ASSERT_TRUE(window);
  EXPECT_DOUBLE_EQ(window->GetFont()->GetPixelSize(), 10.0);
  const Float factor = 10.0 / (kFontPixels * 0.5);
  EXPECT_NEAR(window->GetRect().Height(), frame.Height() * factor, 1e-9);
  EXPECT_NEAR(window->GetRect().Width(), (MWidth(10) * 1.1) * 0.5 * factor, 1e-9);
}

TEST_F(TextEditWidgetTest, EditModesAndLowDetailDecideWhetherAPressEdits) {
  edit_->SetEditMode(TEXTEDIT_MODE::LOCKED);
  ASSERT_TRUE(Press(edit_).IsOk());
  EXPECT_FALSE(EditWindow());

  edit_->SetEditMode(TEXTEDIT_MODE::DOUBLE_CLICK);
  ASSERT_TRUE(Press(edit_, false).IsOk());
  EXPECT_FALSE(EditWindow());
  ASSERT_TRUE(Press(edit_, true).IsOk());
  EXPECT_TRUE(EditWindow());
  ASSERT_TRUE(Canvas().CloseTextEditWindow().IsOk());

  edit_->SetEditMode(TEXTEDIT_MODE::SINGLE_CLICK);
  edit_->SetLOD(kLodLow);
  EXPECT_EQ(edit_->GetEditMode(), TEXTEDIT_MODE::LOCKED);
  EXPECT_FALSE(edit_->GetAcceptFocus());
  ASSERT_TRUE(Press(edit_).IsOk());
  EXPECT_FALSE(EditWindow());
  edit_->SetLOD(kLodNormal);
  EXPECT_EQ(edit_->GetEditMode(), TEXTEDIT_MODE::SINGLE_CLICK);
  EXPECT_TRUE(edit_->GetAcceptFocus());
}

TEST_F(TextEditWidgetTest, APressWhileAnEditorIsOpenDoesNotStartASecond) {
  TextEditWidgetRef other = Make({10, 40});
  ASSERT_TRUE(Press(edit_).IsOk());
  TextEditWindowRef first = EditWindow();
  ASSERT_TRUE(first);
  // Routed, a press outside the open editor would end it first: offer it to the widget itself.
  DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, EventDriver::CenterOf(*other), BUTTON::LEFT);
  Result<bool> second = other->HandleEvent(&press);
  ASSERT_TRUE(second.IsOk());
  EXPECT_FALSE(*second);
  EXPECT_EQ(EditWindow(), first);
}

TEST_F(TextEditWidgetTest, TypingFollowsIntoTheTextAndEnterFinishes) {
  ASSERT_TRUE(Press(edit_).IsOk());
  ASSERT_TRUE(driver_->Type("ab").IsOk());
  ASSERT_TRUE(driver_->Type("c").IsOk());
  EXPECT_EQ(edit_->GetText(), "abc");
  ASSERT_TRUE(driver_->KeyPress(KEY::ENTER).IsOk());
  EXPECT_FALSE(EditWindow());
  EXPECT_EQ((std::vector<std::string>{"changed:ab", "changed:abc", "finished:abc"}), log_);
}

TEST_F(TextEditWidgetTest, EscapeRestoresTheTextFromBeforeTheEdit) {
  edit_->SetText("before");
  ASSERT_TRUE(Press(edit_).IsOk());
  ASSERT_TRUE(driver_->Type("after").IsOk());
  EXPECT_EQ(edit_->GetText(), "after");
  ASSERT_TRUE(driver_->KeyPress(KEY::ESCAPE).IsOk());
  EXPECT_FALSE(EditWindow());
  EXPECT_EQ(edit_->GetText(), "before");
  EXPECT_EQ((std::vector<std::string>{"changed:after", "finished:before"}), log_);
}

TEST_F(TextEditWidgetTest, ReleasingEnterOrTabClosesTheEdit) {
  ASSERT_TRUE(Press(edit_).IsOk());
  ASSERT_TRUE(driver_->Type("x").IsOk());
  Result<bool> released = driver_->KeyUp(KEY::ENTER);
  ASSERT_TRUE(released.IsOk());
  EXPECT_TRUE(*released);
  EXPECT_FALSE(EditWindow());
  EXPECT_EQ(log_.back(), "finished:x");

  ASSERT_TRUE(Press(edit_).IsOk());
  released = driver_->KeyUp(KEY::TAB);
  ASSERT_TRUE(released.IsOk());
  EXPECT_TRUE(*released);
  EXPECT_FALSE(EditWindow());
}

TEST_F(TextEditWidgetTest, WrappedTextEditsOnSeveralLines) {
  edit_->SetWrapMode(WRAP_MODE::LINE);
  ASSERT_TRUE(window_->Update().IsOk());
  ASSERT_TRUE(Press(edit_).IsOk());
  ASSERT_TRUE(EditWindow());
  EXPECT_TRUE(EditWindow()->IsMultiLine());
  ASSERT_TRUE(driver_->KeyPress(KEY::END).IsOk());
  ASSERT_TRUE(driver_->KeyPress(KEY::ENTER).IsOk());
  EXPECT_TRUE(EditWindow());
  EXPECT_EQ(edit_->GetText(), "Edit me\n");
}

TEST_F(TextEditWidgetTest, RenameNotificationSendsOneCommandWithTheFinalText) {
  auto presenter = MakeRef<RecordingPresenter>();
  edit_->SetPresenter(presenter);
  ASSERT_TRUE(edit_->SetRenameNotification().IsOk());
  ASSERT_TRUE(Press(edit_).IsOk());
  ASSERT_TRUE(driver_->Type("new name").IsOk());
  ASSERT_TRUE(driver_->KeyPress(KEY::ENTER).IsOk());
  EXPECT_EQ((std::vector<std::string>{kRenamePresenterCommandClassId}), presenter->commands);
  EXPECT_EQ((std::vector<std::string>{"new name"}), presenter->texts);
  EXPECT_EQ(presenter->senders.front(), static_cast<WidgetInterface*>(edit_.Get()));
}

TEST_F(TextEditWidgetTest, RenameNotificationWithoutAPresenterReportsANullReference) {
  ASSERT_TRUE(edit_->SetRenameNotification().IsOk());
  ASSERT_TRUE(Press(edit_).IsOk());
  Result<bool> finished = driver_->KeyDown(KEY::ENTER);
  ASSERT_FALSE(finished.IsOk());
  EXPECT_EQ(finished.GetError().GetKind(), ErrorKind::kNullReference);
  // The edit ended all the same.
  EXPECT_FALSE(EditWindow());
}

}  // namespace
}  // namespace zarvo
