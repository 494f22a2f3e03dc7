#include "apps/gallery/Gallery.h"

#include <algorithm>

#include "host/core/MainThreadQueue.h"
#include "host/ui/EventDriver.h"
#include "host/ui/EventKeys.h"
#include "host/ui/WidgetBase.h"

namespace zarvo::gallery {

Result<void> Gallery::Init(Vector2d size, Vector2d screenPosition) {
  ZV_TRY_ASSIGN(window_, AppWindow::Create(WindowClass::Window(),
                                           Rect::FromSize(screenPosition.x, screenPosition.y, size.x, size.y),
                                           "Widget gallery"));
  return window_->Open();
}

namespace {

// The root of a page: unconsumed keys bubble up to it.
class PageWidget final : public WidgetBase {
 public:
  explicit PageWidget(Gallery& gallery) : gallery_(gallery) {}
  Result<bool> HandleEvent(const DataDictionary* event) override {
    EventReader reader(event);
    Result<EVENT> type = reader.GetType();
    if (!type.IsOk() || *type != EVENT::KEYBOARD_KEY_DOWN) return false;
    ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
    return gallery_.HandlePageKey(key);
  }

 private:
  Gallery& gallery_;
};

}  // namespace

WidgetRef Gallery::MakePageRoot() {
  WidgetRef root = MakeRef<PageWidget>(*this);
  root->SetName("GalleryPage");
  root->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  root->SetInheritParentSize(true, WIDGET_DIRECTION::VERTICAL);
  return root;
}

void Gallery::SetKeyHandler(Int32 key, KeyHandler handler) { keyHandlers_.emplace_back(key, std::move(handler)); }

Result<bool> Gallery::HandlePageKey(Int32 key) {
  for (const auto& [handledKey, handler] : keyHandlers_) {
    if (handledKey != key) continue;
    ZV_TRY(handler());
    return true;
  }
  const std::vector<GalleryPage>& pages = GetGalleryPages();
  auto current = std::find_if(pages.begin(), pages.end(), [this](const GalleryPage& p) { return p.name == currentPage_; });
  if (current == pages.end()) return false;
  const size_t index = static_cast<size_t>(current - pages.begin());
  size_t target = index;
  if (key == KEY::PAGE_DOWN) target = (index + 1) % pages.size();
  else if (key == KEY::PAGE_UP) target = (index + pages.size() - 1) % pages.size();
  else if (key == KEY::HOME) target = 0;
  else return false;
  RequestPage(pages[target].name);
  return true;
}

void Gallery::RequestPage(const std::string& name) {
  log_.Add("page requested: " + name);
  if (pageRequestHandler_) pageRequestHandler_(name);
}

Result<void> Gallery::ShowPage(const GalleryPage& page) {
  if (page_) page_->Remove();
  keyHandlers_.clear();
  currentPage_ = page.name;
  ZV_TRY_ASSIGN(page_, page.build(*this));
  ZV_TRY(window_->GetAppWidget()->InsertChildLast(page_));
  // Keys reach the page when no widget of it has the focus.
  page_->SetAcceptFocus(true);
  ZV_TRY(window_->GetAppWidget()->SetFocusWidget(page_.Get()));
  return window_->Update();
}

Result<void> Gallery::Screenshot(const std::string& path) {
  ZV_TRY(window_->Update());
  return window_->GetHostCanvas()->SaveScreenshot(path);
}

Result<void> Gallery::PlayScript(const std::vector<ScriptStep>& steps, const std::string& outDir,
                                 const std::string& prefix) {
  shotFolder_ = outDir;
  shotPrefix_ = prefix;
  EventDriver driver(*window_);
  double now = 0.0;
  for (const ScriptStep& step : steps) {
    if (step.time > now) {
      GetMainThreadQueue().AdvanceTime(HostDurationFromSeconds(step.time - now));
      now = step.time;
    }
    GetMainThreadQueue().RunDueJobs();
    if (!step.shot.empty()) {
      ZV_TRY(Screenshot(outDir + "/" + prefix + step.shot + ".png"));
      continue;
    }
    ZV_TRY(driver.Send(step.event));
  }
  return window_->Update();
}

void Gallery::ObserveButton(const ButtonWidgetRef& button, const std::string& label) {
  const auto logAs = [this, label](const char* observable) {
    return [this, label, observable](const ButtonWidgetRef& sender) -> Result<void> {
      log_.Add(std::string(observable) + " " + sender->GetName() + " '" + label + "'");
      return Ok();
    };
  };
  button->ObservableButtonDown()->AddObserver(logAs("ObservableButtonDown"));
  button->ObservableButtonUp()->AddObserver(logAs("ObservableButtonUp"));
  button->ObservableEnterKeyDown()->AddObserver(logAs("ObservableEnterKeyDown"));
}

}  // namespace zarvo::gallery
