#include <gtest/gtest.h>

#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/gfx/RenderingBudget.h"
#include "host/gfx/SVGDocument.h"

namespace zarvo {
namespace {

constexpr char kSquare[] =
    "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><rect width='10' height='10' fill='red'/></svg>";
// A 100 x 100 rendering: 40,000 bytes of ARGB pixels.
constexpr Int kSide = 100;
constexpr size_t kRenderingBytes = size_t{kSide} * kSide * 4;

class RenderingBudgetTest : public testing::Test {
 protected:
  void SetUp() override {
    // What earlier tests left cached goes first, so that the counts start from nothing.
    previousLimit_ = RenderingBudget::Get().SetLimitBytes(0);
    RenderingBudget::Get().Reserve(0);
    RenderingBudget::Get().SetLimitBytes(3 * kRenderingBytes);
  }
  void TearDown() override { RenderingBudget::Get().SetLimitBytes(previousLimit_); }

  static Ref<SVGDocument> NewSquare() {
    Result<SVGDocumentRef> document = CreateObject<SVGDocumentInterface>(Id(kSVGDocumentClassId));
    EXPECT_TRUE(document.IsOk());
    EXPECT_TRUE((*document)->InitFromText(kSquare).IsOk());
    return Ref<SVGDocument>(&dynamic_cast<SVGDocument&>(**document));
  }
  static size_t Used() { return RenderingBudget::Get().GetUsedBytes(); }

  size_t previousLimit_ = 0;
};

TEST_F(RenderingBudgetTest, DocumentsTogetherKeepNoMoreThanTheBudgetAndTheOldestGoFirst) {
  const size_t before = Used();
  ASSERT_EQ(before, 0u);
  std::vector<Ref<SVGDocument>> documents;
  for (int i = 0; i < 5; ++i) {
    documents.push_back(NewSquare());
    ASSERT_TRUE(documents.back()->GetRendering(kSide, kSide, 0).IsOk());
    EXPECT_LE(Used(), before + 3 * kRenderingBytes) << "after document " << i;
  }
  EXPECT_EQ(documents[0]->GetCachedRenderingCount(), 0u);
  EXPECT_EQ(documents[1]->GetCachedRenderingCount(), 0u);
  EXPECT_EQ(documents[4]->GetCachedRenderingCount(), 1u);

  // A use makes a rendering young again: the next one pushes out document 3's, not 2's.
  ASSERT_TRUE(documents[2]->GetRendering(kSide, kSide, 0).IsOk());
  ASSERT_TRUE(documents[0]->GetRendering(kSide, kSide, 0).IsOk());
  EXPECT_EQ(documents[2]->GetCachedRenderingCount(), 1u);
  EXPECT_EQ(documents[3]->GetCachedRenderingCount(), 0u);

  // Documents that go give their bytes back.
  documents.clear();
  EXPECT_EQ(Used(), before);
}

TEST_F(RenderingBudgetTest, ARenderingLargerThanTheBudgetIsKeptAlone) {
  const size_t before = Used();
  ASSERT_EQ(before, 0u);
  Ref<SVGDocument> small = NewSquare();
  Ref<SVGDocument> large = NewSquare();
  ASSERT_TRUE(small->GetRendering(kSide, kSide, 0).IsOk());
  Result<SVGRendering> big = large->GetRendering(4 * kSide, 4 * kSide, 0);
  ASSERT_TRUE(big.IsOk());
  EXPECT_NE(big->surface, nullptr);
  EXPECT_EQ(small->GetCachedRenderingCount(), 0u);
  EXPECT_EQ(large->GetCachedRenderingCount(), 1u);
  EXPECT_EQ(Used(), before + 16 * kRenderingBytes);
}

}  // namespace
}  // namespace zarvo
