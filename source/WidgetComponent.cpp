#include "source/WidgetComponent.h"

namespace zarvo {

Result<void> InitObservables(ObjectInterface* owner, std::initializer_list<ObservableBinding> bindings) {
  for (const ObservableBinding& binding : bindings) {
    if (!binding.observable) return NullReferenceError(std::string("Observable ") + binding.name + " is missing");
    ZV_TRY(binding.observable->Init(owner, binding.name));
  }
  return Ok();
}

void FreeObservables(std::initializer_list<ObservableBase*> observables) {
  for (ObservableBase* observable : observables) {
    if (!observable) continue;
    observable->DisconnectAll(nullptr, DisconnectMode::kObjectObservers);
    observable->DisconnectAll(nullptr, DisconnectMode::kPlainObservers);
  }
}

JobHandle DeferWidgetWork(WidgetInterface* widget, std::function<void()> work) {
  return GetMainThreadQueue().Enqueue([keep = Ref<WidgetInterface>(widget), work = std::move(work)] { work(); });
}

}  // namespace zarvo
