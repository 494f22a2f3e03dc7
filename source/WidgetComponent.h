#pragma once
#include <cassert>
#include <functional>
#include <initializer_list>

#include "host/core/HostRegistrations.h"
#include "host/core/MainThreadQueue.h"
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/ui/StyleSheet.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

// What every widget class of the module shares: observables named after the interface
// operation that hands them out, freed by disconnecting every observer, fired with the widget
// as their one argument; style values read when applied; work deferred to the main queue.

// An observable member and the name its interface operation hands it out under.
struct ObservableBinding {
  ObservableBase* observable;
  const char* name;
};

// InitComponent's part for observables: each one in order gets its owner and name; the first
// error ends it, and a missing observable object is a null-reference error.
[[nodiscard]] Result<void> InitObservables(ObjectInterface* owner, std::initializer_list<ObservableBinding> bindings);

// FreeComponent's part: every observer goes, the object-bound ones first, then the plain ones.
void FreeObservables(std::initializer_list<ObservableBase*> observables);

// An observable member made when its interface operation first hands it out. Widgets that are
// made by the thousand (buttons in a table) are mostly never observed, and an observable object
// costs more than the widget's own state. Made, it is named exactly as InitComponent names an
// eager one; until then firing it notifies nobody.
template <class Obs>
class LazyObservable {
 public:
  Ref<Obs> Get(ObjectInterface* owner, const char* name) {
    if (!observable_) {
      Ref<Obs> made = MakeRef<Obs>();
      [[maybe_unused]] const Result<void> named = made->Init(owner, name);
      assert(named.IsOk() && "an observable is named once, with a name");
      observable_ = std::move(made);
    }
    return observable_;
  }
  // The observable when it was made, else nullptr.
  Obs* Peek() const noexcept { return observable_.Get(); }
  // A copied widget shares its source's observables, so the source makes the one it has not
  // handed out yet: observers added to either copy later are then told by both. Making it is
  // not a visible change of the source, hence const.
  void ShareFrom(const LazyObservable& source, const ObjectInterface& sourceOwner, const char* name) {
    observable_ = const_cast<LazyObservable&>(source).Get(const_cast<ObjectInterface*>(&sourceOwner), name);
  }

 private:
  Ref<Obs> observable_;
};

// Fires an observable with the widget (and what changed): true, or the first observer error.
template <class Obs, class... Args>
[[nodiscard]] Result<bool> FireObservable(const Ref<Obs>& observable, const Args&... args) {
  if (!observable) return NullReferenceError("Observable is missing");
  Ref<Obs> keep = observable;
  ZV_TRY(keep->Notify(args...));
  return true;
}

// A style value as the widget's style sheet has it now, or the key's declared default.
template <class T>
T ReadStyle(const WidgetInterface& widget, const StyleKey<T>& key) {
  return StyleSheetService::Get().Read(key, widget.GetWidgetStylesheet());
}

// Fires a lazy observable: nobody to tell until it was handed out.
template <class Obs, class... Args>
[[nodiscard]] Result<bool> FireObservable(const LazyObservable<Obs>& observable, const Args&... args) {
  Obs* made = observable.Peek();
  if (!made) return true;
  return FireObservable(Ref<Obs>(made), args...);
}

// Runs `work` after the current event on the main thread, keeping the widget alive until then.
JobHandle DeferWidgetWork(WidgetInterface* widget, std::function<void()> work);

}  // namespace zarvo
