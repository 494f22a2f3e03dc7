#pragma once
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "host/core/Id.h"
#include "host/core/Result.h"

namespace zarvo {

// One source unit of a module: its path (the record key is the base name, the text after the
// last "/") and the function recording what the unit offers after the loader has recorded the
// unit itself: dependencies first, then per class its component, class and registry binding.
// Recording cannot fail; dependencies are resolved by the class registry at first use.
struct ModuleUnit {
  std::string_view path;
  void (*record)() = nullptr;
};

// A loadable module. Registration is explicit: the units run in the order of `units`, which is
// the module's link order, instead of relying on the order static initialisers happen to run.
struct ModuleDescriptor {
  Id moduleId;
  std::span<const ModuleUnit> units;
  // Runs after every unit has recorded: loads what the module keeps outside its code (string
  // resources). An error undoes the whole load.
  Result<void> (*loadResources)() = nullptr;
  // Releases what loadResources loaded; runs before the records are withdrawn.
  void (*unloadResources)() = nullptr;
};

// Loads and unloads modules into the class registry. Every record a module makes lies above a
// mark taken before its first unit, so unloading withdraws exactly the module's records, newest
// first. Modules therefore unload in the reverse order of loading. Main thread only.
class ModuleLoader {
 public:
  static ModuleLoader& Get();

  // Runs the units in order, then loads the module's resources. On any error nothing of the
  // module stays recorded.
  [[nodiscard]] Result<void> Load(const ModuleDescriptor& module);
  // Unloads the most recently loaded module; any other is an IllegalStateError.
  [[nodiscard]] Result<void> Unload(const Id& moduleId);
  bool IsLoaded(const Id& moduleId) const;
  // The class registry's record count before the module's first record.
  [[nodiscard]] Result<size_t> GetMark(const Id& moduleId) const;

 private:
  ModuleLoader() = default;
  struct LoadedModule {
    Id moduleId;
    size_t mark = 0;
    void (*unloadResources)() = nullptr;
  };
  std::vector<LoadedModule> loaded_;  // in load order
};

}  // namespace zarvo
