#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/core/HostRegistrations.h"
#include "host/ui/AppWindow.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

constexpr Float kNaN = std::numeric_limits<Float>::quiet_NaN();
constexpr Float kInfinity = std::numeric_limits<Float>::infinity();
const std::vector<Float> kBadValues = {kNaN, kInfinity, -kInfinity, -1.0, -1e300};

bool IsFinite(Vector2d v) { return std::isfinite(v.x) && std::isfinite(v.y); }

// Every class of the catalogue, each made by its id.
std::vector<WidgetRef> EveryCatalogueWidget() {
  std::vector<WidgetRef> widgets;
  Result<std::vector<Id>> classes = ClassRegistry::Get().GetRegistryClasses(Id(kWidgetClassesRegistry));
  EXPECT_TRUE(classes.IsOk());
  for (const Id& id : *classes) {
    Result<WidgetRef> widget = CreateObject<WidgetInterface>(id);
    EXPECT_TRUE(widget.IsOk()) << id.GetString();
    if (widget.IsOk()) widgets.push_back(*widget);
  }
  return widgets;
}

TEST(BadCallTest, GeometrySettersRefuseOrClampNonFiniteAndNegativeValues) {
  Ref<AppWindow> window = test::MakeTestWindow({0, 0, 200, 100});
  for (const WidgetRef& widget : EveryCatalogueWidget()) {
    ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(widget).IsOk());
    widget->SetLocalPosition({10.0, 20.0});
    ASSERT_TRUE(widget->SetLocalSize(30.0, 40.0).IsOk());
    for (Float bad : kBadValues) {
      widget->SetLocalPosition({bad, bad});
      EXPECT_TRUE(IsFinite(widget->GetLocalPosition())) << widget->GetName();
      EXPECT_TRUE(widget->SetLocalSize(bad, bad).IsOk());
      EXPECT_TRUE(widget->SetLocalSize(CanvasUnitValue::Rem(bad), CanvasUnitValue::Fon(bad)).IsOk());
      const Vector2d size = widget->GetLocalPixSize();
      EXPECT_FALSE(std::isnan(size.x) || std::isnan(size.y) || size.x < 0.0 || size.y < 0.0) << widget->GetName();
      widget->SetLocalScale({bad, bad});
      EXPECT_TRUE(IsFinite(widget->GetLocalScale()));
      EXPECT_GT(widget->GetLocalScale().x, 0.0) << "a scale of nothing or a mirror is refused";
      for (auto direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
        widget->SetMinSize(CanvasUnitValue::Pix(bad), direction);
        widget->SetFixedSize(CanvasUnitValue::Pix(bad), direction);
        EXPECT_GE(widget->GetMinSize(direction).value, 0.0);
        EXPECT_GE(widget->GetFixedSize(direction).value, 0.0);
      }
      widget->SetLocalOpacity(bad);
      EXPECT_GE(widget->GetLocalOpacity(), 0.0);
      widget->SetBorderLinewidth(CanvasUnitValue::Pix(bad));
      EXPECT_GE(widget->GetBorderLinewidth().value, 0.0);
      widget->SetRounding({CanvasUnitValue::Pix(bad), CanvasUnitValue::Pix(bad), CanvasUnitValue::Pix(bad),
                           CanvasUnitValue::Pix(bad)});
      EXPECT_GE(widget->GetRounding().topLeft.value, 0.0);
    }
    // Laid out and drawn: a widget may refuse its place with an error, never misbehave.
    (void)window->Update();
    widget->Remove();
  }
}

TEST(BadCallTest, ZeroAndNonFiniteScalesAreRefused) {
  Ref<AppWindow> window = test::MakeTestWindow({0, 0, 100, 100});
  ButtonWidgetRef button = test::AddTestButton(*window, {10, 10, 40, 20});
  button->SetLocalScale({2.0, 3.0});
  for (Vector2d bad : {Vector2d{0.0, 0.0}, Vector2d{-1.0, 1.0}, Vector2d{kNaN, 1.0}, Vector2d{1.0, kInfinity}}) {
    button->SetLocalScale(bad);
    EXPECT_EQ(button->GetLocalScale(), (Vector2d{2.0, 3.0}));
  }
  EXPECT_TRUE(IsFinite(button->GlobalToLocalPosition({50.0, 50.0})));
}

TEST(BadCallTest, ZeroSizedWindowsLayOutAndDraw) {
  Ref<AppWindow> window = test::MakeTestWindow({0, 0, 0, 0});
  ASSERT_TRUE(window);
  ButtonWidgetRef button = test::AddTestButton(*window, {0, 0, 10, 10});
  EXPECT_TRUE(window->Update().IsOk());
  ASSERT_TRUE(window->GetCanvas()->SetWindowSize({200.0, 100.0}).IsOk());
  EXPECT_TRUE(window->Update().IsOk());
  ASSERT_TRUE(window->GetCanvas()->SetWindowSize({0.0, 0.0}).IsOk());
  EXPECT_TRUE(window->Update().IsOk());
  for (Float bad : kBadValues) {
    Result<void> resized = window->GetCanvas()->SetWindowSize({bad, 10.0});
    ASSERT_FALSE(resized.IsOk());
    EXPECT_EQ(resized.GetError().GetMessage(), "Window size must be finite and not negative");
  }
}

TEST(BadCallTest, AnUnknownClassIdIsAnError) {
  for (const char* id : {"net.zarvo.mvp.widgetclasses.nosuchwidget", "", "net.zarvo.mvp.widgetclasses."}) {
    Result<WidgetRef> widget = CreateObject<WidgetInterface>(Id(id));
    ASSERT_FALSE(widget.IsOk()) << id;
    EXPECT_FALSE(widget.GetError().GetMessage().empty());
  }
  // A class that is no widget is refused through the widget interface.
  Result<WidgetRef> notWidget = CreateObject<WidgetInterface>(Id("net.zarvo.image.class.svgdocument"));
  ASSERT_FALSE(notWidget.IsOk());
  EXPECT_EQ(notWidget.GetError().GetKind(), ErrorKind::kIllegalArgument);
}

TEST(BadCallTest, CallsOnWidgetsWhoseWindowClosedAreHarmless) {
  std::vector<WidgetRef> widgets = EveryCatalogueWidget();
  {
    Ref<AppWindow> window = test::OpenTestWindow(WindowClass::Window(), {0, 0, 300, 200});
    for (const WidgetRef& widget : widgets) ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(widget).IsOk());
    (void)window->Update();
    ASSERT_TRUE(window->Close().IsOk());
    for (const WidgetRef& widget : widgets) {
      widget->SetLocalPosition({5.0, 5.0});
      EXPECT_TRUE(widget->SetLocalSize(20.0, 20.0).IsOk());
      widget->SetLocalVisibility(false);
      widget->RequestRedraw();
      widget->RequestLayout();
      (void)widget->HandleEvent(nullptr);
    }
  }
  // The window is gone; its widgets still answer.
  for (const WidgetRef& widget : widgets) {
    widget->SetLocalVisibility(true);
    widget->RequestRedraw();
    widget->RequestLayout();
    EXPECT_EQ(widget->GetLocalPosition(), (Vector2d{5.0, 5.0}));
  }
}

}  // namespace
}  // namespace zarvo
