#include "host/ui/AppWindow.h"
#include "host/ui/ModalDialogs.h"

namespace zarvo {

namespace {
// Never destroyed: windows released at exit still unregister.
std::vector<WeakRef<AppWindow>>& LiveWindows() {
  static auto* windows = new std::vector<WeakRef<AppWindow>>();
  return *windows;
}
}  // namespace

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
  // A close asked for by the user or the window system goes through RequestClose, so that
  // observers may keep the window open.
  canvas_->GetOsWindow()->SetCloseSink([this] { (void)RequestClose(); });
  LiveWindows().emplace_back(this);
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
  std::erase_if(LiveWindows(), [this](const WeakRef<AppWindow>& link) {
    return !link.IsAlive() || link.GetUnsafe() == this;
  });
  if (canvas_) {
    canvas_->GetOsWindow()->SetCloseSink(nullptr);
    canvas_->ObservableEvent()->RemoveObserver(eventObserver_);
  }
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
  CommandRef found = it->second;  // observers told by the refresh may change the registry
  found->Refresh();
  return found->GetState();
}

Result<void> AppWindow::ExecuteCommand(const Id& command, const DataDictionary& arguments) {
  auto it = commands_.find(command);
  if (it == commands_.end()) return NotFoundError("No handler for command '" + command.GetString() + "'");
  CommandRef found = it->second;  // the command may remove itself while it runs
  return found->Execute(arguments);
}

Result<Bool> AppWindow::OpenModalDialog(const DataDictionary& settings, DataDictionary& results) {
  Ref<AppWindowInterface> keep(this);
  return ModalDialogs::Get().Run(*this, settings, results);
}

void AppWindow::SetCommandHandler(const Id& command, CommandHandler handler, bool enabled) {
  Ref<Command> plain = Command::Create(command, command.GetString(), std::move(handler));
  plain->SetEnabled(enabled);
  commands_[command] = plain;
}

void AppWindow::AddCommand(const CommandRef& command) {
  if (!command) return;
  commands_[command->GetId()] = command;
}

bool AppWindow::RemoveCommand(const Id& command) { return commands_.erase(command) > 0; }

CommandRef AppWindow::GetCommand(const Id& command) const {
  auto it = commands_.find(command);
  return it == commands_.end() ? CommandRef() : it->second;
}

Result<void> AppWindow::Update() {
  Ref<AppWindowInterface> keep(this);
  ZV_TRY(appWidget_->ComputeLayout());
  ZV_TRY_ASSIGN(Rect drawn, appWidget_->DrawLayout());
  (void)drawn;
  return Ok();
}

void AppWindow::InjectEvent(const DataDictionary& event) { canvas_->GetOsWindow()->DeliverEvent(event); }

bool AppWindow::NeedsUpdate() const {
  return appWidget_->IsUpdatePending() || !canvas_->GetPendingDamage().IsEmpty();
}

std::vector<Ref<AppWindow>> AppWindow::GetOpenWindows() {
  std::vector<Ref<AppWindow>> open;
  for (const WeakRef<AppWindow>& link : LiveWindows()) {
    if (Ref<AppWindow> window = link.Lock(); window && window->IsOpen()) open.push_back(std::move(window));
  }
  return open;
}

}  // namespace zarvo
