#pragma once
#include <vector>

#include "host/core/DataDictionary.h"
#include "host/core/Object.h"
#include "source/Desktop2dWindowImpl.h"
#include "source/MessageDialogButtons.h"
#include "source/interfaces/CheckboxWidgetInterface.h"
#include "source/interfaces/MessageDialogInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"

namespace zarvo {

// The state of one message dialog, for the duration of its ShowMessageDialog call: a desktop
// window holding a table of the icon, the message, the extra gadgets and the button row.
class MessageDialogImpl : public virtual ObjectInterface {
 public:
  // One extra gadget as the settings describe it, and the widget that shows it, if any.
  struct Gadget {
    GADGET_TYPE type = GADGET_TYPE::STATIC_TEXT;
    String name;
    DataValue value;
    bool hasValue = false;
    LAYOUT_AREA area = LAYOUT_AREA::TOP;
    DataDictionary children;
    DataDictionary settings;
    CheckboxWidgetRef checkbox;
  };

  explicit MessageDialogImpl(const DataDictionary& settings);
  ~MessageDialogImpl() override;

  [[nodiscard]] static Result<RESULT> Show(const DataDictionary& settings, DataDictionary* results);
  // The dialog open now (built or in its session), or empty.
  static Ref<MessageDialogImpl> GetCurrent();

  const Ref<Desktop2dWindowImpl>& GetWindow() const noexcept { return window_; }
  const std::vector<MessageDialogButton>& GetButtons() const noexcept { return buttons_; }
  // The button widget at a row index, or empty.
  TextButtonWidgetRef GetButtonWidget(Int index) const;
  const std::vector<Gadget>& GetGadgets() const noexcept { return gadgets_; }
  Int GetFocusedButton() const noexcept { return focusedButton_; }
  RESULT GetResult() const noexcept { return result_; }
  Int GetPressedButton() const noexcept { return pressedButton_; }
  // Stores the button's answer and closes the window; an index outside the row does nothing.
  [[nodiscard]] Result<void> PressButton(Int index);

 private:
  [[nodiscard]] Result<void> Build();
  [[nodiscard]] Result<void> ParseGadgets();
  [[nodiscard]] Result<void> CollectButtons();
  [[nodiscard]] Result<void> BuildContent(CellWidgetInterface& cell);
  [[nodiscard]] Result<WidgetRef> BuildMessageArea();
  [[nodiscard]] Result<WidgetRef> BuildGadgetWidget(Gadget& gadget);
  [[nodiscard]] Result<void> BuildButtonRow(CellWidgetInterface& cell);
  [[nodiscard]] Result<bool> HandleKey(const DataDictionary& event);
  void WriteResults(DataDictionary& results) const;
  void CloseWindow();

  Ref<Desktop2dWindowImpl> window_;
  DataDictionary settings_;
  std::vector<MessageDialogButton> buttons_;
  std::vector<TextButtonWidgetRef> buttonWidgets_;
  std::vector<Gadget> gadgets_;
  TableWidgetRef root_;
  RESULT result_ = RESULT::R_UNDEFINED;
  Int pressedButton_ = -1;
  Int focusedButton_ = 0;
  // Share of the screen a dialog may take; kept with the state, the layout does not use it yet.
  Float screenRatio_ = 0.65;
};

}  // namespace zarvo
