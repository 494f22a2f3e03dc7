#include "host/ui/PresenterCommand.h"

#include "host/core/ClassRegistry.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

namespace {

// The host's plain command: everything it carries travels in its arguments, so a presenter
// that only knows ExecutePresenterCommand still receives it whole.
class PresenterCommand final : public PresenterCommandInterface {
 public:
  explicit PresenterCommand(const Id& commandClass) : commandClass_(commandClass) {}

  Result<void> Init(WidgetInterface* sender) override {
    if (initialised_) return IllegalStateError("Presenter command is already initialised");
    initialised_ = true;
    sender_ = WeakRef<WidgetInterface>(sender);
    return Ok();
  }
  const Id& GetCommandClass() const override { return commandClass_; }
  WidgetInterface* GetSender() const override { return sender_.GetUnsafe(); }
  void SetString(const String& text) override { arguments_.Set(Id(kPresenterCommandStringKey), text); }
  String GetString() const override {
    return arguments_.Get<String>(Id(kPresenterCommandStringKey), String()).ValueOr(String());
  }
  const DataDictionary& GetArguments() const override { return arguments_; }

 private:
  Id commandClass_;
  WeakRef<WidgetInterface> sender_;
  DataDictionary arguments_;
  bool initialised_ = false;
};

}  // namespace

Result<PresenterCommandRef> CreatePresenterCommand(const Id& classId) {
  if (ClassRegistry::Get().HasClass(classId)) return CreateObject<PresenterCommandInterface>(classId);
  if (classId == Id(kRenamePresenterCommandClassId)) {
    return PresenterCommandRef(MakeRef<PresenterCommand>(classId));
  }
  return NotFoundError("Presenter command class '" + classId.GetString() + "' not found");
}

}  // namespace zarvo
