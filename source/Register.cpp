#include "source/Register.h"

#include "host/core/ClassRegistry.h"
#include "host/core/HostRegistrations.h"

namespace zarvo {

namespace {

constexpr bool DependencyHashesMatch() {
  for (const PrecomputedId& dependency : kWidgetsModuleDependencies) {
    if (HashIdBytes(dependency.text) != dependency.hash) return false;
  }
  return true;
}
static_assert(DependencyHashesMatch(), "a dependency hash does not follow the identifier rule");
static_assert(std::size(kWidgetsModuleDependencies) == 9);

}  // namespace

void RecordRegister() {
  ClassRegistry& registry = ClassRegistry::Get();
  for (const PrecomputedId& dependency : kWidgetsModuleDependencies) {
    registry.RecordDependency(Id(dependency.text), kHostRegistrationsHeader);
  }
  for (std::string_view stringId : kGlobalStrings) registry.RecordGlobalString(Id(stringId));
  registry.RecordClassUse(kPaintActionClass);
  registry.RecordModule(kWidgetsModuleRecordId);
}

}  // namespace zarvo
