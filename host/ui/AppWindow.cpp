#include "host/ui/AppWindow.h"

namespace zarvo {

Result<Ref<AppWindow>> AppWindow::Create(const Id& windowClass, const Rect& screenFrame, const String& title) {
  Ref<AppWindow> window(new AppWindow());
  ZV_TRY(window->Init(windowClass, screenFrame, title));
  return window;
}

Result<void> AppWindow::Init(const Id& windowClass, const Rect& screenFrame, const String& title) {
  if (!(screenFrame.Width() >= 0.0) || !(screenFrame.Height() >= 0.0)) {
    return IllegalArgumentError("Window frame must not be negative");
  }
  ZV_TRY_ASSIGN(std::unique_ptr<OsWindow> os, WindowSystem::Get().CreateOsWindow(windowClass, screenFrame, nullptr));
  ZV_TRY(os->SetTitle(title));
  canvas_ = MakeRef<Canvas>(std::move(os));
  appWidget_ = MakeRef<AppWidget>(this, canvas_.Get());
  requestClose_ = MakeRef<AppWindowObservable>();
  ZV_TRY(requestClose_->Init(this, "ObservableRequestClose"));
  const Rect frame = canvas_->GetWindowFrame();
  ZV_TRY(appWidget_->SetLocalSize(frame.Width(), frame.Height()));
  eventObserver_ = canvas_->ObservableEvent()->AddObserver(
      [this](CanvasInterface*, const DataDictionary& event) -> Result<void> {
        Ref<AppWindowInterface> keep(this);
        lastDispatch_ = appWidget_->DispatchEvent(event);
        return lastDispatch_.IsOk() ? Ok() : Result<void>(lastDispatch_.GetError());
      });
  canvas_->SetResizeListener([this](Vector2d size) { (void)appWidget_->SetLocalSize(size.x, size.y); });
  return Ok();
}

AppWindow::~AppWindow() {
  if (canvas_) canvas_->ObservableEvent()->RemoveObserver(eventObserver_);
  if (appWidget_) appWidget_->Detach();
}

Result<void> AppWindow::Open() {
  ZV_TRY(canvas_->OpenWindow());
  return Update();
}

Result<void> AppWindow::Close() {
  Ref<AppWindowInterface> keep(this);
  if (appWidget_->IsActionRunning()) ZV_TRY(appWidget_->CancelAction());
  return canvas_->CloseWindow();
}

bool AppWindow::IsOpen() const { return canvas_->IsWindowOpen(); }

Result<void> AppWindow::RequestClose() {
  Ref<AppWindowInterface> keep(this);
  ZV_TRY(requestClose_->Notify(this));
  return Close();
}

Result<CommandState> AppWindow::QueryCommand(const Id& command) {
  auto it = commands_.find(command);
  if (it == commands_.end()) return CommandState{};
  return CommandState{it->second.enabled, false};
}

Result<void> AppWindow::ExecuteCommand(const Id& command, const DataDictionary& arguments) {
  auto it = commands_.find(command);
  if (it == commands_.end()) return NotFoundError("No handler for command '" + command.GetString() + "'");
  if (!it->second.enabled) return IllegalStateError("Command '" + command.GetString() + "' is disabled");
  CommandHandler handler = it->second.handler;
  return handler(arguments);
}

void AppWindow::SetCommandHandler(const Id& command, CommandHandler handler, bool enabled) {
  commands_[command] = Command{std::move(handler), enabled};
}

Result<void> AppWindow::Update() {
  Ref<AppWindowInterface> keep(this);
  ZV_TRY(appWidget_->ComputeLayout());
  ZV_TRY_ASSIGN(Rect drawn, appWidget_->DrawLayout());
  (void)drawn;
  return Ok();
}

void AppWindow::InjectEvent(const DataDictionary& event) { canvas_->GetOsWindow()->DeliverEvent(event); }

}  // namespace zarvo
