#include "source/IconProvider.h"

#include <algorithm>
#include <new>
#include <system_error>

#include "generated/InterfaceRegistration.h"
#include "host/core/AppFolders.h"
#include "host/core/ClassRegistry.h"

namespace zarvo {

namespace fs = std::filesystem;

namespace {
constexpr char kIconsFolderName[] = "icons";
constexpr char kIconFileExtension[] = ".svg";
}  // namespace

Result<Ref<IconProvider>> IconProvider::Create(const fs::path& modulesFolder) {
  std::error_code error;
  if (fs::status(modulesFolder, error).type() == fs::file_type::not_found) {
    return NotFoundError("Modules folder not found: '" + modulesFolder.string() + "'");
  }
  try {
    std::vector<fs::path> entries;
    for (fs::directory_iterator entry(modulesFolder, error); !error && entry != fs::directory_iterator();
         entry.increment(error)) {
      entries.push_back(entry->path());
    }
    if (error) {
      return UnexpectedError("Cannot read the modules folder '" + modulesFolder.string() + "': " +
                             error.message());
    }
    std::sort(entries.begin(), entries.end());

    Ref<IconProvider> provider(new IconProvider);
    for (const fs::path& entry : entries) {
      fs::path icons = entry / kIconsFolderName;
      std::error_code notAFolder;  // an entry without a readable icons folder simply has none
      if (fs::is_directory(icons, notAFolder)) provider->iconFolders_.push_back(std::move(icons));
    }
    provider->urls_.reserve(kInitialCapacity);
    return provider;
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
}

Result<Url> IconProvider::GetIconUrl(std::string_view name) {
  try {
    std::lock_guard lock(mutex_);
    auto [entry, inserted] = urls_.try_emplace(std::string(name));
    if (!inserted) return entry->second;
    // Resolved under the lock: concurrent first lookups of one name resolve it once.
    Result<Url> resolved = Resolve(name);
    if (!resolved) {
      urls_.erase(entry);
      return resolved.GetError();
    }
    entry->second = std::move(resolved).GetValue();
    return entry->second;
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
}

Result<Url> IconProvider::Resolve(std::string_view name) const {
  for (const fs::path& folder : iconFolders_) {
    // Appended as text: a name that looks absolute must not replace the folder.
    fs::path candidate = folder;
    candidate += fs::path::preferred_separator;
    candidate += name;
    candidate += kIconFileExtension;
    std::error_code error;
    const fs::file_status status = fs::status(candidate, error);
    if (status.type() == fs::file_type::regular) return Url{candidate.string()};
    if (error && status.type() != fs::file_type::not_found) {
      return UnexpectedError("Cannot read icon '" + candidate.string() + "': " + error.message());
    }
  }
  return Url{};
}

Result<Ref<IconProvider>> GetWidgetsIconProvider() {
  ZV_TRY_ASSIGN(Ref<ObjectInterface> entry,
                ClassRegistry::Get().GetRegistryEntry(kIconProvidersRegistry, kWidgetsIconProvider));
  Ref<IconProvider> provider = Cast<IconProvider>(entry);
  if (!provider) return IllegalStateError("Registry entry '" + std::string(kWidgetsIconProvider) + "' is not an icon provider");
  return provider;
}

void RecordIconProviderUnit() {
  ClassRegistry& registry = ClassRegistry::Get();
  registry.RecordDependency(kIconProvidersRegistry, "generated/InterfaceRegistration.h");
  registry.RecordRegistryEntry(kIconProvidersRegistry, kWidgetsIconProvider,
                               []() -> Result<Ref<ObjectInterface>> {
                                 ZV_TRY_ASSIGN(Ref<IconProvider> provider,
                                               IconProvider::Create(AppFolders::Get().GetModulesFolder()));
                                 return Ref<ObjectInterface>(std::move(provider));
                               });
}

}  // namespace zarvo
