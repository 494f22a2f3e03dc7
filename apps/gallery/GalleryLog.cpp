#include "apps/gallery/GalleryLog.h"

#include <fstream>
#include <iostream>

namespace zarvo::gallery {

void GalleryLog::Add(std::string line) {
  if (echo_) std::cout << "log: " << line << '\n' << std::flush;
  lines_.push_back(std::move(line));
}

bool GalleryLog::WriteTo(const std::string& path) const {
  std::ofstream out(path);
  if (!out) return false;
  for (const std::string& line : lines_) out << line << '\n';
  return static_cast<bool>(out);
}

}  // namespace zarvo::gallery
