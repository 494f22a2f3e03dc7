#pragma once
#include <gtest/gtest.h>

namespace zarvo::test {

// Sets up what every test program shares: pinned fonts, the host's folders and the module.
class HostEnvironment : public testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace zarvo::test
