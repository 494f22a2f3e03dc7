#include <gtest/gtest.h>

#include "host/core/Id.h"

namespace zarvo {
namespace {

TEST(IdTest, HashFollowsTheLengthAndMultiplierRule) {
  EXPECT_EQ(Id("abc").GetHash(), 0x300000017862ull);
  EXPECT_EQ(Id("").GetHash(), 0u);
  EXPECT_EQ(Id("net.zarvo.mvp.widgetclasses.button").GetHash() >> kIdHashLengthShift, 34u);
}

TEST(IdTest, EqualityNeedsHashAndBytes) {
  EXPECT_EQ(Id("abc"), Id(std::string_view("abc")));
  EXPECT_FALSE(Id("abc") == Id("abd"));
  EXPECT_TRUE(Id().IsEmpty());
}

}  // namespace
}  // namespace zarvo
