#include <gtest/gtest.h>

#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "source/interfaces/ColorHEXWidgetInterface.h"
#include "source/interfaces/ColorHSVWidgetInterface.h"
#include "source/interfaces/ColorRGBWidgetInterface.h"
#include "source/widgets_color/ColorHEXWidgetImpl.h"
#include "source/widgets_color/ColorHSVWidgetImpl.h"
#include "source/widgets_color/ColorRGBWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

// A notation widget laid out in a window, with what its observers were told.
template <class I, class Value>
class NotationFixture {
 public:
  explicit NotationFixture(const char* classId) {
    window_ = test::MakeTestWindow(Rect{0, 0, 240, 120});
    widget_ = test::NewObject<I>(classId);
    EXPECT_TRUE(window_->GetAppWidget()->InsertChildLast(widget_).IsOk());
    EXPECT_TRUE(window_->Update().IsOk());
    widget_->ObservableColorChanged()->AddObserver([this](const WidgetRef& sender, Value value) -> Result<void> {
      EXPECT_EQ(sender.Get(), static_cast<WidgetInterface*>(widget_.Get()));
      told_.push_back(value);
      return Ok();
    });
  }
  const Ref<I>& Widget() const { return widget_; }
  const std::vector<Value>& Told() const { return told_; }
  AppWindow& Window() const { return *window_; }

 private:
  Ref<AppWindow> window_;
  Ref<I> widget_;
  std::vector<Value> told_;
};

std::vector<Int> SliderValues(const ColorSliderRows& rows) {
  std::vector<Int> values;
  for (size_t row = 0; row < rows.GetRowCount(); ++row) values.push_back((*rows.GetSlider(row))->GetValue());
  return values;
}

TEST(ColorRGBWidgetTest, SettingShowsTruncatedSlidersAndNotifiesOnlyWhenAsked) {
  NotationFixture<ColorRGBWidgetInterface, ColorA> f(kColorRGBWidgetClassId);
  const auto& rows = dynamic_cast<const ColorRGBWidgetImpl&>(*f.Widget()).GetRows();
  EXPECT_EQ(f.Widget()->GetName(), "ColorRGBWidget");
  EXPECT_EQ(*f.Widget()->GetRGB(), (ColorA{0, 0, 0, 0})) << "black and clear until set";
  ASSERT_TRUE(f.Widget()->SetRGB({1.0, 0.5, 0.0, 1.0}, false).IsOk());
  EXPECT_EQ(SliderValues(rows), (std::vector<Int>{255, 127, 0, 100}));
  EXPECT_TRUE(f.Told().empty());
  ASSERT_TRUE(f.Widget()->SetRGB({0.2, 0.4, 0.6, 0.5}, true).IsOk());
  EXPECT_EQ(SliderValues(rows), (std::vector<Int>{51, 102, 153, 50}));
  EXPECT_EQ(f.Told(), (std::vector<ColorA>{{0.2, 0.4, 0.6, 0.5}}));
}

TEST(ColorRGBWidgetTest, AMovedSliderChangesItsComponentAndTellsTheObservers) {
  NotationFixture<ColorRGBWidgetInterface, ColorA> f(kColorRGBWidgetClassId);
  const auto& rows = dynamic_cast<const ColorRGBWidgetImpl&>(*f.Widget()).GetRows();
  ASSERT_TRUE(f.Widget()->SetRGB({1.0, 0.0, 0.0, 1.0}, false).IsOk());
  ASSERT_TRUE((*rows.GetSlider(1))->SetValue(51, true).IsOk());
  ASSERT_TRUE((*rows.GetSlider(3))->SetValue(25, true).IsOk());
  EXPECT_EQ(f.Told(), (std::vector<ColorA>{{1.0, 0.2, 0.0, 1.0}, {1.0, 0.2, 0.0, 0.25}}));
  EXPECT_EQ(*f.Widget()->GetRGB(), (ColorA{1.0, 0.2, 0.0, 0.25}));
}

TEST(ColorRGBWidgetTest, AGoneSliderIsAMissingLinkButTheValueIsStored) {
  NotationFixture<ColorRGBWidgetInterface, ColorA> f(kColorRGBWidgetClassId);
  const auto& rows = dynamic_cast<const ColorRGBWidgetImpl&>(*f.Widget()).GetRows();
  {
    IntSliderWidgetRef slider = *rows.GetSlider(2);
    slider->Remove();
  }
  Result<void> set = f.Widget()->SetRGB({0.0, 0.0, 1.0, 1.0}, true);
  ASSERT_FALSE(set.IsOk());
  EXPECT_EQ(set.GetError().GetMessage(), "Missing widget link");
  EXPECT_EQ(*f.Widget()->GetRGB(), (ColorA{0.0, 0.0, 1.0, 1.0}));
}

