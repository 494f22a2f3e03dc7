#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "host/backend/headless/HeadlessWindowSystem.h"
#include "host/core/MainThreadQueue.h"

namespace zarvo::test {

// A test with the headless window system installed and an empty main-thread queue on both
// sides, for tests of windows, sessions and the application loop.
class HeadlessSystemTest : public testing::Test {
 protected:
  void SetUp() override {
    WindowSystem::Install(std::make_unique<HeadlessWindowSystem>());
    GetMainThreadQueue().Clear();
  }
  void TearDown() override {
    GetMainThreadQueue().Clear();
    WindowSystem::Install(nullptr);
  }
};

}  // namespace zarvo::test
