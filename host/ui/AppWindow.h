#pragma once
#include <functional>
#include <unordered_map>
#include <vector>

#include "host/ui/AppWidget.h"
#include "host/ui/AppWindowInterface.h"
#include "host/ui/Canvas.h"
#include "host/ui/CommandInterface.h"

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
  Result<Bool> OpenModalDialog(const DataDictionary& settings, DataDictionary& results) override;
  Ref<AppWindowObservable> ObservableRequestClose() override { return requestClose_; }

  // Commands the window answers when no widget handled them. SetCommandHandler registers a
  // plain command under that id (its name is the id), replacing any command of the same id.
  using CommandHandler = std::function<Result<void>(const DataDictionary& arguments)>;
  void SetCommandHandler(const Id& command, CommandHandler handler, bool enabled = true);
  // Registers `command` under its id, replacing any command of the same id. QueryCommand
  // refreshes it and answers with its state; ExecuteCommand runs it. An empty reference does
  // nothing.
  void AddCommand(const CommandRef& command);
  // False when no command had that id.
  bool RemoveCommand(const Id& command);
  // The command registered under the id, or an empty reference.
  CommandRef GetCommand(const Id& command) const;
  // The user asked to close (window manager or Escape in a dialog): observers may refuse by
  // returning an error; otherwise the window closes.
  [[nodiscard]] Result<void> RequestClose();
  // Hands an event record to the window as if the window system had sent it.
  void InjectEvent(const DataDictionary& event);
  // True when a layout or a redraw waits for the next Update.
  bool NeedsUpdate() const;
  // Every open window, oldest first: the host loop updates them and ends with the last.
  static std::vector<Ref<AppWindow>> GetOpenWindows();
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
  std::unordered_map<Id, CommandRef, IdHasher> commands_;
  Result<bool> lastDispatch_ = false;
};

}  // namespace zarvo
