#pragma once
#include "host/core/Ref.h"
#include "host/ui/QuickTabItemInterface.h"
#include "host/ui/SelectionPatternInterface.h"

namespace zarvo {

inline constexpr char kQuickTabSelectionBaseClassId[] = "net.zarvo.mvp.selectionpattern.quicktab.baseimpl";
inline constexpr char kQuickTabSelectionClassId[] = "net.zarvo.mvp.selectionpattern.quicktab.impl";
inline constexpr char kQuickTabSelectionPatternInterfaceId[] =
    "net.zarvo.mvp.selectionpattern.net.zarvo.mvp.interface.quicktabselection";

using QuickTabSelectionPattern = SelectionPatternInterface<QuickTabItemRef>;

class QuickTabWidgetInterface;
class QuickTabSelectionPatternInterface;
using QuickTabSelectionPatternRef = Ref<QuickTabSelectionPatternInterface>;

// The quick tab's selection pattern: a set of item ids. Ranges follow the tab order of the
// quick tab it is linked to (weakly: the widget holds the pattern).
class QuickTabSelectionPatternInterface : public virtual QuickTabSelectionPattern {
 public:
  virtual void SetQuickTabWidget(const Ref<QuickTabWidgetInterface>& widget) = 0;
  virtual Bool IsSelected(Int id) const = 0;
};

}  // namespace zarvo
