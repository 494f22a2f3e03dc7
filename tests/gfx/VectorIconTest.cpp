#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/core/ClassRegistry.h"
#include "host/gfx/Image.h"
#include "host/gfx/SVGDocument.h"
#include "host/gfx/VectorIconInterface.h"
#include "source/IconProvider.h"

namespace zarvo {
namespace {

namespace fs = std::filesystem;

std::string SvgPath(const std::string& name) { return std::string(ZARVO_TEST_DATA_DIR) + "/svg/" + name; }

VectorIconRef NewIcon() {
  Result<VectorIconRef> icon = CreateObject<VectorIconInterface>(Id(kVectorIconClassId));
  EXPECT_TRUE(icon.IsOk()) << icon.GetError().ToString();
  return icon.IsOk() ? *icon : VectorIconRef();
}

TEST(VectorIconTest, IconsOfOneFileShareItsReadOnlyDocument) {
  VectorIconRef first = NewIcon();
  VectorIconRef second = NewIcon();
  EXPECT_FALSE(first->IsLoaded());
  EXPECT_EQ(first->GetDocument(), nullptr);
  ASSERT_TRUE(first->Init(Url{SvgPath("arrow.svg")}).IsOk());
  ASSERT_TRUE(second->Init(Url{"file://" + SvgPath("arrow.svg")}).IsOk());
  EXPECT_TRUE(first->IsLoaded());
  EXPECT_EQ(first->GetUrl().text, SvgPath("arrow.svg"));
  EXPECT_EQ(first->GetDocument(), second->GetDocument());
  EXPECT_TRUE(first->GetDocument()->IsShared());
  EXPECT_EQ(first->GetDocument()->GetDrawUrl().text, SvgPath("arrow.svg"));
}

TEST(VectorIconTest, AnEditableDocumentIsCopiedOnceAndConcernsOneIcon) {
  VectorIconRef edited = NewIcon();
  VectorIconRef plain = NewIcon();
  ASSERT_TRUE(edited->Init(Url{SvgPath("elements.svg")}).IsOk());
  ASSERT_TRUE(plain->Init(Url{SvgPath("elements.svg")}).IsOk());
  Result<SVGDocumentRef> editable = edited->GetEditableDocument();
  ASSERT_TRUE(editable.IsOk());
  EXPECT_FALSE((*editable)->IsShared());
  EXPECT_EQ(edited->GetDocument(), *editable);
  EXPECT_EQ(*edited->GetEditableDocument(), *editable) << "copied once";
  EXPECT_NE(plain->GetDocument(), *editable);

  Result<SVGElementRef> dot = (*editable)->GetElementById("dot");
  ASSERT_TRUE(dot.IsOk());
  ASSERT_TRUE((*dot)->SetDisplay(SVG_DISPLAY::DISPLAY).IsOk());
  Result<SVGElementRef> sharedDot = plain->GetDocument()->GetElementById("dot");
  ASSERT_TRUE(sharedDot.IsOk());
  EXPECT_EQ((*sharedDot)->GetDisplay(), SVG_DISPLAY::NONE);

  EXPECT_EQ(NewIcon()->GetEditableDocument().GetError().GetMessage(), "Vector icon is not loaded");
}

TEST(VectorIconTest, NamesResolveThroughTheModulesIconProvider) {
  const fs::path modules = fs::path(ZARVO_TEST_OUTPUT_DIR) / "vectoricon_modules";
  fs::remove_all(modules);
  fs::create_directories(modules / "some.module" / "icons");
  fs::copy_file(SvgPath("arrow.svg"), modules / "some.module" / "icons" / "arrow.svg");
  Result<Ref<IconProvider>> provider = IconProvider::Create(modules);
  ASSERT_TRUE(provider.IsOk());
  IconNameResolver resolve = [&](std::string_view name) { return (*provider)->GetIconUrl(name); };

  VectorIconRef icon = NewIcon();
  ASSERT_TRUE(icon->InitFromName("arrow", resolve).IsOk());
  EXPECT_EQ(icon->GetUrl().text, (modules / "some.module" / "icons" / "arrow.svg").string());

  Result<void> unknown = icon->InitFromName("nothing", resolve);
  ASSERT_FALSE(unknown.IsOk());
  EXPECT_EQ(unknown.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(unknown.GetError().GetMessage(), "No icon named 'nothing'");
  EXPECT_EQ(icon->GetUrl().text, (modules / "some.module" / "icons" / "arrow.svg").string()) << "unchanged";

  Result<void> failing = icon->InitFromName("x", [](std::string_view) -> Result<Url> {
    return UnexpectedError("disk on fire");
  });
  EXPECT_EQ(failing.GetError().GetMessage(), "disk on fire");
  EXPECT_EQ(icon->InitFromName("x", IconNameResolver()).GetError().GetKind(), ErrorKind::kNullReference);
}

TEST(VectorIconTest, FailedLoadsLeaveTheIconAsItWas) {
  VectorIconRef icon = NewIcon();
  ASSERT_TRUE(icon->Init(Url{SvgPath("arrow.svg")}).IsOk());
  const SVGDocumentRef document = icon->GetDocument();
  Result<void> malformed = icon->Init(Url{SvgPath("malformed.svg")});
  ASSERT_FALSE(malformed.IsOk());
  EXPECT_TRUE(malformed.GetError().GetMessage().starts_with("Cannot parse SVG document '" + SvgPath("malformed.svg")));
  EXPECT_EQ(icon->Init(Url{SvgPath("absent.svg")}).GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(icon->GetDocument(), document);
  EXPECT_EQ(icon->GetUrl().text, SvgPath("arrow.svg"));
}

TEST(VectorIconTest, StateStartsActivatedAndSelectsTheLook) {
  VectorIconRef icon = NewIcon();
  EXPECT_EQ(icon->GetState(), VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT);
  ASSERT_TRUE(icon->Init(Url{SvgPath("square.svg")}).IsOk());
  icon->SetState(VECTOR_ICON_STATE::ENABLED_DEACTIVATED_NOHIGHLIGHT);
  EXPECT_EQ(icon->GetState(), VECTOR_ICON_STATE::ENABLED_DEACTIVATED_NOHIGHLIGHT);
  Result<Ref<Image>> off = icon->GetDocument()->RenderToImage(4, 4, static_cast<Int>(icon->GetState()));
  ASSERT_TRUE(off.IsOk());
  EXPECT_LT((*off)->GetPixel(2, 2).a, 128) << "deactivated is dimmed";
}

}  // namespace
}  // namespace zarvo
