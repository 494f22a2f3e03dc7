#pragma once
#include <cstdint>
#include <vector>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/FlexBoxWidgetInterface.h"
#include "source/interfaces/QuickTabWidgetAdapterInterface.h"

namespace zarvo {

inline constexpr char kQuickTabWidgetClassId[] = "net.zarvo.mvp.widgetclasses.quicktab";
inline constexpr char kQuickTabWidgetInterfaceId[] = "net.zarvo.mvp.interface.quicktab";

// One selected tab at most, or any set of them.
enum class QUICKTAB_SELECT_MODE : int32_t { SINGLE = 0, MULTI = 1 };

class QuickTabWidgetInterface;
using QuickTabWidgetRef = Ref<QuickTabWidgetInterface>;
using QuickTabObservable = Observable<const QuickTabWidgetRef&>;

// A row of toggle buttons, one per item of an adapter. Like the cycle widget it keeps item ids
// only (the indices when none are given); the selection is a set of ids that a selection
// pattern keeps and changes.
class QuickTabWidgetInterface : public virtual FlexBoxWidgetInterface {
 public:
  // Selects (`select`) or deselects the item, alone (`exclusive`) or with the others; in single
  // mode a selection is always alone. Restyles the tabs and tells observers. An id whose index
  // is not below the adapter's count fails with "index exceeds number of items".
  [[nodiscard]] virtual Result<void> SetItem(Int id, Bool select, Bool exclusive) = 0;
  virtual Bool GetItem(Int id) const = 0;
  // The adapter with the ids 0 .. count-1.
  [[nodiscard]] virtual Result<void> SetAdapter(const QuickTabWidgetAdapterRef& adapter) = 0;
  // The adapter with one id per item; the tabs are rebuilt at the next layout switch.
  [[nodiscard]] virtual Result<void> SetAdapter(const QuickTabWidgetAdapterRef& adapter,
                                                const std::vector<Int>& itemIds) = 0;
  virtual QuickTabWidgetAdapterRef GetAdapter() const = 0;
  virtual void SetSelectMode(QUICKTAB_SELECT_MODE mode) = 0;
  virtual QUICKTAB_SELECT_MODE GetSelectMode() const = 0;
  // The id at a valid index.
  virtual Int GetItemIdFromIndex(Int index) const = 0;
  // The first index holding the id, or -1.
  virtual Int GetIndexFromItemId(Int id) const = 0;
  virtual Ref<QuickTabObservable> ObservableSelectionChanged() = 0;
};

}  // namespace zarvo
