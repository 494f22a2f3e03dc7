#pragma once
#include <cstdint>
#include <vector>

#include "host/core/Object.h"
#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

inline constexpr char kSelectionPatternInterfaceId[] = "net.zarvo.mvp.interface.selectionpattern";

// How a gesture combines with the selection there is.
enum class SELECTION_MODE : int32_t { NEW = 0, ADD = 1, SUBTRACT = 2, TOGGLE = 3 };

// Turns mouse gestures on the items of a chooser into changes of its selection, and keeps that
// selection. `ItemRef` is the chooser's handle on one item.
template <class ItemRef>
class SelectionPatternInterface : public virtual ObjectInterface {
 public:
  // Forgets any gesture in progress.
  virtual void MouseInit() = 0;
  // The press on `item`; `anchor` (may be empty) is the other end of a range gesture.
  [[nodiscard]] virtual Result<void> MouseDown(const ItemRef& item, const ItemRef& anchor, SELECTION_MODE mode) = 0;
  // The release; a cancelled gesture changes nothing.
  [[nodiscard]] virtual Result<void> MouseUp(Bool cancelled) = 0;
  virtual void MouseCancel() = 0;
  [[nodiscard]] virtual Result<void> SelectItem(const ItemRef& item, SELECTION_MODE mode) = 0;
  [[nodiscard]] virtual Result<void> SelectItemSet(const std::vector<ItemRef>& items, SELECTION_MODE mode) = 0;
  // Every item from `from` to `to`, both included.
  [[nodiscard]] virtual Result<void> SelectItemsFromTo(const ItemRef& from, const ItemRef& to, SELECTION_MODE mode) = 0;
  [[nodiscard]] virtual Result<std::vector<ItemRef>> GetCurrentSelection() const = 0;
};

}  // namespace zarvo
