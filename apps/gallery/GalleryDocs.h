#pragma once
#include <string>
#include <vector>

#include "host/core/Result.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo::gallery {

// What the gallery's documentation says about one page.
struct PageDoc {
  std::string name;
  std::string title;
  // The widget classes the page shows, in the order first met, read off its widget tree.
  std::vector<std::string> classIds;
};

// The class ids of every widget under `root`, each once, in tree order.
std::vector<std::string> CollectWidgetClassIds(const WidgetInterface& root);

// One or two sentences on the family a page shows; pages that have none get a plain one.
std::string DescribePage(const PageDoc& page);

// Writes `path` at half its size to `target`, smoothed.
[[nodiscard]] Result<void> SaveHalfSizePng(const std::string& path, const std::string& target);

// The markdown document: a title, then one section per page with its description, its
// classes and its screenshot images/gallery_<name>.png.
std::string FormatGalleryMarkdown(const std::vector<PageDoc>& pages);

}  // namespace zarvo::gallery
