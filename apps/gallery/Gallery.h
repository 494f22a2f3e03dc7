#pragma once
#include <functional>
#include <string>
#include <vector>

#include "apps/gallery/EventScript.h"
#include "apps/gallery/GalleryLog.h"
#include "host/ui/AppWindow.h"
#include "source/interfaces/ButtonWidgetInterface.h"

namespace zarvo::gallery {

// The gallery window's size: a desktop-sized window.
constexpr Float kGalleryWidth = 1280.0;
constexpr Float kGalleryHeight = 800.0;

class Gallery;

// One page: a name, how to build its content, and the script that shows it working.
struct GalleryPage {
  std::string name;
  std::string title;
  std::function<Result<WidgetRef>(Gallery&)> build;
  std::string script;
};

const std::vector<GalleryPage>& GetGalleryPages();

// Every widget family in one window, wired to a small presenter that logs what the widgets
// report.
class Gallery {
 public:
  // Opens the gallery window with its top-left corner at `screenPosition`.
  [[nodiscard]] Result<void> Init(Vector2d size = {kGalleryWidth, kGalleryHeight}, Vector2d screenPosition = {});
  [[nodiscard]] Result<void> ShowPage(const GalleryPage& page);
  // Plays a script on the current page; screenshots go to `outDir`.
  [[nodiscard]] Result<void> PlayScript(const std::vector<ScriptStep>& steps, const std::string& outDir,
                                        const std::string& prefix);
  [[nodiscard]] Result<void> Screenshot(const std::string& path);
  // Where a page's own screenshot `name` of another window goes while a script plays.
  std::string ShotPath(const std::string& name) const { return shotFolder_ + "/" + shotPrefix_ + name + ".png"; }

  AppWindow& GetWindow() { return *window_; }
  GalleryLog& GetLog() { return log_; }
  // Logs the button's three observables under `label`.
  void ObserveButton(const ButtonWidgetRef& button, const std::string& label);
  // A page's root: fills the window and runs the page's key handlers for keys nobody took.
  WidgetRef MakePageRoot();
  using KeyHandler = std::function<Result<void>()>;
  void SetKeyHandler(Int32 key, KeyHandler handler);
  [[nodiscard]] Result<bool> HandlePageKey(Int32 key);

 private:
  Ref<AppWindow> window_;
  WidgetRef page_;
  GalleryLog log_;
  std::vector<std::pair<Int32, KeyHandler>> keyHandlers_;
  std::string shotFolder_ = ".";
  std::string shotPrefix_;
};

}  // namespace zarvo::gallery
