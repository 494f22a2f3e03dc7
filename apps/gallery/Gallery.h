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
  // The root of the page shown, null before the first.
  const WidgetRef& GetPage() const { return page_; }
  GalleryLog& GetLog() { return log_; }
  // Logs the button's three observables under `label`.
  void ObserveButton(const ButtonWidgetRef& button, const std::string& label);
  // A page's root: fills the window and runs the page's key handlers for keys nobody took.
  WidgetRef MakePageRoot();
  using KeyHandler = std::function<Result<void>()>;
  void SetKeyHandler(Int32 key, KeyHandler handler);
  // The page's own handlers first; then PageDown, PageUp and Home ask for the next, the previous
  // and the first page.
  [[nodiscard]] Result<bool> HandlePageKey(Int32 key);
  // Asks for the page `name` to be shown. The request is logged; in a real window the handler
  // the program set switches pages, headless nothing else happens.
  using PageRequestHandler = std::function<void(const std::string& name)>;
  void SetPageRequestHandler(PageRequestHandler handler) { pageRequestHandler_ = std::move(handler); }
  void RequestPage(const std::string& name);

 private:
  Ref<AppWindow> window_;
  WidgetRef page_;
  GalleryLog log_;
  std::vector<std::pair<Int32, KeyHandler>> keyHandlers_;
  PageRequestHandler pageRequestHandler_;
  std::string currentPage_;
  std::string shotFolder_ = ".";
  std::string shotPrefix_;
};

}  // namespace zarvo::gallery
