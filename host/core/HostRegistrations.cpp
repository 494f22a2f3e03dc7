#include "host/core/HostRegistrations.h"

#include "host/core/ClassRegistry.h"
#include "host/gfx/SVGDocument.h"
#include "host/gfx/VectorIcon.h"

namespace zarvo {

const HostInterface* FindHostInterface(std::string_view name) noexcept {
  const std::string_view plain = name.substr(0, name.find('<'));
  for (const HostInterface& host : kHostInterfaces) {
    if (host.name == plain) return &host;
  }
  return nullptr;
}

void RecordHostRegistrations() {
  ClassRegistry& registry = ClassRegistry::Get();
  // The widget class registry stands for the whole set: the host records all or nothing.
  if (registry.HasRegistry(kWidgetClassesRegistry)) return;
  for (std::string_view framework : kHostFrameworks) registry.RecordDeclaration(Id(framework));
  for (std::string_view registryId : kHostRegistries) registry.RecordRegistry(Id(registryId));
  for (const HostInterface& host : kHostInterfaces) registry.RecordDeclaration(Id(host.id));
  for (std::string_view classId : kDeclaredOnlyClassIds) registry.RecordDeclaration(Id(classId));
  // The image framework's classes, created by identifier like the modules' classes.
  registry.RecordComponent(Id(kSVGDocumentClassId), sizeof(SVGDocument), &SVGDocument::ConstructComponent);
  registry.RecordClass(Id(kSVGDocumentClassId));
  registry.RecordComponent(Id(kVectorIconClassId), sizeof(VectorIcon), &VectorIcon::ConstructComponent);
  registry.RecordClass(Id(kVectorIconClassId));
}

}  // namespace zarvo
