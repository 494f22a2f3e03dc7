#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/CheckboxWidgetInterface.h"
#include "source/interfaces/TextEditWidgetInterface.h"
#include "source/widgets_values/CheckboxWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

struct Told {
  CheckboxWidgetInterface* sender;
  Bool state;
  friend bool operator==(const Told&, const Told&) = default;
};

class CheckboxWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 40, 40});
    ASSERT_TRUE(window_);
    box_ = test::NewObject<CheckboxWidgetInterface>(kCheckboxWidgetClassId);
    ASSERT_TRUE(box_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(box_).IsOk());
    box_->SetLocalPosition({10, 10});
    Update();
    box_->ObservableStateChanged()->AddObserver([this](const CheckboxWidgetRef& sender, Bool state) -> Result<void> {
      told_.push_back({sender.Get(), state});
      return Ok();
    });
  }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  Result<bool> Send(EVENT type, Int buttons = BUTTON::LEFT) {
    const DataDictionary event = MakeMouseEvent(type, EventDriver::CenterOf(*box_), buttons);
    return box_->HandleEvent(&event);
  }
  Result<bool> Key(Int32 key, Int modifiers = MODIFIER::NONE) {
    const DataDictionary event = MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, key, modifiers);
    return box_->HandleEvent(&event);
  }
  VECTOR_ICON_STATE IconState() const {
    return dynamic_cast<CheckboxWidgetImpl&>(*box_).GetVectorIcon()->GetState();
  }
  Told T(Bool state) const { return {box_.Get(), state}; }

  Ref<AppWindow> window_;
  CheckboxWidgetRef box_;
  std::vector<Told> told_;
};

TEST_F(CheckboxWidgetTest, CreationGivesACheckmarkBoxThatIsOff) {
  EXPECT_EQ(box_->GetName(), "CheckBoxWidget");
  EXPECT_FALSE(box_->GetState());
  EXPECT_EQ(box_->GetSymbol(), CHECKBOX_SYMBOL::CHECKMARK);
  EXPECT_EQ(box_->GetButtonReaction(), BUTTON_REACTION::BUTTON_DOWN);
  EXPECT_EQ(box_->GetLocalPixSize(), (Vector2d{16, 16}));
  EXPECT_TRUE(box_->GetAcceptFocus());
  EXPECT_EQ(IconState(), VECTOR_ICON_STATE::ENABLED_DEACTIVATED_NOHIGHLIGHT);
  EXPECT_STREQ(box_->ObservableStateChanged()->GetObservableId(), "ObservableStateChanged");
}

TEST_F(CheckboxWidgetTest, ClicksToggleAndTellTheObservers) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Click(*box_));
  EXPECT_TRUE(box_->GetState());
  EXPECT_EQ(IconState(), VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT);
  ASSERT_TRUE(*driver.Click(*box_));
  EXPECT_FALSE(box_->GetState());
  EXPECT_EQ(told_, (std::vector<Told>{T(true), T(false)})) << "once per click: the press toggles, the release not";
}

TEST_F(CheckboxWidgetTest, TheReactionChoosesPressOrRelease) {
  ASSERT_TRUE(*Send(EVENT::BUTTON_UP));
  EXPECT_TRUE(told_.empty()) << "a release is taken without effect";
  box_->SetButtonReaction(BUTTON_REACTION::BUTTON_UP);
  ASSERT_TRUE(*Send(EVENT::BUTTON_DOWN));
  EXPECT_FALSE(box_->GetState());
  ASSERT_TRUE(*Send(EVENT::BUTTON_UP));
  EXPECT_TRUE(box_->GetState());
  ASSERT_TRUE(*Key(KEY::ENTER)) << "Enter toggles whatever the reaction";
  EXPECT_FALSE(box_->GetState());
  EXPECT_EQ(told_, (std::vector<Told>{T(true), T(false)}));
}

TEST_F(CheckboxWidgetTest, OtherButtonsKeysAndModifiersAreLeftToTheParent) {
  EXPECT_FALSE(*Send(EVENT::BUTTON_DOWN, BUTTON::RIGHT));
  EXPECT_FALSE(*Send(EVENT::BUTTON_DOWN, BUTTON::LEFT | BUTTON::RIGHT));
  EXPECT_FALSE(*Send(EVENT::BUTTON_DRAG));
  EXPECT_FALSE(*Key(KEY::ENTER, MODIFIER::SHIFT));
  EXPECT_FALSE(*Key('a'));
  const DataDictionary up = MakeKeyEvent(EVENT::KEYBOARD_KEY_UP, KEY::ENTER);
  EXPECT_FALSE(*box_->HandleEvent(&up));
  const DataDictionary untyped;
  EXPECT_FALSE(*box_->HandleEvent(&untyped));
  EXPECT_FALSE(*box_->HandleEvent(nullptr));
  EXPECT_FALSE(box_->GetState());
  EXPECT_TRUE(told_.empty());
}

TEST_F(CheckboxWidgetTest, SetStateShowsWithoutTelling) {
  box_->SetState(true);
  EXPECT_TRUE(box_->GetState());
  EXPECT_EQ(IconState(), VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT);
  EXPECT_TRUE(told_.empty());
}

