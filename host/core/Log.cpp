#include "host/core/Log.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace zarvo {

namespace {

void WriteToStderr(LogLevel level, std::string_view message) {
  // One fprintf per line, so that lines from two threads do not interleave.
  std::fprintf(stderr, "[%.*s] %.*s\n", static_cast<int>(LogLevelName(level).size()),
               LogLevelName(level).data(), static_cast<int>(message.size()), message.data());
}

struct SinkSlot {
  std::mutex mutex;
  std::shared_ptr<const LogSink> sink;
};

SinkSlot& GetSinkSlot() {
  static SinkSlot slot;
  return slot;
}

}  // namespace

std::string_view LogLevelName(LogLevel level) noexcept {
  switch (level) {
    case LogLevel::kInfo: return "info";
    case LogLevel::kWarning: return "warning";
    case LogLevel::kError: return "error";
  }
  return "unknown";
}

void Log(LogLevel level, std::string_view message) {
  std::shared_ptr<const LogSink> sink;
  {
    SinkSlot& slot = GetSinkSlot();
    std::lock_guard lock(slot.mutex);
    sink = slot.sink;
  }
  if (sink) {
    (*sink)(level, message);
  } else {
    WriteToStderr(level, message);
  }
}

LogSink SetLogSink(LogSink sink) {
  std::shared_ptr<const LogSink> fresh = sink ? std::make_shared<const LogSink>(std::move(sink)) : nullptr;
  std::shared_ptr<const LogSink> old;
  {
    SinkSlot& slot = GetSinkSlot();
    std::lock_guard lock(slot.mutex);
    old = std::exchange(slot.sink, std::move(fresh));
  }
  return old ? *old : LogSink();
}

struct ScopedLogCapture::Shared {
  mutable std::mutex mutex;
  std::vector<Entry> entries;
};

ScopedLogCapture::ScopedLogCapture() : shared_(std::make_shared<Shared>()) {
  // The sink holds the shared part, so a message logged while the capture ends stays safe.
  previous_ = SetLogSink([shared = shared_](LogLevel level, std::string_view message) {
    std::lock_guard lock(shared->mutex);
    shared->entries.push_back(Entry{level, std::string(message)});
  });
}

ScopedLogCapture::~ScopedLogCapture() { SetLogSink(std::move(previous_)); }

std::vector<ScopedLogCapture::Entry> ScopedLogCapture::GetEntries() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->entries;
}

bool ScopedLogCapture::Contains(LogLevel level, std::string_view text) const {
  std::lock_guard lock(shared_->mutex);
  for (const Entry& entry : shared_->entries) {
    if (entry.level == level && entry.message.find(text) != std::string::npos) return true;
  }
  return false;
}

void ScopedLogCapture::Clear() {
  std::lock_guard lock(shared_->mutex);
  shared_->entries.clear();
}

}  // namespace zarvo