TEST(ColorHSVWidgetTest, SettingWithoutNotificationMovesTheSlidersSilently) {
  NotationFixture<ColorHSVWidgetInterface, Vector> f(kColorHSVWidgetClassId);
  const auto& rows = dynamic_cast<const ColorHSVWidgetImpl&>(*f.Widget()).GetRows();
  EXPECT_EQ(f.Widget()->GetName(), "ColorHSVWidget");
  ASSERT_TRUE(f.Widget()->SetHSV({0.5, 0.25, 0.999}, false).IsOk());
  EXPECT_EQ(SliderValues(rows), (std::vector<Int>{180, 25, 99}));
  EXPECT_TRUE(f.Told().empty());
  // The hue comes back from its slider in single precision.
  ASSERT_TRUE((*rows.GetSlider(0))->SetValue(120, true).IsOk());
  ASSERT_EQ(f.Told().size(), 1u);
  EXPECT_EQ(f.Told()[0].x, static_cast<Float>(120.0f / 360.0f));
  EXPECT_EQ(f.Told()[0].y, 0.25);
}

TEST(ColorHEXWidgetTest, ShowsTheCodeAndReadsBackWhatIsTyped) {
  NotationFixture<ColorHEXWidgetInterface, uint32_t> f(kColorHEXWidgetClassId);
  const auto& impl = dynamic_cast<const ColorHEXWidgetImpl&>(*f.Widget());
  EXPECT_EQ(f.Widget()->GetName(), "ColorHEXWidget");
  TextEditWidgetRef edit = impl.GetTextEdit();
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->GetText(), "#000000");
  ASSERT_TRUE(f.Widget()->SetHEX(0xFF7F00u, false).IsOk());
  EXPECT_EQ(edit->GetText(), "#FF7F00");
  EXPECT_TRUE(f.Told().empty());

  const auto type = [&](const char* text) {
    edit->SetText(text);
    ASSERT_TRUE(edit->ObservableTextFinished()->Notify(edit).IsOk());
  };
  type("00ff00");
  EXPECT_EQ(*f.Widget()->GetHEX(), 0x00FF00u);
  EXPECT_EQ(edit->GetText(), "#00FF00");
  for (const char* bad : {"#12", "#1234567", "#GG0000", "red"}) {
    type(bad);
    EXPECT_EQ(*f.Widget()->GetHEX(), 0x00FF00u) << bad;
    EXPECT_EQ(edit->GetText(), "#00FF00") << "the held code is shown again after " << bad;
  }
  EXPECT_EQ(f.Told(), std::vector<uint32_t>{0x00FF00u});
}

TEST(ColorHEXWidgetTest, AGoneTextEditIsSkipped) {
  NotationFixture<ColorHEXWidgetInterface, uint32_t> f(kColorHEXWidgetClassId);
  dynamic_cast<const ColorHEXWidgetImpl&>(*f.Widget()).GetTextEdit()->Remove();
  EXPECT_TRUE(f.Widget()->SetHEX(0x123456u, true).IsOk());
  EXPECT_EQ(f.Told(), std::vector<uint32_t>{0x123456u});
}

TEST(ColorNotationGoldenTest, RgbAndHsvTracks) {
  NotationFixture<ColorRGBWidgetInterface, ColorA> rgb(kColorRGBWidgetClassId);
  ASSERT_TRUE(rgb.Widget()->SetRGB({1.0, 0.5, 0.0, 1.0}, false).IsOk());
  ASSERT_TRUE(rgb.Window().Update().IsOk());
  test::ExpectMatchesGolden(rgb.Window().GetHostCanvas()->GetOsWindow()->GetSurface(), "color_rgb");
  NotationFixture<ColorHSVWidgetInterface, Vector> hsv(kColorHSVWidgetClassId);
  ASSERT_TRUE(hsv.Widget()->SetHSV({0.6, 0.8, 0.9}, false).IsOk());
  ASSERT_TRUE(hsv.Window().Update().IsOk());
  test::ExpectMatchesGolden(hsv.Window().GetHostCanvas()->GetOsWindow()->GetSurface(), "color_hsv");
}

}  // namespace
}  // namespace zarvo