TEST_F(CheckboxWidgetTest, ARadioBoxThatIsOnStaysOn) {
  ASSERT_TRUE(box_->SetSymbol(CHECKBOX_SYMBOL::RADIO).IsOk());
  ASSERT_TRUE(*Send(EVENT::BUTTON_DOWN));
  EXPECT_TRUE(box_->GetState());
  ASSERT_TRUE(*Send(EVENT::BUTTON_DOWN)) << "still consumed";
  ASSERT_TRUE(*Key(KEY::ENTER));
  EXPECT_TRUE(box_->GetState());
  EXPECT_EQ(told_, (std::vector<Told>{T(true)}));
}

TEST_F(CheckboxWidgetTest, SymbolsLoadTheirIconsAndKeepTheState) {
  box_->SetState(true);
  const auto& impl = dynamic_cast<CheckboxWidgetImpl&>(*box_);
  for (CHECKBOX_SYMBOL symbol : {CHECKBOX_SYMBOL::TRIANGLE, CHECKBOX_SYMBOL::PREVIEW, CHECKBOX_SYMBOL::FOLDER,
                                 CHECKBOX_SYMBOL::SOLO, CHECKBOX_SYMBOL::RADIO, CHECKBOX_SYMBOL::COMMENT,
                                 CHECKBOX_SYMBOL::CHECKMARK}) {
    ASSERT_TRUE(box_->SetSymbol(symbol).IsOk());
    EXPECT_EQ(box_->GetSymbol(), symbol);
    ASSERT_TRUE(impl.GetVectorIcon());
    EXPECT_TRUE(impl.GetVectorIcon()->IsLoaded());
    EXPECT_EQ(IconState(), VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT);
  }
  EXPECT_NE(impl.GetVectorIcon()->GetUrl().text.find("icons/checkbox/checkmark.svg"), std::string::npos);
  ASSERT_TRUE(box_->SetSymbol(CHECKBOX_SYMBOL::NONE).IsOk());
  EXPECT_FALSE(impl.GetVectorIcon());
  Result<void> unknown = box_->SetSymbol(static_cast<CHECKBOX_SYMBOL>(42));
  ASSERT_FALSE(unknown.IsOk());
  EXPECT_EQ(box_->GetSymbol(), CHECKBOX_SYMBOL::NONE);
  ASSERT_TRUE(*Key(KEY::ENTER)) << "a box without a symbol still toggles";
  EXPECT_FALSE(box_->GetState());
}

TEST_F(CheckboxWidgetTest, LowDetailTakesNoFocus) {
  box_->SetLOD(kLodLow);
  EXPECT_FALSE(box_->GetAcceptFocus());
  EXPECT_FALSE(box_->GetAcceptTabFocus());
  box_->SetLOD(kLodNormal);
  EXPECT_TRUE(box_->GetAcceptFocus());
}

TEST_F(CheckboxWidgetTest, AnObserverErrorIsReturnedAndTheStateStaysChanged) {
  box_->ObservableStateChanged()->AddObserver([](const CheckboxWidgetRef&, Bool) -> Result<void> {
    return IllegalStateError("presenter refused");
  });
  Result<bool> handled = Key(KEY::ENTER);
  ASSERT_FALSE(handled.IsOk());
  EXPECT_EQ(handled.GetError().GetMessage(), "presenter refused");
  EXPECT_TRUE(box_->GetState());
}

TEST_F(CheckboxWidgetTest, CopyFromTakesTheMembers) {
  box_->SetState(true);
  ASSERT_TRUE(box_->SetSymbol(CHECKBOX_SYMBOL::SOLO).IsOk());
  box_->SetButtonReaction(BUTTON_REACTION::BUTTON_UP);
  CheckboxWidgetRef copy = test::NewObject<CheckboxWidgetInterface>(kCheckboxWidgetClassId);
  ASSERT_TRUE(copy->CopyFrom(*box_).IsOk());
  EXPECT_TRUE(copy->GetState());
  EXPECT_EQ(copy->GetSymbol(), CHECKBOX_SYMBOL::SOLO);
  EXPECT_EQ(copy->GetButtonReaction(), BUTTON_REACTION::BUTTON_UP);
  EXPECT_EQ(copy->ObservableStateChanged(), box_->ObservableStateChanged()) << "observers are shared";
}

// Every symbol, off in the top row and on in the bottom one, the last on box under the pointer.
TEST(CheckboxWidgetGoldenTest, EverySymbolOffAndOn) {
  constexpr Float kStride = 20.0;
  Ref<AppWindow> window = test::MakeTestWindow(Rect{0, 0, 7 * kStride + 4, 2 * kStride + 4});
  ASSERT_TRUE(window);
  CheckboxWidgetRef last;
  for (Int row = 0; row < 2; ++row) {
    for (Int i = 0; i < 7; ++i) {
      CheckboxWidgetRef box = test::NewObject<CheckboxWidgetInterface>(kCheckboxWidgetClassId);
      ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(box).IsOk());
      ASSERT_TRUE(box->CreateLayout().IsOk());
      ASSERT_TRUE(box->SetSymbol(static_cast<CHECKBOX_SYMBOL>(i + 1)).IsOk());
      box->SetState(row == 1);
      box->SetLocalPosition({4.0 + static_cast<Float>(i) * kStride, 4.0 + static_cast<Float>(row) * kStride});
      last = box;
    }
  }
  ASSERT_TRUE(window->Update().IsOk());
  EventDriver driver(*window);
  ASSERT_TRUE(driver.Move(EventDriver::CenterOf(*last)).IsOk());
  ASSERT_TRUE(window->Update().IsOk());
  test::ExpectMatchesGolden(window->GetHostCanvas()->GetOsWindow()->GetSurface(), "checkbox_symbols");
}

}  // namespace
}  // namespace zarvo
