#include "host/core/ClassRegistry.h"

#include <cassert>

namespace zarvo {

namespace {
std::string_view BaseName(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

RegistryRecord MakeRecord(RecordKind kind, Id id, Id owner, std::string text) {
  RegistryRecord record;
  record.kind = kind;
  record.id = std::move(id);
  record.owner = std::move(owner);
  record.text = std::move(text);
  return record;
}

}  // namespace

void ClassRegistry::Push(RegistryRecord record) {
  records_.push_back(std::move(record));
  Index(records_.size() - 1);
}

ClassRegistry& ClassRegistry::Get() {
  static ClassRegistry registry;
  return registry;
}

void ClassRegistry::RecordSourceUnit(std::string_view filePath) {
  currentUnit_ = Id(BaseName(filePath));
  Push(MakeRecord(RecordKind::kSourceUnit, currentUnit_, {}, std::string(filePath)));
}

void ClassRegistry::RecordDependency(const Id& declaration, std::string header) {
  assert(!currentUnit_.IsEmpty() && "a dependency belongs to a source unit");
  Push(MakeRecord(RecordKind::kDependency, declaration, currentUnit_, std::move(header)));
}

void ClassRegistry::RecordComponent(const Id& classId, size_t memberSize, ComponentConstructor construct) {
  RegistryRecord record = MakeRecord(RecordKind::kComponent, classId, currentUnit_, {});
  record.memberSize = memberSize;
  record.construct = construct;
  Push(std::move(record));
}

void ClassRegistry::RecordClass(const Id& classId) {
  Push(MakeRecord(RecordKind::kClass, classId, currentUnit_, {}));
}

void ClassRegistry::RecordRegistryBinding(const Id& classId, const Id& registryId) {
  Push(MakeRecord(RecordKind::kRegistryBinding, classId, registryId, {}));
}

void ClassRegistry::RecordRegistry(const Id& registryId) {
  Push(MakeRecord(RecordKind::kRegistry, registryId, {}, {}));
}

void ClassRegistry::RecordRegistryEntry(const Id& registryId, const Id& entryId,
                                        std::function<Result<Ref<ObjectInterface>>()> make) {
  RegistryRecord record = MakeRecord(RecordKind::kRegistryEntry, entryId, registryId, {});
  record.makeEntry = std::move(make);
  Push(std::move(record));
}

void ClassRegistry::RecordReferenceType(const Id& interfaceId, std::string referenceTypeName) {
  Push(MakeRecord(RecordKind::kReferenceType, interfaceId, {}, std::move(referenceTypeName)));
}

void ClassRegistry::RecordDeclaration(const Id& declaration) {
  Push(MakeRecord(RecordKind::kDeclaration, declaration, {}, {}));
}

void ClassRegistry::RecordModule(const Id& moduleId) {
  Push(MakeRecord(RecordKind::kModule, moduleId, currentUnit_, {}));
}

void ClassRegistry::RecordGlobalString(const Id& stringId) {
  Push(MakeRecord(RecordKind::kGlobalString, stringId, currentUnit_, {}));
}

void ClassRegistry::RecordClassUse(const Id& classId) {
  Push(MakeRecord(RecordKind::kClassUse, classId, currentUnit_, {}));
}

void ClassRegistry::Index(size_t recordIndex) {
  const RegistryRecord& record = records_[recordIndex];
  switch (record.kind) {
    case RecordKind::kSourceUnit:
      units_[record.id] = UnitInfo{};
      break;
    case RecordKind::kDependency:
      units_[record.owner].dependencies.push_back(recordIndex);
      units_[record.owner].resolved = false;
      break;
    case RecordKind::kComponent:
      components_[record.id] = recordIndex;
      break;
    case RecordKind::kClass: {
      ClassInfo info;
      auto component = components_.find(record.id);
      info.component = component == components_.end() ? nullptr : &records_[component->second];
      info.sourceUnit = record.owner;
      info.stableId = &record.id;
      classes_[record.id] = std::move(info);
      ++declarations_[record.id];
      break;
    }
    case RecordKind::kRegistryBinding: {
      auto cls = classes_.find(record.id);
      if (cls != classes_.end()) cls->second.registry = record.owner;
      registries_[record.owner].push_back(record.id);
      break;
    }
    case RecordKind::kRegistry:
      registries_.try_emplace(record.id);
      ++declarations_[record.id];
      break;
    case RecordKind::kRegistryEntry:
      entries_[record.id] = EntryInfo{recordIndex, {}};
      break;
    case RecordKind::kReferenceType:
      referenceTypes_[record.id] = record.text;
      ++declarations_[record.id];
      break;
    case RecordKind::kDeclaration:
    case RecordKind::kModule:
      ++declarations_[record.id];
      break;
    case RecordKind::kGlobalString:
    case RecordKind::kClassUse:
      break;
  }
}

void ClassRegistry::Unindex(const RegistryRecord& record) {
  auto undeclare = [this](const Id& id) {
    auto it = declarations_.find(id);
    if (it != declarations_.end() && --it->second == 0) declarations_.erase(it);
  };
  switch (record.kind) {
    case RecordKind::kSourceUnit:
      units_.erase(record.id);
      if (currentUnit_ == record.id) currentUnit_ = Id();
      break;
    case RecordKind::kDependency: {
      auto unit = units_.find(record.owner);
      if (unit != units_.end() && !unit->second.dependencies.empty()) unit->second.dependencies.pop_back();
      break;
    }
    case RecordKind::kComponent:
      components_.erase(record.id);
      break;
    case RecordKind::kClass:
      classes_.erase(record.id);
      undeclare(record.id);
      break;
    case RecordKind::kRegistryBinding: {
      auto registry = registries_.find(record.owner);
      if (registry != registries_.end() && !registry->second.empty()) registry->second.pop_back();
      auto cls = classes_.find(record.id);
      if (cls != classes_.end()) cls->second.registry = Id();
      break;
    }
    case RecordKind::kRegistry:
      registries_.erase(record.id);
      undeclare(record.id);
      break;
    case RecordKind::kRegistryEntry:
      entries_.erase(record.id);
      break;
    case RecordKind::kReferenceType:
      referenceTypes_.erase(record.id);
      undeclare(record.id);
      break;
    case RecordKind::kDeclaration:
    case RecordKind::kModule:
      undeclare(record.id);
      break;
    case RecordKind::kGlobalString:
    case RecordKind::kClassUse:
      break;
  }
}

void ClassRegistry::WithdrawTo(size_t mark) {
  while (records_.size() > mark) {
    Unindex(records_.back());
    records_.pop_back();
  }
  // Units that stay may have depended on what was withdrawn.
  for (auto& [id, unit] : units_) unit.resolved = false;
}

bool ClassRegistry::IsDeclared(const Id& declaration) const {
  return declarations_.count(declaration) != 0;
}

Result<void> ClassRegistry::ResolveUnit(const Id& unitId) {
  auto unit = units_.find(unitId);
  if (unit == units_.end()) return Ok();  // classes recorded outside a unit depend on nothing
  if (unit->second.resolved) return Ok();
  for (size_t index : unit->second.dependencies) {
    const RegistryRecord& dependency = records_[index];
    if (!IsDeclared(dependency.id)) {
      return IllegalStateError("Unresolved dependency '" + dependency.id.GetString() + "' (" +
                               dependency.text + ") of '" + unitId.GetString() + "'");
    }
  }
  unit->second.resolved = true;
  return Ok();
}

Result<Ref<ObjectInterface>> ClassRegistry::CreateObject(const Id& classId) {
  auto cls = classes_.find(classId);
  if (cls == classes_.end()) return NotFoundError("Class not found: '" + classId.GetString() + "'");
  const ClassInfo& info = cls->second;
  if (!info.component || !info.component->construct) {
    return IllegalStateError("Class '" + classId.GetString() + "' has no component");
  }
  ZV_TRY(ResolveUnit(info.sourceUnit));
  ObjectInterface* raw = info.component->construct();
  if (!raw) return OutOfMemoryError();
  raw->SetClassId(info.stableId);
  Ref<ObjectInterface> object(raw);
  ZV_TRY(object->InitComponent());
  return object;
}

bool ClassRegistry::HasClass(const Id& classId) const { return classes_.count(classId) != 0; }

bool ClassRegistry::HasRegistry(const Id& registryId) const {
  auto it = registries_.find(registryId);
  if (it == registries_.end()) return false;
  // A registry that classes are bound to but that nobody defined does not exist.
  return declarations_.count(registryId) != 0;
}

Result<std::vector<Id>> ClassRegistry::GetRegistryClasses(const Id& registryId) const {
  if (!HasRegistry(registryId)) return NotFoundError("Registry not found: '" + registryId.GetString() + "'");
  return registries_.at(registryId);
}

Result<Ref<ObjectInterface>> ClassRegistry::GetRegistryEntry(const Id& registryId, const Id& entryId) {
  auto entry = entries_.find(entryId);
  if (entry == entries_.end() || records_[entry->second.record].owner != registryId) {
    return NotFoundError("Registry entry not found: '" + entryId.GetString() + "' in '" +
                         registryId.GetString() + "'");
  }
  if (!entry->second.object) {
    const RegistryRecord& record = records_[entry->second.record];
    if (!record.makeEntry) return IllegalStateError("Registry entry '" + entryId.GetString() + "' cannot be created");
    ZV_TRY_ASSIGN(Ref<ObjectInterface> object, record.makeEntry());
    entry->second.object = std::move(object);
  }
  return entry->second.object;
}

Result<std::string> ClassRegistry::GetReferenceTypeName(const Id& interfaceId) const {
  auto it = referenceTypes_.find(interfaceId);
  if (it == referenceTypes_.end()) return NotFoundError("No reference type for '" + interfaceId.GetString() + "'");
  return it->second;
}

Result<Id> ClassRegistry::GetClassRegistry(const Id& classId) const {
  auto it = classes_.find(classId);
  if (it == classes_.end()) return NotFoundError("Class not found: '" + classId.GetString() + "'");
  return it->second.registry;
}

const RegistryRecord* ClassRegistry::FindComponent(const Id& classId) const {
  auto it = components_.find(classId);
  return it == components_.end() ? nullptr : &records_[it->second];
}

}  // namespace zarvo
