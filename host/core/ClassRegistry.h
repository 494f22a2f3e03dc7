#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <deque>
#include <vector>

#include "host/core/Id.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"

namespace zarvo {

// Constructs the members of a component (every member empty); the registry then calls
// InitComponent. Returns nullptr when memory runs out.
using ComponentConstructor = ObjectInterface* (*)();

enum class RecordKind {
  kSourceUnit, kDependency, kComponent, kClass, kRegistryBinding, kRegistry, kRegistryEntry,
  kReferenceType, kDeclaration, kModule, kGlobalString, kClassUse,
};

// One record of what a loaded module offers, kept in creation order so that unloading can
// withdraw each in reverse.
struct RegistryRecord {
  RecordKind kind = RecordKind::kDeclaration;
  Id id;             // source unit, declaration, class, registry, entry, interface or module id
  Id owner;          // the source unit a dependency or class belongs to; a binding's registry
  std::string text;  // dependency header, reference-type name
  size_t memberSize = 0;
  ComponentConstructor construct = nullptr;
  std::function<Result<Ref<ObjectInterface>>()> makeEntry;  // registry entries
};

// The host's entity registration service: classes by identifier, registries of classes,
// registry entries, reference-type names and declared dependencies. Main thread only.
class ClassRegistry {
 public:
  static ClassRegistry& Get();

  // Recording. Each returns nothing: recording cannot fail; resolution happens at first use.
  void RecordSourceUnit(std::string_view filePath);  // keyed by the base name of the path
  void RecordDependency(const Id& declaration, std::string header);  // for the current unit
  void RecordComponent(const Id& classId, size_t memberSize, ComponentConstructor construct);
  void RecordClass(const Id& classId);  // in the current unit, from its component
  void RecordRegistryBinding(const Id& classId, const Id& registryId);
  void RecordRegistry(const Id& registryId);
  void RecordRegistryEntry(const Id& registryId, const Id& entryId,
                           std::function<Result<Ref<ObjectInterface>>()> make);
  void RecordReferenceType(const Id& interfaceId, std::string referenceTypeName);
  // A declaration the host or a module provides (frameworks, host interfaces, data types).
  void RecordDeclaration(const Id& declaration);
  void RecordModule(const Id& moduleId);
  void RecordGlobalString(const Id& stringId);
  void RecordClassUse(const Id& classId);

  // Withdrawal: records are removed newest first down to a mark taken before loading.
  size_t GetMark() const noexcept { return records_.size(); }
  void WithdrawTo(size_t mark);

  // Use.
  [[nodiscard]] Result<Ref<ObjectInterface>> CreateObject(const Id& classId);
  bool HasClass(const Id& classId) const;
  // The classes bound to a registry, in registration order.
  [[nodiscard]] Result<std::vector<Id>> GetRegistryClasses(const Id& registryId) const;
  bool HasRegistry(const Id& registryId) const;
  // The registry's entry object, created on first request and kept.
  [[nodiscard]] Result<Ref<ObjectInterface>> GetRegistryEntry(const Id& registryId, const Id& entryId);
  [[nodiscard]] Result<std::string> GetReferenceTypeName(const Id& interfaceId) const;
  // The registry a class is bound to (empty when none), or an error for an unknown class.
  [[nodiscard]] Result<Id> GetClassRegistry(const Id& classId) const;
  const std::deque<RegistryRecord>& GetRecords() const noexcept { return records_; }
  // The record of a class's component (member size), or nullptr.
  const RegistryRecord* FindComponent(const Id& classId) const;

 private:
  ClassRegistry() = default;
  struct ClassInfo {
    const RegistryRecord* component = nullptr;
    Id sourceUnit;
    Id registry;
    const Id* stableId = nullptr;  // owned by the record, lives as long as the class
  };
  struct UnitInfo {
    std::vector<size_t> dependencies;  // record indexes
    bool resolved = false;
  };
  struct EntryInfo {
    size_t record;
    Ref<ObjectInterface> object;
  };

  [[nodiscard]] Result<void> ResolveUnit(const Id& unitId);
  bool IsDeclared(const Id& declaration) const;
  void Push(RegistryRecord record);
  void Index(size_t recordIndex);
  void Unindex(const RegistryRecord& record);

  std::deque<RegistryRecord> records_;  // a deque keeps record addresses stable
  Id currentUnit_;
  std::unordered_map<Id, size_t, IdHasher> components_;
  std::unordered_map<Id, ClassInfo, IdHasher> classes_;
  std::unordered_map<Id, std::vector<Id>, IdHasher> registries_;
  std::unordered_map<Id, EntryInfo, IdHasher> entries_;
  std::unordered_map<Id, std::string, IdHasher> referenceTypes_;
  std::unordered_map<Id, UnitInfo, IdHasher> units_;
  std::unordered_map<Id, int, IdHasher> declarations_;
};

// Creates a catalogued class by identifier and returns it through interface I.
template <class I = ObjectInterface>
[[nodiscard]] Result<Ref<I>> CreateObject(const Id& classId) {
  ZV_TRY_ASSIGN(Ref<ObjectInterface> object, ClassRegistry::Get().CreateObject(classId));
  if constexpr (std::is_same_v<I, ObjectInterface>) {
    return object;
  } else {
    Ref<I> typed = Cast<I>(object);
    if (!typed) {
      return IllegalArgumentError("Class '" + classId.GetString() +
                                  "' does not implement the requested interface");
    }
    return typed;
  }
}

}  // namespace zarvo
