#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

enum class LogLevel { kInfo, kWarning, kError };

// "info", "warning", "error"
std::string_view LogLevelName(LogLevel level) noexcept;

// Receives every message. The default sink writes "[level] message" lines to stderr.
using LogSink = std::function<void(LogLevel level, std::string_view message)>;

void Log(LogLevel level, std::string_view message);
inline void LogInfo(std::string_view message) { Log(LogLevel::kInfo, message); }
inline void LogWarning(std::string_view message) { Log(LogLevel::kWarning, message); }
inline void LogError(std::string_view message) { Log(LogLevel::kError, message); }

// Replaces the process-wide sink and returns the previous one; an empty sink restores stderr.
// Messages may come from any thread: the sink is swapped under a lock but called outside it,
// so a sink may itself log (it must then guard its own state).
LogSink SetLogSink(LogSink sink);

// Collects messages while it lives (tests read what a unit reported) and restores the
// previous sink afterwards.
class ScopedLogCapture {
 public:
  struct Entry {
    LogLevel level;
    std::string message;
  };

  ScopedLogCapture();
  ~ScopedLogCapture();
  ScopedLogCapture(const ScopedLogCapture&) = delete;
  ScopedLogCapture& operator=(const ScopedLogCapture&) = delete;

  std::vector<Entry> GetEntries() const;
  // True when some captured message of `level` contains `text`.
  bool Contains(LogLevel level, std::string_view text) const;
  void Clear();

 private:
  struct Shared;
  std::shared_ptr<Shared> shared_;
  LogSink previous_;
};

}  // namespace zarvo
