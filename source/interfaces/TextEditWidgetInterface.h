#pragma once
#include <cstdint>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo {

inline constexpr char kTextEditWidgetClassId[] = "net.zarvo.mvp.widgetclasses.textedit";
inline constexpr char kTextEditWidgetInterfaceId[] = "net.zarvo.mvp.interface.texteditwidget";

// What starts an edit: nothing, a press, or only the press of a double click.
enum class TEXTEDIT_MODE : int32_t { LOCKED = 0, SINGLE_CLICK = 1, DOUBLE_CLICK = 2 };

// Levels of detail a widget is drawn at (WidgetInterface::SetLOD).
inline constexpr Int kLodNormal = 0;
inline constexpr Int kLodLow = 1;

class TextEditWidgetInterface;
using TextEditWidgetRef = Ref<TextEditWidgetInterface>;
using TextEditObservable = Observable<const TextEditWidgetRef&>;

// A text widget the user edits in place: a press opens the canvas's text edit window over the
// widget with its text, font and colours; the widget's text follows every change, a cancelled
// edit brings back the text from before it. Observers receive the widget. The background
// colour (WidgetInterface::SetBackgroundColor/GetBackgroundColor) is the edit window's.
class TextEditWidgetInterface : public virtual TextWidgetInterface {
 public:
  virtual void SetEditMode(TEXTEDIT_MODE mode) = 0;
  // LOCKED while the widget is drawn at low detail, whatever was set.
  virtual TEXTEDIT_MODE GetEditMode() const = 0;
  virtual void SetForegroundColor(const ColorA& color) = 0;
  virtual ColorA GetForegroundColor() const = 0;
  virtual void SetSelectionColor(const ColorA& color) = 0;
  virtual ColorA GetSelectionColor() const = 0;
  // The colour of the hover highlight, drawn over the text.
  virtual void SetHighlightColor(const ColorA& color) = 0;
  virtual ColorA GetHighlightColor() const = 0;
  // From now on every finished edit sends the widget's presenter a rename command
  // ("net.zarvo.mvp.presentercommandclasses.rename") carrying the text.
  [[nodiscard]] virtual Result<void> SetRenameNotification() = 0;
  // Fired whenever the edit window changes the text.
  virtual Ref<TextEditObservable> ObservableTextChanged() = 0;
  // Fired when an edit ends, cancelled or not, with the final text in place.
  virtual Ref<TextEditObservable> ObservableTextFinished() = 0;
};

}  // namespace zarvo
