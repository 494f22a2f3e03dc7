// The widget gallery: every widget family in one window, with an index page first. With a
// display it opens a real window and runs the event loop: the index page's buttons open their
// page, PageDown and PageUp step to the next and previous page, Home returns to the index and
// keys 1..9 pick a page by number. Without one, with --headless, or when asked for files (--out,
// --script, --docs) it renders each page to PNG and plays each page's script. Either way it
// prints what the widgets report. --docs DIR also writes DIR/GALLERY.md with one section and a
// half-size screenshot per page.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "apps/gallery/Gallery.h"
#include "apps/gallery/GalleryDocs.h"
#include "generated/Catalogue.h"
#include "host/core/ClassRegistry.h"
#include "host/core/ConfigVariable.h"
#include "host/core/HostClock.h"
#include "host/core/HostRegistrations.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/Application.h"
#include "host/ui/EventKeys.h"
#include "source/ModuleUnits.h"

namespace {

using namespace zarvo;

struct Options {
  std::string outDir = "out/gallery";
  std::string page;
  std::string script;
  // Where GALLERY.md and its images go; empty for none.
  std::string docsDir;
  bool list = false;
  bool listPages = false;
  bool headless = false;
  // --out or --script: the files are what is wanted, so the run is headless.
  bool filesRequested = false;
};

// Keys '1'..'9' pick the page of that number.
constexpr Int32 kFirstPageKey = '1';
constexpr size_t kMaxPageKeys = 9;
// The index is the first page: Home goes back to it.
constexpr size_t kIndexPage = 0;

void PrintUsage() {
  std::cout << "usage: gallery [--headless] [--out DIR] [--page NAME] [--script FILE] [--docs DIR] [--pages]\n"
               "               [--list]\n"
               "  with a display: opens the gallery in a window (starting at --page, else the index);\n"
               "  the index page's buttons open their page, PageDown / PageUp go to the next / previous\n"
               "  page, Home to the index, keys 1..9 pick a page, and what the widgets report is printed.\n"
               "  Without one, or with --headless, --out, --script or --docs: renders every page (or\n"
               "  one) to DIR/page_<name>.png, plays its script and writes DIR/page_<name>.log.\n"
               "  --docs DIR also writes DIR/GALLERY.md and DIR/images/gallery_<name>.png (half size).\n"
               "  --pages prints each page's name and title; --list prints the class catalogue.\n";
}

Result<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> Result<std::string> {
      if (i + 1 >= argc) return IllegalArgumentError(arg + " needs a value");
      return std::string(argv[++i]);
    };
    if (arg == "--out") {
      ZV_TRY_ASSIGN(options.outDir, value());
      options.filesRequested = true;
    } else if (arg == "--page") {
      ZV_TRY_ASSIGN(options.page, value());
    } else if (arg == "--script") {
      ZV_TRY_ASSIGN(options.script, value());
      options.filesRequested = true;
    } else if (arg == "--docs") {
      ZV_TRY_ASSIGN(options.docsDir, value());
      options.filesRequested = true;
    } else if (arg == "--pages") {
      options.listPages = true;
    } else if (arg == "--headless") {
      options.headless = true;
    } else if (arg == "--list") {
      options.list = true;
    } else if (arg == "--help" || arg == "-h") {
      PrintUsage();
      std::exit(0);
    } else {
      return IllegalArgumentError("unknown argument '" + arg + "'");
    }
  }
  return options;
}

void ListCatalogue() {
  size_t registered = 0;
  for (const CatalogueClass& entry : GetClassCatalogue()) {
    const bool has = ClassRegistry::Get().HasClass(Id(entry.classId));
    registered += has ? 1 : 0;
    std::cout << (has ? "  [x] " : "  [ ] ") << entry.classId << "\n";
  }
  std::cout << registered << " of " << GetClassCatalogue().size() << " classes registered\n";
}

Result<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) return NotFoundError("Cannot read '" + path + "'");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string PageTitle(size_t index) {
  const std::vector<gallery::GalleryPage>& pages = gallery::GetGalleryPages();
  return "Widget gallery: " + pages[index].title + " (page " + std::to_string(index + 1) + " of " +
         std::to_string(pages.size()) + "; PageDown / PageUp: next / previous, Home: index, keys 1-" +
         std::to_string(std::min(pages.size(), kMaxPageKeys)) + ": page by number)";
}

