#pragma once
#include "host/ui/WidgetBase.h"
#include "source/interfaces/CustomWidgetInterface.h"

namespace zarvo {

// An empty widget drawn by the application's callbacks; the base of the custom button. It does
// not copy: its callbacks may hold anything.
class CustomWidgetImpl : public WidgetBase, public virtual CustomWidgetInterface {
 public:
  CustomWidgetImpl();

  Result<void> CreateLayout() override;
  Result<void> DrawContent() override;
  Result<void> DrawHighlight() override;

  void SetDrawContentCallback(CustomDrawContentCallback callback) override;
  void SetDrawHighlightCallback(CustomDrawHighlightCallback callback) override;

 private:
  CustomDrawContentCallback drawContent_;
  CustomDrawHighlightCallback drawHighlight_;
};

}  // namespace zarvo
