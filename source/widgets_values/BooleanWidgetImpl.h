#pragma once
#include "source/interfaces/BooleanWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// The boolean widget: a table of one row holding a check box and its text.
class BooleanWidgetImpl : public TableWidgetImpl, public virtual BooleanWidgetInterface {
 public:
  BooleanWidgetImpl() = default;

  Result<TextWidgetRef> GetTextWidget() const override;
  Result<CheckboxWidgetRef> GetCheckboxWidget() const override;
  Result<void> SetValue(Bool value) override;
  Result<Bool> GetValue() const override;

  Result<void> CreateLayout() override;

 private:
  CheckboxWidgetRef checkbox_;
  TextWidgetRef text_;
};

}  // namespace zarvo
