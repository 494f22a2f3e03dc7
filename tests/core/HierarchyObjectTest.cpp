#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/HierarchyObject.h"

namespace zarvo {
namespace {

int gLiveNodes = 0;

class Node final : public HierarchyObject {
 public:
  explicit Node(std::string_view name) {
    SetName(name);
    ++gLiveNodes;
  }
  ~Node() override { --gLiveNodes; }

  int childrenChanged = 0;
  int parentChanged = 0;

 protected:
  void HandleChildrenChanged() override { ++childrenChanged; }
  void HandleParentChanged() override { ++parentChanged; }
};

Ref<HierarchyObject> MakeNode(std::string_view name) { return MakeRef<Node>(name); }

Node* AsNode(HierarchyObject* object) { return static_cast<Node*>(object); }

// The children's names walking forward, after checking that the backward links agree.
std::vector<std::string> ChildNames(const HierarchyObject& parent) {
  std::vector<std::string> forward;
  for (HierarchyObject* child = parent.GetFirstChild(); child; child = child->GetNext()) {
    EXPECT_EQ(child->GetParent(), &parent);
    forward.push_back(child->GetName());
  }
  std::vector<std::string> backward;
  for (HierarchyObject* child = parent.GetLastChild(); child; child = child->GetPrev()) {
    backward.insert(backward.begin(), child->GetName());
  }
  EXPECT_EQ(forward, backward);
  return forward;
}

class HierarchyObjectTest : public testing::Test {
 protected:
  void SetUp() override { gLiveNodes = 0; }
  void TearDown() override { EXPECT_EQ(gLiveNodes, 0) << "a node leaked"; }
};

TEST_F(HierarchyObjectTest, InsertsChildrenFirstAndLast) {
  Ref<HierarchyObject> root = MakeNode("root");
  ASSERT_TRUE(root->InsertChildLast(MakeNode("b")).IsOk());
  ASSERT_TRUE(root->InsertChildLast(MakeNode("c")).IsOk());
  ASSERT_TRUE(root->InsertChildFirst(MakeNode("a")).IsOk());
  EXPECT_EQ(ChildNames(*root), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(AsNode(root.Get())->childrenChanged, 3);
  EXPECT_EQ(AsNode(root->GetFirstChild())->parentChanged, 1);
}

TEST_F(HierarchyObjectTest, InsertsBeforeAndAfterSiblings) {
  Ref<HierarchyObject> root = MakeNode("root");
  Ref<HierarchyObject> middle = MakeNode("m");
  ASSERT_TRUE(root->InsertChildLast(middle).IsOk());
  Ref<HierarchyObject> first = MakeNode("first");
  Ref<HierarchyObject> before = MakeNode("before");
  Ref<HierarchyObject> after = MakeNode("after");
  Ref<HierarchyObject> last = MakeNode("last");
  ASSERT_TRUE(first->InsertBefore(middle.Get()).IsOk());
  ASSERT_TRUE(last->InsertAfter(middle.Get()).IsOk());
  ASSERT_TRUE(before->InsertBefore(middle.Get()).IsOk());
  ASSERT_TRUE(after->InsertAfter(middle.Get()).IsOk());
  EXPECT_EQ(ChildNames(*root), (std::vector<std::string>{"first", "before", "m", "after", "last"}));
  EXPECT_EQ(root->GetFirstChild(), first.Get());
  EXPECT_EQ(root->GetLastChild(), last.Get());
}

TEST_F(HierarchyObjectTest, InsertingMovesTheObjectFromItsOldPlace) {
  Ref<HierarchyObject> left = MakeNode("left");
  Ref<HierarchyObject> right = MakeNode("right");
  Ref<HierarchyObject> child = MakeNode("child");
  ASSERT_TRUE(left->InsertChildLast(MakeNode("x")).IsOk());
  ASSERT_TRUE(left->InsertChildLast(child).IsOk());
  ASSERT_TRUE(left->InsertChildLast(MakeNode("y")).IsOk());
  ASSERT_TRUE(right->InsertChildFirst(child).IsOk());
  EXPECT_EQ(ChildNames(*left), (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(ChildNames(*right), (std::vector<std::string>{"child"}));
  EXPECT_EQ(child->GetParent(), right.Get());

  // Within one parent: move the first child behind the last.
  ASSERT_TRUE(left->GetFirstChild()->InsertAfter(left->GetLastChild()).IsOk());
  EXPECT_EQ(ChildNames(*left), (std::vector<std::string>{"y", "x"}));
}

TEST_F(HierarchyObjectTest, RefusesToInsertAnObjectBelowItself) {
  Ref<HierarchyObject> root = MakeNode("root");
  Ref<HierarchyObject> child = MakeNode("child");
  Ref<HierarchyObject> grandchild = MakeNode("grandchild");
  ASSERT_TRUE(root->InsertChildLast(child).IsOk());
  ASSERT_TRUE(child->InsertChildLast(grandchild).IsOk());

  Result<void> selfInsert = root->InsertChildLast(root);
  ASSERT_FALSE(selfInsert.IsOk());
  EXPECT_EQ(selfInsert.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(selfInsert.GetError().GetMessage(), "Cannot insert an object below itself");

  EXPECT_FALSE(grandchild->InsertChildFirst(root).IsOk());
  EXPECT_FALSE(child->InsertBefore(grandchild.Get()).IsOk());
  EXPECT_FALSE(child->InsertAfter(grandchild.Get()).IsOk());
  // Nothing moved.
  EXPECT_EQ(ChildNames(*root), (std::vector<std::string>{"child"}));
  EXPECT_EQ(ChildNames(*child), (std::vector<std::string>{"grandchild"}));
  EXPECT_TRUE(root->IsAncestorOf(grandchild.Get()));
  EXPECT_FALSE(grandchild->IsAncestorOf(root.Get()));
}

TEST_F(HierarchyObjectTest, RejectsEmptyAndParentlessTargets) {
  Ref<HierarchyObject> root = MakeNode("root");
  Ref<HierarchyObject> loose = MakeNode("loose");
  Ref<HierarchyObject> other = MakeNode("other");
  EXPECT_EQ(root->InsertChildLast(nullptr).GetError().GetKind(), ErrorKind::kNullReference);
  EXPECT_EQ(root->InsertChildFirst(nullptr).GetError().GetKind(), ErrorKind::kNullReference);
  EXPECT_EQ(loose->InsertBefore(nullptr).GetError().GetKind(), ErrorKind::kNullReference);
  EXPECT_EQ(loose->InsertAfter(nullptr).GetError().GetKind(), ErrorKind::kNullReference);
  EXPECT_EQ(loose->InsertAfter(other.Get()).GetError().GetKind(), ErrorKind::kIllegalArgument);
  // Next to itself is a place it already has.
  ASSERT_TRUE(root->InsertChildLast(loose).IsOk());
  EXPECT_TRUE(loose->InsertBefore(loose.Get()).IsOk());
  EXPECT_EQ(ChildNames(*root), (std::vector<std::string>{"loose"}));
}

TEST_F(HierarchyObjectTest, RemoveDetachesFromAnyPosition) {
  Ref<HierarchyObject> root = MakeNode("root");
  for (const char* name : {"a", "b", "c", "d"}) ASSERT_TRUE(root->InsertChildLast(MakeNode(name)).IsOk());
  Ref<HierarchyObject> b(root->GetFirstChild()->GetNext());
  b->Remove();
  EXPECT_EQ(ChildNames(*root), (std::vector<std::string>{"a", "c", "d"}));
  EXPECT_EQ(b->GetParent(), nullptr);
  EXPECT_EQ(b->GetPrev(), nullptr);
  EXPECT_EQ(b->GetNext(), nullptr);
  EXPECT_EQ(b->GetRefCount(), 1u);  // the caller's reference keeps it

  Ref<HierarchyObject>(root->GetFirstChild())->Remove();
  EXPECT_EQ(ChildNames(*root), (std::vector<std::string>{"c", "d"}));
  Ref<HierarchyObject>(root->GetLastChild())->Remove();
  EXPECT_EQ(ChildNames(*root), (std::vector<std::string>{"c"}));
  Ref<HierarchyObject>(root->GetLastChild())->Remove();
  EXPECT_EQ(root->GetFirstChild(), nullptr);
  EXPECT_EQ(root->GetLastChild(), nullptr);
  b->Remove();  // without a parent nothing happens
  EXPECT_EQ(gLiveNodes, 2);
}

TEST_F(HierarchyObjectTest, RemoveAllChildrenReleasesThem) {
  Ref<HierarchyObject> root = MakeNode("root");
  Ref<HierarchyObject> kept = MakeNode("kept");
  ASSERT_TRUE(root->InsertChildLast(MakeNode("a")).IsOk());
  ASSERT_TRUE(root->InsertChildLast(kept).IsOk());
  ASSERT_TRUE(root->GetFirstChild()->InsertChildLast(MakeNode("grandchild")).IsOk());
  EXPECT_EQ(gLiveNodes, 4);
  const int changesBefore = AsNode(root.Get())->childrenChanged;
  root->RemoveAllChildren();
  EXPECT_EQ(root->GetFirstChild(), nullptr);
  EXPECT_EQ(root->GetLastChild(), nullptr);
  EXPECT_EQ(AsNode(root.Get())->childrenChanged, changesBefore + 1);
  EXPECT_EQ(kept->GetParent(), nullptr);
  EXPECT_EQ(kept->GetPrev(), nullptr);
  EXPECT_EQ(gLiveNodes, 2);  // root and kept
}

TEST_F(HierarchyObjectTest, ReleasingTheRootFreesTheSubtree) {
  {
    Ref<HierarchyObject> root = MakeNode("root");
    Ref<HierarchyObject> child = MakeNode("child");
    ASSERT_TRUE(root->InsertChildLast(child).IsOk());
    ASSERT_TRUE(child->InsertChildLast(MakeNode("grandchild")).IsOk());
    child.Reset();
    EXPECT_EQ(gLiveNodes, 3);
  }
  EXPECT_EQ(gLiveNodes, 0);
}

TEST_F(HierarchyObjectTest, ReleasesAHundredThousandSiblingsWithoutDeepRecursion) {
  constexpr int kSiblingCount = 100000;
  {
    Ref<HierarchyObject> root = MakeNode("root");
    for (int i = 0; i < kSiblingCount; ++i) ASSERT_TRUE(root->InsertChildLast(MakeNode("n")).IsOk());
    EXPECT_EQ(gLiveNodes, kSiblingCount + 1);
  }
  EXPECT_EQ(gLiveNodes, 0);
}

}  // namespace
}  // namespace zarvo
