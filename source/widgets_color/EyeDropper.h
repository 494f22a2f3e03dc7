#pragma once
#include <cstdint>
#include <functional>

#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

// A pick of a colour from any of the application's windows. Once started it takes the input of
// every window: moving the pointer previews the colour under it, a left press picks that
// colour (its release is swallowed too), Escape or another button cancels. The colour is the
// one the window shows, read back from its surface. Destroying the dropper ends its pick.
class EyeDropper {
 public:
  using Told = std::function<Result<void>(const ColorA& color)>;
  using Cancelled = std::function<Result<void>()>;

  EyeDropper() = default;
  ~EyeDropper();
  EyeDropper(const EyeDropper&) = delete;
  EyeDropper& operator=(const EyeDropper&) = delete;

  // Starts a pick, cancelling any other pick of the application.
  void Start(Told preview, Told picked, Cancelled cancelled);
  // Ends the pick as if Escape was pressed.
  void Cancel();
  bool IsPicking() const noexcept;

 private:
  uint64_t grab_ = 0;
  bool done_ = false;
  Told preview_;
  Told picked_;
  Cancelled cancelled_;
};

}  // namespace zarvo
