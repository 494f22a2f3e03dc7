#pragma once
#include <filesystem>
#include <initializer_list>
#include <new>
#include <span>
#include <string_view>
#include <type_traits>

#include "host/core/ClassRegistry.h"
#include "host/core/ModuleLoader.h"
#include "host/ui/WidgetBase.h"

namespace zarvo {

// The module's identifier, and the folder below the application's modules folder that holds its
// resources. The folder is looked up first, the identifier as the folder name second.
inline constexpr char kWidgetsModuleId[] = "net.zarvo.mvp.desktop2d.widgets.module";
inline constexpr char kWidgetsModuleFolder[] = "mvp_desktop2d_widgets.module";
// The global strings' texts, relative to the module folder.
inline constexpr char kGlobalStringsFile[] = "strings/globalstrings.txt";

// The module's source units in link order.
std::span<const ModuleUnit> GetWidgetsModuleUnits() noexcept;
const ModuleDescriptor& GetWidgetsModule();

// Loads the module: records every unit in link order, then loads its string resources from the
// module folder. Needs the host registrations (RecordHostRegistrations) for its dependencies to
// resolve when its classes are created.
[[nodiscard]] Result<void> LoadWidgetsModule();
[[nodiscard]] Result<void> UnloadWidgetsModule();
[[nodiscard]] Result<std::filesystem::path> FindWidgetsModuleFolder();

// Records the dependencies of a unit: for each catalogue class of the unit its interface with
// the interface's bases down to the host's, and its registry; then the interfaces named in
// `alsoUses`. Each declaration once, in that order.
void RecordUnitDependencies(std::string_view unit, std::initializer_list<std::string_view> alsoUses = {});

// Constructs a component's members; nullptr when memory runs out.
template <class Impl>
ObjectInterface* ConstructComponent() {
  try {
    Impl* made = new Impl();
    if constexpr (std::is_base_of_v<WidgetBase, Impl>) made->SetPlainLayoutHooks(WidgetBase::PlainLayoutHooksOf<Impl>());
    return made;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// Enters an implemented class into the catalogue, from its unit's function, in catalogue order:
// the component under the class id with its member size and constructor, then the class.
template <class Impl>
void RecordCatalogueClass(const Id& classId) {
  static_assert(std::is_base_of_v<ObjectInterface, Impl>, "a class is a counted object");
  static_assert(std::is_default_constructible_v<Impl>, "members start empty");
  ClassRegistry& registry = ClassRegistry::Get();
  registry.RecordComponent(classId, sizeof(Impl), &ConstructComponent<Impl>);
  registry.RecordClass(classId);
}

// The same, for a class the catalogue places into a registry.
template <class Impl>
void RecordCatalogueClass(const Id& classId, const Id& registryId) {
  RecordCatalogueClass<Impl>(classId);
  ClassRegistry::Get().RecordRegistryBinding(classId, registryId);
}

}  // namespace zarvo
