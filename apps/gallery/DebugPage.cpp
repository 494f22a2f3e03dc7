#include <cstdio>
#include <string>
#include <vector>

#include "apps/gallery/Gallery.h"
#include "apps/gallery/GalleryCaption.h"
#include "host/core/ClassRegistry.h"
#include "host/gfx/SVGDocumentInterface.h"
#include "source/interfaces/DoodleWidgetInterface.h"
#include "source/interfaces/EasterEggWidgetInterface.h"
#include "source/interfaces/FCurveWidgetInterface.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/interfaces/MonitorInfoWidgetInterface.h"
#include "source/interfaces/RulerWidgetInterface.h"
#include "source/interfaces/SVGDebugWidgetInterface.h"
#include "source/interfaces/SVGDrawAreaWidgetInterface.h"
#include "source/widgets_debug/FCurveWidgetImpl.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kCaptionHeight = 22.0;
constexpr Float kColumnStride = 424.0;
constexpr Float kRulerTop = 40.0;
constexpr Vector2d kRulerSize{600.0, 40.0};
constexpr Float kMonitorLeft = 660.0;
constexpr Float kPlaneTop = 150.0;
constexpr Vector2d kPlaneSize{400.0, 250.0};
constexpr Float kEggLeft = 900.0;
constexpr Float kSvgTop = 440.0;
constexpr Vector2d kSvgAreaSize{400.0, 320.0};
constexpr Vector2d kSvgDebugSize{600.0, 320.0};
constexpr Float kSvgAreaZoom = 1.5;
constexpr Float kDoodleBrushWidth = 5.0;
constexpr ColorA kDoodleBrushColor{0.95, 0.55, 0.25, 1.0};
// The f-curve's time 0 and value 0 lie this far from its box's top-left corner.
constexpr Vector2d kCurveOrigin{30.0, 210.0};
const std::vector<FCurveKey> kCurveKeys{{0.0, 0.0}, {0.8, 1.2}, {1.8, 0.6}, {2.6, 1.6}, {3.4, 0.9}};

// A small drawing with named parts, for the SVG draw area and the SVG debugger alike.
constexpr char kDiagramSvg[] =
    R"(<svg xmlns="http://www.w3.org/2000/svg" id="diagram" width="240" height="160" viewBox="0 0 240 160">)"
    R"(<rect id="plate" x="0" y="0" width="240" height="160" rx="10" fill="#2c3440"/>)"
    R"(<g id="nodes"><circle id="source" cx="50" cy="80" r="26" fill="#5a9be0"/>)"
    R"(<circle id="sink" cx="190" cy="80" r="26" fill="#e0a25a"/></g>)"
    R"(<path id="link" d="M76 80 C110 30 130 130 164 80" stroke="#e8e8e8" stroke-width="4" fill="none"/>)"
    R"(<text id="label" x="120" y="146" font-size="14" text-anchor="middle" fill="#c8d0dc">source to sink</text>)"
    "</svg>";

std::string FormatFloat(Float value) {
  char text[32];
  std::snprintf(text, sizeof(text), "%.3g", value);
  return text;
}

// A fixed box that cuts off what lies outside it: the planes below are unbounded.
Result<WidgetRef> AddClippingBox(const WidgetRef& root, Vector2d at, Vector2d size) {
  ZV_TRY_ASSIGN(Ref<FrameWidgetInterface> frame, CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId)));
  for (WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    frame->SetSizeMode(WIDGET_SIZE::FIXED, direction);
  }
  frame->SetFixedSize(CanvasUnitValue::Pix(size.x), WIDGET_DIRECTION::HORIZONTAL);
  frame->SetFixedSize(CanvasUnitValue::Pix(size.y), WIDGET_DIRECTION::VERTICAL);
  frame->SetClipping(true);
  frame->SetLocalPosition(at);
  ZV_TRY(root->InsertChildLast(frame));
  return WidgetRef(frame);
}

Result<void> AddRuler(Gallery& gallery, const WidgetRef& root) {
  ZV_TRY(AddCaption(root, "Ruler: press or drag to set the marker, the wheel zooms", {kMargin, kRulerTop - kCaptionHeight}));
  ZV_TRY_ASSIGN(RulerWidgetRef ruler, CreateObject<RulerWidgetInterface>(Id(kRulerWidgetClassId)));
  ZV_TRY(root->InsertChildLast(ruler));
  ZV_TRY(ruler->CreateLayout());
  ruler->SetLocalPosition({kMargin, kRulerTop});
  ZV_TRY(ruler->SetLocalSize(kRulerSize.x, kRulerSize.y));
  ZV_TRY(ruler->SetRange(0.0, 60.0));
  ruler->SetMarker(15.0);
  GalleryLog* log = &gallery.GetLog();
  ruler->ObservableMarkerChanged()->AddObserver([log](const RulerWidgetRef&, Float value) -> Result<void> {
    log->Add("ObservableMarkerChanged RulerWidget " + FormatFloat(value));
    return Ok();
  });
  ruler->ObservableViewChanged()->AddObserver([log](const RulerWidgetRef& sender, Float start) -> Result<void> {
    log->Add("ObservableViewChanged RulerWidget start " + FormatFloat(start) + " zoom " +
             FormatFloat(sender->GetZoom()));
    return Ok();
  });
  return Ok();
}

