#pragma once
#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>

namespace zarvo::fuzz {

// What the fuzzer did, step by step: the last steps in memory for the report of a failure,
// every step in a file when one was asked for. With the seed, the steps replay exactly.
class FuzzLog {
 public:
  static constexpr size_t kKeptSteps = 80;

  FuzzLog() = default;
  FuzzLog(const FuzzLog&) = delete;
  FuzzLog& operator=(const FuzzLog&) = delete;
  ~FuzzLog();

  // False when the file cannot be written.
  bool OpenFile(const std::string& path);
  void Add(uint64_t step, std::string line);
  // Writes the kept steps to stderr; safe to call once from a crash handler.
  void DumpRecent() const;
  void Flush();

 private:
  std::deque<std::string> recent_;
  std::FILE* file_ = nullptr;
};

}  // namespace zarvo::fuzz
