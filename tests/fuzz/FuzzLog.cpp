#include "tests/fuzz/FuzzLog.h"

#include <unistd.h>

namespace zarvo::fuzz {

FuzzLog::~FuzzLog() {
  if (file_) std::fclose(file_);
}

bool FuzzLog::OpenFile(const std::string& path) {
  file_ = std::fopen(path.c_str(), "w");
  return file_ != nullptr;
}

void FuzzLog::Add(uint64_t step, std::string line) {
  line = std::to_string(step) + " " + line + "\n";
  if (file_) std::fputs(line.c_str(), file_);
  if (recent_.size() == kKeptSteps) recent_.pop_front();
  recent_.push_back(std::move(line));
}

void FuzzLog::DumpRecent() const {
  // Plain writes: this may run while the process is dying.
  for (const std::string& line : recent_) {
    if (::write(STDERR_FILENO, line.data(), line.size()) < 0) return;
  }
}

void FuzzLog::Flush() {
  if (file_) std::fflush(file_);
}

}  // namespace zarvo::fuzz
