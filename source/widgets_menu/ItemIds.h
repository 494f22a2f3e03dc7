#pragma once
#include <new>
#include <vector>

#include "host/core/Error.h"
#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

// Choosers name their adapter's items by id. Without ids of its own an adapter's items are
// numbered by their index.
[[nodiscard]] inline Result<std::vector<Int>> IndexItemIds(Int count) {
  std::vector<Int> ids;
  try {
    ids.reserve(static_cast<size_t>(count > 0 ? count : 0));
    for (Int i = 0; i < count; ++i) ids.push_back(i);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return ids;
}

// Keeps a copy of the ids a chooser was given; passing its own list back copies nothing.
[[nodiscard]] inline Result<void> StoreItemIds(const std::vector<Int>& ids, std::vector<Int>& stored) {
  if (&ids == &stored) return Ok();
  try {
    stored = ids;
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return Ok();
}

}  // namespace zarvo