std::optional<size_t> PageIndex(const std::string& name) {
  const std::vector<gallery::GalleryPage>& pages = gallery::GetGalleryPages();
  auto it = std::find_if(pages.begin(), pages.end(), [&](const gallery::GalleryPage& p) { return p.name == name; });
  if (it == pages.end()) return std::nullopt;
  return static_cast<size_t>(it - pages.begin());
}

// The page a number key asks for, if any. PageDown, PageUp and Home reach the page's root only
// when no widget took them (a text field keeps its Home), so the gallery handles those.
std::optional<size_t> PageForKey(const DataDictionary& event) {
  EventReader reader(&event);
  if (reader.GetType().ValueOr(EVENT::MOUSE_MOVE) != EVENT::KEYBOARD_KEY_DOWN) return std::nullopt;
  if (reader.GetModifierState().ValueOr(MODIFIER::NONE) != MODIFIER::NONE) return std::nullopt;
  const Int32 key = reader.GetKey().ValueOr(0);
  const size_t count = std::min(gallery::GetGalleryPages().size(), kMaxPageKeys);
  if (key < kFirstPageKey || key >= kFirstPageKey + static_cast<Int32>(count)) return std::nullopt;
  return static_cast<size_t>(key - kFirstPageKey);
}

// The gallery in a real window, on the real clock, until the window is closed.
Result<void> RunInWindow(const Options& options) {
  const std::vector<gallery::GalleryPage>& pages = gallery::GetGalleryPages();
  size_t first = kIndexPage;
  if (!options.page.empty()) {
    std::optional<size_t> named = PageIndex(options.page);
    if (!named) return NotFoundError("No page named '" + options.page + "'");
    first = *named;
  }
  // Centred on the main monitor's work area; the window system shrinks it to fit if needed.
  ZV_TRY_ASSIGN(Monitor monitor, WindowSystem::Get().GetMonitorFor(Rect{0, 0, 1, 1}));
  const Rect work = monitor.GetWorkRect();
  const Vector2d size{std::min(gallery::kGalleryWidth, work.Width()), std::min(gallery::kGalleryHeight, work.Height())};
  const Vector2d position{work.left + (work.Width() - size.x) * 0.5, work.top + (work.Height() - size.y) * 0.5};
  {
    gallery::Gallery gallery;
    ZV_TRY(gallery.Init(size, position));
    auto show = [&gallery, &pages](size_t index) -> Result<void> {
      ZV_TRY(gallery.ShowPage(pages[index]));
      return gallery.GetWindow().GetCanvas()->SetWindowTitle(PageTitle(index));
    };
    ZV_TRY(show(first));
    // Switching pages replaces the widgets that may be handling this very event: after it.
    auto showLater = [show](size_t index) {
      GetMainThreadQueue().Enqueue([show, index] {
        if (Result<void> shown = show(index); !shown.IsOk()) {
          std::cerr << "gallery: " << shown.GetError().ToString() << "\n";
        }
      });
    };
    gallery.SetPageRequestHandler([showLater](const std::string& name) {
      if (std::optional<size_t> index = PageIndex(name)) showLater(*index);
    });
    gallery.GetWindow().GetCanvas()->ObservableEvent()->AddObserver(
        [showLater](CanvasInterface*, const DataDictionary& event) -> Result<void> {
          if (std::optional<size_t> page = PageForKey(event)) showLater(*page);
          return Ok();
        });
    std::cout << "gallery: " << pages.size() << " page(s) in a window; the index's buttons open a page, "
              << "PageDown / PageUp step through them, Home returns to the index, keys 1-"
              << std::min(pages.size(), kMaxPageKeys) << " pick one; close the window to quit\n"
              << std::flush;
    ZV_TRY(Application::Run());
    GetMainThreadQueue().Clear();
  }
  return UnloadWidgetsModule();
}

