#include "apps/gallery/Gallery.h"

#include "host/core/MainThreadQueue.h"
#include "host/ui/EventDriver.h"

namespace zarvo::gallery {

Result<void> Gallery::Init(Vector2d size, Vector2d screenPosition) {
  ZV_TRY_ASSIGN(window_, AppWindow::Create(WindowClass::Window(),
                                           Rect::FromSize(screenPosition.x, screenPosition.y, size.x, size.y),
                                           "Widget gallery"));
  return window_->Open();
}

Result<void> Gallery::ShowPage(const GalleryPage& page) {
  if (page_) page_->Remove();
  ZV_TRY_ASSIGN(page_, page.build(*this));
  ZV_TRY(window_->GetAppWidget()->InsertChildLast(page_));
  return window_->Update();
}

Result<void> Gallery::Screenshot(const std::string& path) {
  ZV_TRY(window_->Update());
  return window_->GetHostCanvas()->SaveScreenshot(path);
}

Result<void> Gallery::PlayScript(const std::vector<ScriptStep>& steps, const std::string& outDir,
                                 const std::string& prefix) {
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
