// The widget gallery: every widget family in one window. Without a display it renders each
// page to PNG and plays each page's script, logging what the widgets report.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "apps/gallery/Gallery.h"
#include "generated/Catalogue.h"
#include "host/core/ClassRegistry.h"
#include "host/core/ConfigVariable.h"
#include "host/core/HostClock.h"
#include "host/core/HostRegistrations.h"
#include "source/ModuleUnits.h"

namespace {

using namespace zarvo;

struct Options {
  std::string outDir = "out/gallery";
  std::string page;
  std::string script;
  bool list = false;
};

void PrintUsage() {
  std::cout << "usage: gallery [--out DIR] [--page NAME] [--script FILE] [--list]\n"
               "  renders every page (or one) to DIR/page_<name>.png, plays its script and writes\n"
               "  DIR/page_<name>.log; --list prints the class catalogue and what is registered.\n";
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
    } else if (arg == "--page") {
      ZV_TRY_ASSIGN(options.page, value());
    } else if (arg == "--script") {
      ZV_TRY_ASSIGN(options.script, value());
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

Result<void> Run(const Options& options) {
  RecordHostRegistrations();
  ZV_TRY(LoadWidgetsModule());
  if (options.list) {
    ListCatalogue();
    return Ok();
  }
  // Scripts run on the host's virtual clock, so that timed behaviour plays the same every time.
  ScopedVirtualHostClock clock;
  std::error_code error;
  std::filesystem::create_directories(options.outDir, error);
  if (error) return IllegalStateError("Cannot create '" + options.outDir + "': " + error.message());
  gallery::Gallery gallery;
  ZV_TRY(gallery.Init());
  bool found = false;
  for (const gallery::GalleryPage& page : gallery::GetGalleryPages()) {
    if (!options.page.empty() && page.name != options.page) continue;
    found = true;
    ZV_TRY(gallery.ShowPage(page));
    const std::string prefix = "page_" + page.name;
    ZV_TRY(gallery.Screenshot(options.outDir + "/" + prefix + ".png"));
    std::string script = page.script;
    if (!options.script.empty()) {
      ZV_TRY_ASSIGN(script, ReadFile(options.script));
    }
    ZV_TRY_ASSIGN(std::vector<gallery::ScriptStep> steps, gallery::ParseEventScript(script));
    const size_t logStart = gallery.GetLog().GetLines().size();
    ZV_TRY(gallery.PlayScript(steps, options.outDir, prefix + "_"));
    gallery::GalleryLog pageLog;
    pageLog.SetEcho(false);
    for (size_t i = logStart; i < gallery.GetLog().GetLines().size(); ++i) pageLog.Add(gallery.GetLog().GetLines()[i]);
    pageLog.WriteTo(options.outDir + "/" + prefix + ".log");
    std::cout << "page '" << page.name << "': wrote " << options.outDir << "/" << prefix << ".png and " << prefix
              << ".log\n";
  }
  if (!found) return NotFoundError("No page named '" + options.page + "'");
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
  if (!ran.IsOk()) {
    std::cerr << "gallery: " << ran.GetError().ToString() << "\n";
    return 1;
  }
  return 0;
}
