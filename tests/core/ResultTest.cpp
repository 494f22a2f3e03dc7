#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/core/Result.h"

namespace zarvo {
namespace {

// One line on purpose: the error must carry the line that raised it.
Result<int> Fail(unsigned* line) {
  *line = __LINE__; return IllegalArgumentError("Value out of reach");
}

Result<int> Succeed(int value) { return value; }

Result<int> PassThroughTry(Result<int> (*source)(unsigned*), unsigned* line, bool* reachedEnd) {
  ZV_TRY(source(line));
  *reachedEnd = true;
  return 1;
}

Result<int> SumBoth(int a, int b) {
  ZV_TRY_ASSIGN(int first, Succeed(a));
  ZV_TRY_ASSIGN(const int second, Succeed(b));
  return first + second;
}

Result<void> VoidThroughAssign(unsigned* line, bool* reachedEnd) {
  ZV_TRY_ASSIGN(int unused, Fail(line));
  (void)unused;
  *reachedEnd = true;
  return Ok();
}

TEST(ResultTest, HoldsAValueOrAnError) {
  Result<int> good = 42;
  ASSERT_TRUE(good.IsOk());
  EXPECT_TRUE(static_cast<bool>(good));
  EXPECT_EQ(*good, 42);
  EXPECT_EQ(good.ValueOr(7), 42);

  Result<int> bad = IllegalStateError("Broken");
  ASSERT_FALSE(bad.IsOk());
  EXPECT_EQ(bad.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_EQ(bad.GetError().GetMessage(), "Broken");
  EXPECT_EQ(bad.ValueOr(7), 7);
}

TEST(ResultTest, TryPropagatesKindMessageAndTheLineOfTheRaise) {
  unsigned line = 0;
  bool reachedEnd = false;
  Result<int> result = PassThroughTry(&Fail, &line, &reachedEnd);
  ASSERT_FALSE(result.IsOk());
  EXPECT_FALSE(reachedEnd);
  const Error& error = result.GetError();
  EXPECT_EQ(error.GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(error.GetMessage(), "Value out of reach");
  EXPECT_EQ(error.GetLocation().line(), line);
  EXPECT_NE(std::string(error.GetLocation().file_name()).find("ResultTest.cpp"), std::string::npos);
}

TEST(ResultTest, TryAssignDeclaresValuesAndPropagatesErrors) {
  Result<int> sum = SumBoth(2, 3);
  ASSERT_TRUE(sum.IsOk());
  EXPECT_EQ(*sum, 5);

  unsigned line = 0;
  bool reachedEnd = false;
  Result<void> failed = VoidThroughAssign(&line, &reachedEnd);
  ASSERT_FALSE(failed.IsOk());
  EXPECT_FALSE(reachedEnd);
  EXPECT_EQ(failed.GetError().GetLocation().line(), line);
}

TEST(ResultTest, VoidResultIsOkByDefault) {
  Result<void> ok = Ok();
  EXPECT_TRUE(ok.IsOk());
  EXPECT_FALSE(ok.GetError().IsSet());
  Result<void> failed = NotFoundError("Nothing here");
  EXPECT_FALSE(failed.IsOk());
  EXPECT_EQ(failed.GetError().GetKind(), ErrorKind::kNotFound);
}

TEST(ResultTest, MoveOnlyValuesMoveOut) {
  Result<std::unique_ptr<int>> result = std::make_unique<int>(9);
  ASSERT_TRUE(result.IsOk());
  std::unique_ptr<int> value = std::move(result).GetValue();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(*value, 9);
}

TEST(ResultTest, ErrorTextNamesKindMessageAndPlace) {
  const unsigned line = __LINE__; const Error error = IllegalArgumentError("Bad width");
  EXPECT_TRUE(error.IsSet());
  const std::string text = error.ToString();
  EXPECT_EQ(text.rfind("IllegalArgumentError: Bad width (", 0), 0u) << text;
  EXPECT_NE(text.find("ResultTest.cpp:" + std::to_string(line) + ")"), std::string::npos) << text;
  EXPECT_EQ(Error().ToString(), "no error");
  EXPECT_FALSE(Error().IsSet());
}

}  // namespace
}  // namespace zarvo
