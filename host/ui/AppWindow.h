#pragma once
#include <functional>
#include <unordered_map>

#include "host/ui/AppWidget.h"
#include "host/ui/AppWindowInterface.h"
#include "host/ui/Canvas.h"

namespace zarvo {

// A window of the application: an OS window with its canvas and root widget.
class AppWindow : public virtual AppWindowInterface {
 public:
  // Opens nothing yet: the window appears with OpenWindow on its canvas (or Open).
  [[nodiscard]] static Result<Ref<AppWindow>> Create(const Id& windowClass, const Rect& screenFrame,
                                                     const String& title = String());
  ~AppWindow() override;

  [[nodiscard]] Result<void> Open();
  [[nodiscard]] Result<void> Close();
  bool IsOpen() const;

  CanvasInterface* GetCanvas() const override { return canvas_.Get(); }
  Canvas* GetHostCanvas() const { return canvas_.Get(); }
  AppWidgetInterface* GetAppWidget() const override { return appWidget_.Get(); }
  AppWidget* GetHostAppWidget() const { return appWidget_.Get(); }
  Result<CommandState> QueryCommand(const Id& command) override;
  Result<void> ExecuteCommand(const Id& command, const DataDictionary& arguments) override;
  Result<void> Update() override;
  Ref<AppWindowObservable> ObservableRequestClose() override { return requestClose_; }

  // Commands the window answers when no widget handled them.
  using CommandHandler = std::function<Result<void>(const DataDictionary& arguments)>;
  void SetCommandHandler(const Id& command, CommandHandler handler, bool enabled = true);
  // The user asked to close (window manager or Escape in a dialog): observers may refuse by
  // returning an error; otherwise the window closes.
  [[nodiscard]] Result<void> RequestClose();
  // Hands an event record to the window as if the window system had sent it.
  void InjectEvent(const DataDictionary& event);
  // The result of the last routed event: whether a widget consumed it, or its error.
  const Result<bool>& GetLastDispatchResult() const noexcept { return lastDispatch_; }

 protected:
  AppWindow() = default;

 private:
  [[nodiscard]] Result<void> Init(const Id& windowClass, const Rect& screenFrame, const String& title);

  Ref<Canvas> canvas_;
  Ref<AppWidget> appWidget_;
  Ref<AppWindowObservable> requestClose_;
  ObserverHandle eventObserver_ = kNoObserver;
  struct Command {
    CommandHandler handler;
    bool enabled;
  };
  std::unordered_map<Id, Command, IdHasher> commands_;
  Result<bool> lastDispatch_ = false;
};

}  // namespace zarvo
