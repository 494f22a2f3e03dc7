#pragma once
#include <functional>
#include <memory>

#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/ColorPickerWidgetInterface.h"
#include "source/interfaces/Desktop2dWindowInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"

namespace zarvo {

inline constexpr char kColorChooserTitle[] = "Color Chooser";

// The "Color Chooser" window a colour button opens: a desktop window holding a colour picker
// above the "OK" and "Cancel" buttons. OK hands the picked colour to the opener and closes the
// window; Cancel and the window's close button close it and hand over nothing.
class ColorChooser {
 public:
  using Chosen = std::function<Result<void>(const ColorA& color)>;

  // Opens the window below `owner`, inside the work area of the owner's monitor, showing
  // `color`. A host error while building it is returned and leaves no window open.
  [[nodiscard]] static Result<std::unique_ptr<ColorChooser>> Open(const WidgetInterface& owner, const ColorA& color,
                                                                  Chosen chosen);
  ~ColorChooser();
  ColorChooser(const ColorChooser&) = delete;
  ColorChooser& operator=(const ColorChooser&) = delete;

  [[nodiscard]] Result<void> Close();
  bool IsOpen() const;

  const Desktop2dWindowRef& GetWindow() const noexcept { return window_; }
  const ColorPickerWidgetRef& GetPicker() const noexcept { return picker_; }
  const TextButtonWidgetRef& GetOkButton() const noexcept { return ok_; }
  const TextButtonWidgetRef& GetCancelButton() const noexcept { return cancel_; }

 private:
  ColorChooser() = default;
  [[nodiscard]] Result<void> Build(const WidgetInterface& owner, const ColorA& color);
  [[nodiscard]] Result<void> Place(const WidgetInterface& owner);

  Chosen chosen_;
  Desktop2dWindowRef window_;
  TableWidgetRef content_;
  ColorPickerWidgetRef picker_;
  TextButtonWidgetRef ok_;
  TextButtonWidgetRef cancel_;
  // The colour the picker last told, kept so that OK hands over what the user saw.
  ColorA picked_;
};

}  // namespace zarvo
