#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace zarvo::gallery {

// The notification log: one line per observable fired, printed and kept for the log file.
class GalleryLog {
 public:
  void Add(std::string line);
  const std::vector<std::string>& GetLines() const noexcept { return lines_; }
  void SetEcho(bool echo) noexcept { echo_ = echo; }
  bool WriteTo(const std::string& path) const;

 private:
  std::vector<std::string> lines_;
  bool echo_ = true;
};

}  // namespace zarvo::gallery
