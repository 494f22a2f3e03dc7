#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/Log.h"

namespace zarvo {
namespace {

TEST(LogTest, CaptureReceivesLevelAndMessage) {
  ScopedLogCapture capture;
  LogInfo("Video driver: offscreen");
  LogWarning("Slow update");
  LogError("Window lost");
  const std::vector<ScopedLogCapture::Entry> entries = capture.GetEntries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].level, LogLevel::kInfo);
  EXPECT_EQ(entries[0].message, "Video driver: offscreen");
  EXPECT_EQ(entries[1].level, LogLevel::kWarning);
  EXPECT_EQ(entries[2].level, LogLevel::kError);
  EXPECT_TRUE(capture.Contains(LogLevel::kError, "lost"));
  EXPECT_FALSE(capture.Contains(LogLevel::kInfo, "lost"));
  capture.Clear();
  EXPECT_TRUE(capture.GetEntries().empty());
}

TEST(LogTest, NestedCapturesRestoreTheOuterOne) {
  ScopedLogCapture outer;
  {
    ScopedLogCapture inner;
    LogInfo("inner");
    EXPECT_EQ(inner.GetEntries().size(), 1u);
  }
  LogInfo("outer");
  ASSERT_EQ(outer.GetEntries().size(), 1u);
  EXPECT_EQ(outer.GetEntries()[0].message, "outer");
}

TEST(LogTest, SinkCanBeReplacedAndRestored) {
  std::vector<std::string> seen;
  LogSink previous = SetLogSink([&](LogLevel level, std::string_view message) {
    seen.push_back(std::string(LogLevelName(level)) + " " + std::string(message));
  });
  LogWarning("once");
  SetLogSink(std::move(previous));
  EXPECT_EQ(seen, (std::vector<std::string>{"warning once"}));
}

TEST(LogTest, DefaultSinkWritesLinesToStderr) {
  LogSink previous = SetLogSink(nullptr);
  testing::internal::CaptureStderr();
  LogError("Disk full");
  const std::string written = testing::internal::GetCapturedStderr();
  SetLogSink(std::move(previous));
  EXPECT_EQ(written, "[error] Disk full\n");
}

}  // namespace
}  // namespace zarvo
