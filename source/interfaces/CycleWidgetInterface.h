#pragma once
#include <vector>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "source/interfaces/CycleWidgetAdapterInterface.h"

namespace zarvo {

inline constexpr char kCycleWidgetClassId[] = "net.zarvo.mvp.widgetclasses.cycle";
inline constexpr char kCycleWidgetInterfaceId[] = "net.zarvo.mvp.interface.cyclewidget";

// The id that marks a separator entry: shown as a line, never selected.
inline constexpr Int kCycleSeparatorId = -1;

class CycleWidgetInterface;
using CycleWidgetRef = Ref<CycleWidgetInterface>;
// Observers receive the widget and the id of the item selected.
using CycleItemObservable = Observable<const CycleWidgetRef&, Int>;

// A drop-down chooser: a button showing the selected item that opens a list of all items. The
// items come from an adapter; the widget keeps one id per item (free integers, the indices
// when none are given), so the selection is an id, not an index.
class CycleWidgetInterface : public virtual ButtonWidgetInterface {
 public:
  // Selects the id (unchecked), shows its item, tells observers when `notify` is set, and
  // closes the drop-down.
  [[nodiscard]] virtual Result<void> SetItem(Int itemId, Bool notify) = 0;
  virtual Int GetItem() const = 0;
  // The adapter with the ids 0 .. count-1; an empty adapter gives no items.
  [[nodiscard]] virtual Result<void> SetAdapter(const CycleWidgetAdapterRef& adapter) = 0;
  // The adapter with one id per item; kCycleSeparatorId marks a separator.
  [[nodiscard]] virtual Result<void> SetAdapter(const CycleWidgetAdapterRef& adapter,
                                                const std::vector<Int>& itemIds) = 0;
  virtual CycleWidgetAdapterRef GetAdapter() const = 0;
  // Opening makes a new drop-down window; closing closes and releases the one open.
  [[nodiscard]] virtual Result<void> SetDropdownWindowOpen(Bool open) = 0;
  // The id at a valid index.
  virtual Int GetItemIdFromIndex(Int index) const = 0;
  // The first index holding the id, or -1.
  virtual Int GetIndexFromItemId(Int itemId) const = 0;
  virtual Ref<CycleItemObservable> ObservableItemChanged() = 0;
};

}  // namespace zarvo
