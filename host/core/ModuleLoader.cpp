#include "host/core/ModuleLoader.h"

#include <algorithm>
#include <new>

#include "host/core/ClassRegistry.h"

namespace zarvo {

ModuleLoader& ModuleLoader::Get() {
  static ModuleLoader loader;
  return loader;
}

bool ModuleLoader::IsLoaded(const Id& moduleId) const {
  return std::any_of(loaded_.begin(), loaded_.end(),
                     [&](const LoadedModule& loaded) { return loaded.moduleId == moduleId; });
}

Result<size_t> ModuleLoader::GetMark(const Id& moduleId) const {
  for (const LoadedModule& loaded : loaded_) {
    if (loaded.moduleId == moduleId) return loaded.mark;
  }
  return NotFoundError("Module not loaded: '" + moduleId.GetString() + "'");
}

Result<void> ModuleLoader::Load(const ModuleDescriptor& module) {
  if (IsLoaded(module.moduleId)) {
    return IllegalStateError("Module already loaded: '" + module.moduleId.GetString() + "'");
  }
  ClassRegistry& registry = ClassRegistry::Get();
  const size_t mark = registry.GetMark();
  try {
    loaded_.reserve(loaded_.size() + 1);  // so that the final push_back cannot fail
    for (const ModuleUnit& unit : module.units) {
      registry.RecordSourceUnit(unit.path);
      if (unit.record) unit.record();
    }
  } catch (const std::bad_alloc&) {
    // Records are strings and tables; running out of memory is the one way recording fails.
    registry.WithdrawTo(mark);
    return OutOfMemoryError();
  }
  if (module.loadResources) {
    Result<void> loaded = module.loadResources();
    if (!loaded) {
      registry.WithdrawTo(mark);
      return loaded.GetError();
    }
  }
  loaded_.push_back(LoadedModule{module.moduleId, mark, module.unloadResources});
  return Ok();
}

Result<void> ModuleLoader::Unload(const Id& moduleId) {
  if (!IsLoaded(moduleId)) return NotFoundError("Module not loaded: '" + moduleId.GetString() + "'");
  const LoadedModule& newest = loaded_.back();
  if (!(newest.moduleId == moduleId)) {
    return IllegalStateError("Module '" + moduleId.GetString() + "' cannot be unloaded before '" +
                             newest.moduleId.GetString() + "'");
  }
  if (newest.unloadResources) newest.unloadResources();
  ClassRegistry::Get().WithdrawTo(newest.mark);
  loaded_.pop_back();
  return Ok();
}

}  // namespace zarvo
