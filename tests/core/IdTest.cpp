#include <gtest/gtest.h>

#include <string>
#include <unordered_map>

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

TEST(IdTest, HashIsAvailableAtCompileTime) {
  static_assert(HashIdBytes("abc") == 0x300000017862ull);
  static_assert(HashIdBytes("") == 0);
}

TEST(IdTest, BytesAreHashedUnsigned) {
  // "é" is 0xC3 0xA9; a signed char would make both terms negative.
  EXPECT_EQ(Id("\xC3\xA9").GetHash(), (2ull << kIdHashLengthShift) + (0xC3u * 31u + 0xA9u));
}

TEST(IdTest, LongTextWrapsIntoTheLowBitsAndKeepsItsLength) {
  const std::string longText(1000, 'z');
  const uint64_t hash = Id(longText).GetHash();
  EXPECT_EQ(hash >> kIdHashLengthShift, 1000u);
  EXPECT_NE(hash & kIdHashLowMask, 0u);
  EXPECT_NE(Id(longText), Id(std::string(999, 'z')));
}

TEST(IdTest, IdsWithEqualHashesStayDistinct) {
  // "Aa" and "BB" share h*31+byte: 65*31+97 == 66*31+66.
  const Id first("Aa");
  const Id second("BB");
  ASSERT_EQ(first.GetHash(), second.GetHash());
  EXPECT_FALSE(first == second);

  std::unordered_map<Id, int, IdHasher> map;
  map[first] = 1;
  map[second] = 2;
  EXPECT_EQ(map.size(), 2u);
  EXPECT_EQ(map.at(Id("Aa")), 1);
  EXPECT_EQ(map.at(Id("BB")), 2);
}

TEST(IdTest, HasherSpreadsIdsOfEqualLength) {
  // Equal lengths put equal top bits in the hash; the hasher must still tell them apart.
  EXPECT_NE(IdHasher{}(Id("ab")), IdHasher{}(Id("ac")));
  EXPECT_EQ(IdHasher{}(Id("ab")), IdHasher{}(Id(std::string("ab"))));
}

}  // namespace
}  // namespace zarvo
