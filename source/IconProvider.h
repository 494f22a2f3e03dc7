#pragma once
#include <cstddef>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/core/Object.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

// The module's entry in the icon provider registry.
inline constexpr char kWidgetsIconProvider[] = "net.zarvo.mvp.iconprovider.widgets";

// Turns an icon name into the URL of an SVG file in the "icons" folder of an installed module.
// The folders are collected once, at creation; each name is resolved once and then served from
// a cache, so a file added later is found only by a new provider. Lookups may come from any
// thread.
class IconProvider : public ObjectInterface {
 public:
  // Names the cache takes before it first rehashes; a desktop application uses a few hundred.
  static constexpr size_t kInitialCapacity = 2000;

  // Collects <entry>/icons of every entry of the modules folder that has such a folder. The
  // host's directory iteration has no defined order, so the entries are taken sorted by name:
  // which module wins a name shared by two modules must not depend on the file system.
  [[nodiscard]] static Result<Ref<IconProvider>> Create(const std::filesystem::path& modulesFolder);

  // The URL of <folder>/<name>.svg in the first icon folder holding it, or an empty URL. The
  // name is taken as it is: "check.svg" is looked up as "check.svg.svg".
  [[nodiscard]] Result<Url> GetIconUrl(std::string_view name);
  [[nodiscard]] Result<Url> operator()(std::string_view name) { return GetIconUrl(name); }

  const std::vector<std::filesystem::path>& GetIconFolders() const noexcept { return iconFolders_; }

 private:
  IconProvider() = default;
  [[nodiscard]] Result<Url> Resolve(std::string_view name) const;

  std::vector<std::filesystem::path> iconFolders_;  // fixed after creation
  std::mutex mutex_;                                // guards urls_
  std::unordered_map<std::string, Url> urls_;
};

// The module's icon provider from the registry, created on first request.
[[nodiscard]] Result<Ref<IconProvider>> GetWidgetsIconProvider();

// The unit "icon_provider": places the icon provider into its registry.
void RecordIconProviderUnit();

}  // namespace zarvo