Result<void> AddMonitorInfo(Gallery& gallery, const WidgetRef& root) {
  ZV_TRY(AddCaption(root, "Monitor info: Refresh reads the monitors again", {kMonitorLeft, kRulerTop - kCaptionHeight}));
  ZV_TRY_ASSIGN(MonitorInfoWidgetRef info, CreateObject<MonitorInfoWidgetInterface>(Id(kMonitorInfoWidgetClassId)));
  ZV_TRY(root->InsertChildLast(info));
  ZV_TRY(info->CreateLayout());
  info->SetLocalPosition({kMonitorLeft, kRulerTop});
  GalleryLog* log = &gallery.GetLog();
  for (Int monitor = 0; monitor < info->GetMonitorCount(); ++monitor) {
    ZV_TRY_ASSIGN(String name, info->GetMonitorText(monitor, 0));
    ZV_TRY_ASSIGN(String bounds, info->GetMonitorText(monitor, 1));
    log->Add("MonitorInfoWidget monitor " + std::to_string(monitor) + ": " + name + ", " + bounds);
  }
  info->ObservableRefreshed()->AddObserver([log](const MonitorInfoWidgetRef&, Int count) -> Result<void> {
    log->Add("ObservableRefreshed MonitorInfoWidget " + std::to_string(count) + " monitor(s)");
    return Ok();
  });
  return Ok();
}

Result<void> AddDoodle(Gallery& gallery, const WidgetRef& root) {
  const Vector2d at{kMargin, kPlaneTop + kCaptionHeight};
  ZV_TRY(AddCaption(root, "Doodle: drag to paint (the paint action), Alt-drag pans", {kMargin, kPlaneTop}));
  ZV_TRY_ASSIGN(WidgetRef box, AddClippingBox(root, at, kPlaneSize));
  ZV_TRY_ASSIGN(DoodleWidgetRef doodle, CreateObject<DoodleWidgetInterface>(Id(kDoodleWidgetClassId)));
  ZV_TRY(box->InsertChildLast(doodle));
  ZV_TRY(doodle->CreateLayout());
  doodle->SetShowGrid(true);
  doodle->SetBrushColor(kDoodleBrushColor);
  ZV_TRY(doodle->SetBrushWidth(kDoodleBrushWidth));
  GalleryLog* log = &gallery.GetLog();
  doodle->ObservableStrokeEnded()->AddObserver([log](const DoodleWidgetRef& sender, Int index) -> Result<void> {
    const DoodleStroke& stroke = sender->GetStrokes()[static_cast<size_t>(index)];
    log->Add("ObservableStrokeEnded DoodleWidget stroke " + std::to_string(index) + " of " +
             std::to_string(stroke.points.size()) + " point(s)");
    return Ok();
  });
  return Ok();
}

Result<void> AddFCurve(Gallery& gallery, const WidgetRef& root) {
  const Vector2d at{kMargin + kColumnStride, kPlaneTop + kCaptionHeight};
  ZV_TRY(AddCaption(root, "F-curve: drag a key, double-click adds one, Delete removes it", {at.x, kPlaneTop}));
  ZV_TRY_ASSIGN(WidgetRef box, AddClippingBox(root, at, kPlaneSize));
  ZV_TRY_ASSIGN(FCurveWidgetRef curve, CreateObject<FCurveWidgetInterface>(Id(kFCurveWidgetClassId)));
  ZV_TRY(box->InsertChildLast(curve));
  ZV_TRY(curve->CreateLayout());
  curve->SetShowGrid(true);
  curve->SetPan({kCurveOrigin.x - kFCurveOrigin, kCurveOrigin.y - kFCurveOrigin});
  ZV_TRY(curve->SetKeys(kCurveKeys));
  GalleryLog* log = &gallery.GetLog();
  curve->ObservableKeysChanged()->AddObserver([log](const FCurveWidgetRef& sender) -> Result<void> {
    const Int selected = sender->GetSelectedKey();
    std::string line = "ObservableKeysChanged FCurveWidget " + std::to_string(sender->GetKeys().size()) + " key(s)";
    if (selected >= 0) {
      const FCurveKey& key = sender->GetKeys()[static_cast<size_t>(selected)];
      line += ", key " + std::to_string(selected) + " at " + FormatFloat(key.time) + ", " + FormatFloat(key.value);
    }
    log->Add(line);
    return Ok();
  });
  return Ok();
}

