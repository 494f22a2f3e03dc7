#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace zarvo {

// One class the module offers, in registration order: the order of the source units, and
// within a unit the order of its classes.
struct CatalogueClass {
  std::string_view classId;
  uint64_t hash;                  // of classId by the identifier rule; checked at compile time
  std::string_view interfaceName; // the interface whose reference the class hands out
  std::string_view registryId;    // empty: created by identifier only, in no registry
  std::string_view unit;          // the source unit that registers it
};

std::span<const CatalogueClass> GetClassCatalogue() noexcept;
// The catalogue row of a class id, or nullptr.
const CatalogueClass* FindCatalogueClass(std::string_view classId) noexcept;

}  // namespace zarvo
