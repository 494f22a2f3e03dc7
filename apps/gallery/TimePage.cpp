#include <cstdio>
#include <string>

#include "apps/gallery/Gallery.h"
#include "apps/gallery/GalleryCaption.h"
#include "host/core/ClassRegistry.h"
#include "host/core/DateTime.h"
#include "source/interfaces/DateTimeWidgetInterface.h"
#include "source/interfaces/TimeSliderWidgetInterface.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kCaptionHeight = 22.0;
constexpr Float kSliderLeft = 320.0;
constexpr Float kSliderWidth = 900.0;
constexpr Float kSecondSliderTop = 200.0;
constexpr Float kFps = 24.0;
constexpr Float kLongTimelineFrames = 10000.0;

// A stream whose frames fade from blue to amber over each minute.
class GradientStream final : public TimeSliderStreamInterface {
 public:
  Vector2d GetFrameSize() const override { return {4.0, 3.0}; }
  ColorA GetFrameColor(Float time) const override {
    const Float phase = time / 60.0 - static_cast<Float>(static_cast<Int>(time / 60.0));
    return {0.25 + 0.65 * phase, 0.35 + 0.25 * phase, 0.75 - 0.6 * phase, 1.0};
  }
};

Result<TimeSliderWidgetRef> AddSlider(Gallery& gallery, const WidgetRef& root, Vector2d at, Float frames,
                                      const std::string& label) {
  ZV_TRY_ASSIGN(TimeSliderWidgetRef slider, CreateObject<TimeSliderWidgetInterface>(Id(kTimeSliderWidgetClassId)));
  ZV_TRY(root->InsertChildLast(slider));
  ZV_TRY(slider->CreateLayout());
  slider->SetLocalPosition(at);
  ZV_TRY(slider->SetLocalSize(kSliderWidth, 40.0));
  ZV_TRY(slider->SetFps(kFps));
  ZV_TRY(slider->SetMaxTime(frames / kFps));
  GalleryLog* log = &gallery.GetLog();
  slider->ObservableTimeValueChanged()->AddObserver([log, label](const TimeSliderWidgetRef&, Float time) -> Result<void> {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", time);
    log->Add("ObservableTimeValueChanged " + label + " " + text);
    return Ok();
  });
  return slider;
}

}  // namespace

// Named by the page list.
extern const char* const kTimePageScript;
const char* const kTimePageScript =
    "# Step the calendar from December over the year end and back, click a day, drag the time.\n"
    "0.0 move 226 58\n"
    "0.1 press 226 58\n"
    "0.2 release 226 58\n"
    "0.3 shot january\n"
    "0.4 press 59 58\n"
    "0.5 release 59 58\n"
    "0.6 press 211 178\n"
    "0.7 release 211 178\n"
    "0.8 shot day_clicked\n"
    "0.9 press 142 280\n"
    "1.0 drag 142 270\n"
    "1.1 release 142 270\n"
    "1.15 scroll 142 250 up\n"
    "# Scrub the long timeline, then step it by frames and seconds with the keys.\n"
    "1.2 press 400 215\n"
    "1.3 drag 600 215\n"
    "1.4 drag 900 215\n"
    "1.5 drag 1100 215\n"
    "1.6 shot scrubbed\n"
    "1.7 release 1100 215\n"
    "1.8 key right\n"
    "1.9 keyup right\n"
    "2.0 scroll 700 215 left\n"
    "2.1 shot after\n";

Result<WidgetRef> BuildTimePage(Gallery& gallery) {
  WidgetRef root = gallery.MakePageRoot();
  ZV_TRY(AddCaption(root, "Date-time widget", {kMargin, kMargin}));
  ZV_TRY_ASSIGN(DateTimeWidgetRef dateTime, CreateObject<DateTimeWidgetInterface>(Id(kDateTimeWidgetClassId)));
  ZV_TRY(root->InsertChildLast(dateTime));
  ZV_TRY(dateTime->CreateLayout());
  dateTime->SetLocalPosition({kMargin, kMargin + kCaptionHeight});
  // A fixed start, so that the page looks the same on every run.
  ZV_TRY_ASSIGN(UniversalDateTime start, MakeDateTime(2024, 12, 20, 10, 15, 0));
  ZV_TRY(dateTime->SetDateTime(start, false));
  GalleryLog* log = &gallery.GetLog();
  dateTime->ObservableDateTimeChanged()->AddObserver([log](const WidgetRef& sender, UniversalDateTime value) -> Result<void> {
    log->Add("ObservableDateTimeChanged " + sender->GetName() + " " + FormatDateTime(value, "%Y-%m-%d %H:%M:%S"));
    return Ok();
  });

  ZV_TRY(AddCaption(root, "Time slider: 100 frames at 24 fps", {kSliderLeft, kMargin}));
  ZV_TRY(AddSlider(gallery, root, {kSliderLeft, kMargin + kCaptionHeight}, 100.0, "short"));
  ZV_TRY(AddCaption(root, "10,000 frames with a stream: drag, wheel, left and right keys",
                    {kSliderLeft, kSecondSliderTop - kCaptionHeight}));
  ZV_TRY_ASSIGN(TimeSliderWidgetRef timeline,
                AddSlider(gallery, root, {kSliderLeft, kSecondSliderTop}, kLongTimelineFrames, "long"));
  timeline->SetStream(MakeRef<GradientStream>());
  return root;
}

}  // namespace zarvo::gallery