Result<void> AddEasterEgg(Gallery& gallery, const WidgetRef& root) {
  ZV_TRY(AddCaption(root, "Easter egg: click it", {kEggLeft, kPlaneTop}));
  ZV_TRY_ASSIGN(EasterEggWidgetRef egg, CreateObject<EasterEggWidgetInterface>(Id(kEasterEggWidgetClassId)));
  ZV_TRY(root->InsertChildLast(egg));
  ZV_TRY(egg->CreateLayout());
  egg->SetLocalPosition({kEggLeft, kPlaneTop + kCaptionHeight * 2});
  GalleryLog* log = &gallery.GetLog();
  egg->ObservableRunningChanged()->AddObserver([log](const EasterEggWidgetRef& sender, Bool running) -> Result<void> {
    log->Add(std::string("ObservableRunningChanged EasterEggWidget ") + (running ? "running" : "resting") + " after " +
             std::to_string(sender->GetFrameCount()) + " frame(s)");
    return Ok();
  });
  return Ok();
}

Result<void> AddSvgWidgets(Gallery& gallery, const WidgetRef& root) {
  const Vector2d areaAt{kMargin, kSvgTop + kCaptionHeight};
  ZV_TRY(AddCaption(root, "SVG draw area: middle-drag pans, Ctrl-middle-drag zooms", {kMargin, kSvgTop}));
  ZV_TRY_ASSIGN(WidgetRef box, AddClippingBox(root, areaAt, kSvgAreaSize));
  ZV_TRY_ASSIGN(SVGDrawAreaWidgetRef area, CreateObject<SVGDrawAreaWidgetInterface>(Id(kSVGDrawAreaWidgetClassId)));
  ZV_TRY(box->InsertChildLast(area));
  ZV_TRY(area->CreateLayout());
  ZV_TRY_ASSIGN(SVGDocumentRef document, CreateObject<SVGDocumentInterface>(Id(kSVGDocumentClassId)));
  ZV_TRY(document->InitFromText(kDiagramSvg));
  ZV_TRY(area->SetDocument(document));
  area->SetLocalScale({kSvgAreaZoom, kSvgAreaZoom});
  ZV_TRY_ASSIGN(Vector2d size, document->GetIntrinsicSize());
  // The drawing in the middle of its box.
  area->SetPan({(kSvgAreaSize.x - size.x * kSvgAreaZoom) * 0.5, (kSvgAreaSize.y - size.y * kSvgAreaZoom) * 0.5});

  const Vector2d debugAt{kMargin + kColumnStride, kSvgTop + kCaptionHeight};
  ZV_TRY(AddCaption(root, "SVG debug: the viewport framed, its size, element count and ids", {debugAt.x, kSvgTop}));
  ZV_TRY_ASSIGN(SVGDebugWidgetRef debug, CreateObject<SVGDebugWidgetInterface>(Id(kSVGDebugWidgetClassId)));
  ZV_TRY(root->InsertChildLast(debug));
  ZV_TRY(debug->CreateLayout());
  debug->SetLocalPosition(debugAt);
  ZV_TRY(debug->SetLocalSize(kSvgDebugSize.x, kSvgDebugSize.y));
  ZV_TRY(debug->SetText(kDiagramSvg));
  std::string ids;
  for (const String& id : debug->GetElementIds()) ids += (ids.empty() ? "" : ", ") + id;
  gallery.GetLog().Add("SVGDebugWidget " + std::to_string(debug->GetElementCount()) + " element(s), ids " + ids);
  return Ok();
}

}  // namespace

// Named by the page list.
extern const char* const kDebugPageScript;
const char* const kDebugPageScript =
    "# Paint a stroke in the doodle.\n"
    "0.0 move 80 300\n"
    "0.1 press 80 300\n"
    "0.2 drag 130 240\n"
    "0.3 drag 200 230\n"
    "0.4 drag 260 300\n"
    "0.5 drag 330 260\n"
    "0.6 release 330 260\n"
    "0.7 shot doodle\n"
    "# Drag the third key of the f-curve up and to the right.\n"
    "1.0 move 658 322\n"
    "1.1 press 658 322\n"
    "1.2 drag 680 290\n"
    "1.3 drag 698 262\n"
    "1.4 release 698 262\n"
    "1.5 shot fcurve\n"
    "# Over the ruler: press and drag the marker, then zoom in about the pointer.\n"
    "2.0 move 200 50\n"
    "2.1 press 200 50\n"
    "2.2 drag 320 50\n"
    "2.3 release 320 50\n"
    "2.4 scroll 320 50 up\n"
    "2.5 shot ruler\n"
    "# Ask the monitor table to read the monitors again.\n"
    "2.7 move 688 51\n"
    "2.8 press 688 51\n"
    "2.9 release 688 51\n"
    "# Set the egg going and look at it half way through its show and after it.\n"
    "3.0 move 930 230\n"
    "3.1 press 930 230\n"
    "3.2 release 930 230\n"
    "5.0 shot egg\n"
    "8.0 shot egg_rested\n";

Result<WidgetRef> BuildDebugPage(Gallery& gallery) {
  WidgetRef root = gallery.MakePageRoot();
  ZV_TRY(AddRuler(gallery, root));
  ZV_TRY(AddMonitorInfo(gallery, root));
  ZV_TRY(AddDoodle(gallery, root));
  ZV_TRY(AddFCurve(gallery, root));
  ZV_TRY(AddEasterEgg(gallery, root));
  ZV_TRY(AddSvgWidgets(gallery, root));
  return root;
}

}  // namespace zarvo::gallery
