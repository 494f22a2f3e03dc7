#pragma once
#include "host/core/DataDictionary.h"
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

class AppWidgetInterface;
class AppWindowInterface;
using AppWindowObservable = Observable<AppWindowInterface*>;

// An application window: a canvas with its root widget. Commands that no widget handled end
// here.
class AppWindowInterface : public virtual ObjectInterface {
 public:
  virtual CanvasInterface* GetCanvas() const = 0;
  virtual AppWidgetInterface* GetAppWidget() const = 0;
  [[nodiscard]] virtual Result<CommandState> QueryCommand(const Id& command) = 0;
  [[nodiscard]] virtual Result<void> ExecuteCommand(const Id& command, const DataDictionary& arguments) = 0;
  // Runs layout, drawing and presentation of what changed.
  [[nodiscard]] virtual Result<void> Update() = 0;
  // Runs the modal dialog the settings name (see ModalDialogs); true when the user made a
  // choice, whose values are in `results`.
  [[nodiscard]] virtual Result<Bool> OpenModalDialog(const DataDictionary& settings, DataDictionary& results) = 0;
  // Fired when the user asks to close the window; an observer error keeps it open.
  virtual Ref<AppWindowObservable> ObservableRequestClose() = 0;
};

using AppWindowRef = Ref<AppWindowInterface>;

}  // namespace zarvo