Result<void> Run(const Options& options) {
  RecordHostRegistrations();
  ZV_TRY(LoadWidgetsModule());
  if (options.list) {
    ListCatalogue();
    return Ok();
  }
  if (options.listPages) {
    for (const gallery::GalleryPage& page : gallery::GetGalleryPages()) std::cout << page.name << "\t" << page.title << "\n";
    return Ok();
  }
  if (Application::InstallWindowSystem(options.headless || options.filesRequested)) return RunInWindow(options);
  // Scripts run on the host's virtual clock, so that timed behaviour plays the same every time.
  ScopedVirtualHostClock clock;
  std::error_code error;
  std::filesystem::create_directories(options.outDir, error);
  if (error) return IllegalStateError("Cannot create '" + options.outDir + "': " + error.message());
  const std::filesystem::path docsImages = std::filesystem::path(options.docsDir) / "images";
  if (!options.docsDir.empty()) {
    std::filesystem::create_directories(docsImages, error);
    if (error) return IllegalStateError("Cannot create '" + docsImages.string() + "': " + error.message());
  }
  std::vector<gallery::PageDoc> docs;
  gallery::Gallery gallery;
  ZV_TRY(gallery.Init());
  bool found = false;
  for (const gallery::GalleryPage& page : gallery::GetGalleryPages()) {
    if (!options.page.empty() && page.name != options.page) continue;
    found = true;
    // What a page reports while it is built belongs to its log too.
    const size_t logStart = gallery.GetLog().GetLines().size();
    ZV_TRY(gallery.ShowPage(page));
    const std::string prefix = "page_" + page.name;
    ZV_TRY(gallery.Screenshot(options.outDir + "/" + prefix + ".png"));
    if (!options.docsDir.empty()) {
      docs.push_back({page.name, page.title, gallery::CollectWidgetClassIds(*gallery.GetPage())});
      ZV_TRY(gallery::SaveHalfSizePng(options.outDir + "/" + prefix + ".png",
                                      (docsImages / ("gallery_" + page.name + ".png")).string()));
    }
    std::string script = page.script;
    if (!options.script.empty()) {
      ZV_TRY_ASSIGN(script, ReadFile(options.script));
    }
    ZV_TRY_ASSIGN(std::vector<gallery::ScriptStep> steps, gallery::ParseEventScript(script));
    ZV_TRY(gallery.PlayScript(steps, options.outDir, prefix + "_"));
    gallery::GalleryLog pageLog;
    pageLog.SetEcho(false);
    for (size_t i = logStart; i < gallery.GetLog().GetLines().size(); ++i) pageLog.Add(gallery.GetLog().GetLines()[i]);
    pageLog.WriteTo(options.outDir + "/" + prefix + ".log");
    std::cout << "page '" << page.name << "': wrote " << options.outDir << "/" << prefix << ".png and " << prefix
              << ".log\n";
  }
  if (!found) return NotFoundError("No page named '" + options.page + "'");
  if (!options.docsDir.empty()) {
    const std::string markdown = (std::filesystem::path(options.docsDir) / "GALLERY.md").string();
    std::ofstream out(markdown);
    out << gallery::FormatGalleryMarkdown(docs);
    if (!out) return IllegalStateError("Cannot write '" + markdown + "'");
    std::cout << "wrote " << markdown << " with " << docs.size() << " page(s)\n";
  }
  return UnloadWidgetsModule();
}

}  // namespace

int main(int argc, char** argv) {
  Result<void> configured = zarvo::ConfigDatabase::Get().ParseCommandLine(argc, argv);
  if (!configured.IsOk()) {
    std::cerr << "gallery: " << configured.GetError().GetMessage() << "\n";
    return 2;
  }
  Result<Options> options = ParseOptions(argc, argv);
  if (!options.IsOk()) {
    std::cerr << "gallery: " << options.GetError().GetMessage() << "\n";
    PrintUsage();
    return 2;
  }
  Result<void> ran = Run(*options);
  // Windows are gone by now; the window system goes before the program's statics.
  zarvo::WindowSystem::Install(nullptr);
  if (!ran.IsOk()) {
    std::cerr << "gallery: " << ran.GetError().ToString() << "\n";
    return 1;
  }
  return 0;
}
