#include <gtest/gtest.h>

#include <vector>

#include "host/core/HierarchyObject.h"
#include "host/ui/WidgetBase.h"

namespace zarvo {
namespace {

class Plain final : public WidgetBase {};

// A child that is not a widget, as a window's hierarchy may hold.
class NotAWidget final : public HierarchyObject {};

// The widget children as the layout walks see them, through the widget base's own links.
std::vector<WidgetBase*> WalkedChildren(const WidgetBase& parent) {
  std::vector<WidgetBase*> children;
  for (WidgetBase* child = parent.FirstChildBase(); child; child = child->NextBase()) {
    EXPECT_EQ(child->ParentBase(), &parent);
    children.push_back(child);
  }
  return children;
}

TEST(WidgetBaseTest, TheWalkedLinksFollowEveryEditOfTheHierarchyAndSkipOtherChildren) {
  Ref<Plain> parent = MakeRef<Plain>();
  Ref<Plain> a = MakeRef<Plain>();
  Ref<Plain> b = MakeRef<Plain>();
  Ref<Plain> c = MakeRef<Plain>();
  Ref<NotAWidget> other = MakeRef<NotAWidget>();
  ASSERT_TRUE(parent->InsertChildLast(b).IsOk());
  ASSERT_TRUE(parent->InsertChildFirst(a).IsOk());
  ASSERT_TRUE(parent->InsertChildLast(other).IsOk());
  ASSERT_TRUE(parent->InsertChildLast(c).IsOk());
  EXPECT_EQ(WalkedChildren(*parent), (std::vector<WidgetBase*>{a.Get(), b.Get(), c.Get()}));

  ASSERT_TRUE(c->InsertBefore(a.Get()).IsOk());
  EXPECT_EQ(WalkedChildren(*parent), (std::vector<WidgetBase*>{c.Get(), a.Get(), b.Get()}));
  ASSERT_TRUE(c->InsertAfter(other.Get()).IsOk());
  EXPECT_EQ(WalkedChildren(*parent), (std::vector<WidgetBase*>{a.Get(), b.Get(), c.Get()}));

  other->Remove();
  b->Remove();
  EXPECT_EQ(WalkedChildren(*parent), (std::vector<WidgetBase*>{a.Get(), c.Get()}));
  EXPECT_EQ(b->ParentBase(), nullptr);
  EXPECT_EQ(b->NextBase(), nullptr);

  // Moved under another parent: gone from the first one's walk, first in the new one's.
  Ref<Plain> second = MakeRef<Plain>();
  ASSERT_TRUE(second->InsertChildLast(a).IsOk());
  EXPECT_EQ(WalkedChildren(*parent), (std::vector<WidgetBase*>{c.Get()}));
  EXPECT_EQ(WalkedChildren(*second), (std::vector<WidgetBase*>{a.Get()}));

  parent->RemoveAllChildren();
  EXPECT_EQ(parent->FirstChildBase(), nullptr);
  EXPECT_EQ(c->ParentBase(), nullptr);
}

TEST(WidgetBaseTest, ChildrenOutliveTheirParentWithoutALinkBackToIt) {
  Ref<Plain> child = MakeRef<Plain>();
  {
    Ref<Plain> parent = MakeRef<Plain>();
    ASSERT_TRUE(parent->InsertChildLast(child).IsOk());
    ASSERT_EQ(child->ParentBase(), parent.Get());
  }
  EXPECT_EQ(child->ParentBase(), nullptr);
  EXPECT_EQ(child->GetParent(), nullptr);
  Ref<Plain> next = MakeRef<Plain>();
  ASSERT_TRUE(next->InsertChildLast(child).IsOk());
  EXPECT_EQ(WalkedChildren(*next), (std::vector<WidgetBase*>{child.Get()}));
}

TEST(WidgetBaseTest, EveryOrientationIsKeptAndAChangeAsksForTheLayoutToBeSwitched) {
  Ref<Plain> widget = MakeRef<Plain>();
  EXPECT_EQ(widget->GetOrientation(), WIDGET_ORIENTATION::LEFT_RIGHT);
  for (WIDGET_ORIENTATION orientation : {WIDGET_ORIENTATION::BOTTOM_TOP, WIDGET_ORIENTATION::TOP_BOTTOM,
                                         WIDGET_ORIENTATION::RIGHT_LEFT, WIDGET_ORIENTATION::LEFT_RIGHT}) {
    widget->ClearSwitchRequest();
    widget->SetOrientation(orientation);
    EXPECT_EQ(widget->GetOrientation(), orientation);
    EXPECT_EQ(widget->GetEffectiveOrientation(), orientation);
    EXPECT_TRUE(widget->Has(WidgetBase::kSwitchRequested));
    widget->ClearSwitchRequest();
    widget->SetOrientation(orientation);
    EXPECT_FALSE(widget->Has(WidgetBase::kSwitchRequested)) << "setting the same orientation changes nothing";
  }
  EXPECT_EQ(DirectionOf(WIDGET_ORIENTATION::RIGHT_LEFT), WIDGET_DIRECTION::HORIZONTAL);
  EXPECT_EQ(DirectionOf(WIDGET_ORIENTATION::BOTTOM_TOP), WIDGET_DIRECTION::VERTICAL);
  EXPECT_EQ(MirroredForR2L(WIDGET_ORIENTATION::LEFT_RIGHT), WIDGET_ORIENTATION::RIGHT_LEFT);
  EXPECT_EQ(MirroredForR2L(WIDGET_ORIENTATION::RIGHT_LEFT), WIDGET_ORIENTATION::LEFT_RIGHT);
  EXPECT_EQ(MirroredForR2L(WIDGET_ORIENTATION::TOP_BOTTOM), WIDGET_ORIENTATION::TOP_BOTTOM);
}

}  // namespace
}  // namespace zarvo
