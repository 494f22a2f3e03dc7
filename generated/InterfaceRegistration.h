#pragma once
#include <span>
#include <string>
#include <string_view>

namespace zarvo {

// The interfaces of the widget framework in declaration order, each with its identifier and
// direct base. Bases named here and not in the table are the host's (host/core/HostRegistrations.h).
struct InterfaceDeclaration {
  std::string_view name;  // template interfaces carry their arguments: "SliderWidgetInterface<Int>"
  std::string_view id;
  std::string_view base;
};

std::span<const InterfaceDeclaration> GetInterfaceTable() noexcept;
// The declaration of that interface name, or nullptr.
const InterfaceDeclaration* FindInterface(std::string_view name) noexcept;
bool IsTemplateInterface(const InterfaceDeclaration& declaration) noexcept;
// "zarvo::<Name>Ref", the name less "Interface"; empty for a template interface, whose
// reference type has no single spelling (it differs per instantiation). The binding is still
// recorded so that the interface id is declared and units that use it resolve.
std::string ReferenceTypeName(const InterfaceDeclaration& declaration);
// The header that publishes the interface: "source/interfaces/<Name>.h" without template arguments.
std::string InterfaceHeader(std::string_view interfaceName);

// The registry of icon providers, defined by the module itself.
inline constexpr char kIconProvidersRegistry[] = "net.zarvo.mvp.registry.iconproviders";

// The unit "interface_registration": binds every interface of the table, in table order, to its
// reference type name and defines the icon provider registry.
void RecordInterfaceRegistration();

}  // namespace zarvo
