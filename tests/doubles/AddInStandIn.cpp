#include "AddInStandIn.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ScreenTools.h"

namespace {
using TTextFn = int32_t(__stdcall*)(const char*, char*);
using TPathFn = void(__stdcall*)(const char*);

// The presentation's name as the add-in addresses its screens: the file name without extension.
std::string ShowName(const std::string& presentation) {
  std::string name = presentation.substr(presentation.find_last_of("\\/:") + 1);
  return name.substr(0, name.rfind('.'));
}
}  // namespace

TAddInStandIn::TAddInStandIn(const std::string& dll, TSay say)
    : addIn_(dll.c_str()), modules_(addIn_), api_(addIn_), say_(std::move(say)) {}

TAddInStandIn::~TAddInStandIn() { ClosePresenter(); }

void TAddInStandIn::StartPresenter() {
  if (presenter_) return;
  api_.CreatePresenter();
  api_.ShowPresenter();
  presenter_ = true;
  say_("the add-in loads Ruvo_Server.dll into PowerPoint and opens the presenter: CreatePresenter, ShowPresenter");
}

void TAddInStandIn::ClosePresenter() {
  if (!presenter_) return;
  presenter_ = false;
  say_("the add-in closes the presenter (ClosePresenter), which sets \"RuvoPresenterExit\"");
  api_.ClosePresenter();
}

void TAddInStandIn::Shot(const std::string& shots, const std::string& what) {
  char name[64];
  std::snprintf(name, sizeof name, "launch-%02d-%s.png", ++shot_, what.c_str());
  Settle(30);
  SaveScreenshot(shots + "\\" + name, RECT{0, 0, 1280, 1024});
  say_(std::string("screenshot ") + name);
}

void TAddInStandIn::PlayShow(const std::string& presentation, const std::string& shots,
                             const std::vector<std::string>& slideInfo) {
  char module[1024] = "";
  addIn_.Fn<TTextFn>("ConvertPPTToDMFileName")(presentation.c_str(), module);
  std::string name = ShowName(presentation);
  TOpenModule open(modules_, module);
  char stored[1024] = "";
  int32_t length = 0, slides = 0, shows = 0;
  modules_.GetParams(open.Module, 7, stored, &length, &slides, &shows);
  say_("the add-in opens the module " + std::string(module) + ": " + std::to_string(slides) +
       " slides of presentation \"" + stored + "\"");

  api_.CreateSSWForm(name.c_str(), open.Module, open.File);
  api_.ShowPresenterFrame(name.c_str());
  addIn_.Fn<TPathFn>("RuvoSlideShowStarted")(presentation.c_str());
  say_("the show starts: CreateSSWForm \"" + name + "\", ShowPresenterFrame, RuvoSlideShowStarted");
  for (int32_t slide = 1; slide <= slides; ++slide) {
    int32_t previous = slide - 1, next = slide < slides ? slide + 1 : 0;
    std::string info = size_t(slide) <= slideInfo.size() ? slideInfo[size_t(slide - 1)] : "1";
    std::string notes = info.find(' ') == std::string::npos ? "" : info.substr(info.find(' ') + 1);
    int32_t builds = std::max(1, std::atoi(info.c_str()));
    api_.UpdateSlideImagesIndex(name.c_str(), slide, previous, next);
    api_.UpdateNotesText(name.c_str(), std::wstring(notes.begin(), notes.end()).c_str());
    api_.ShowMediaControls(name.c_str(), 0);
    say_("UpdateSlideImagesIndex, UpdateNotesText, ShowMediaControls 0: slide " + std::to_string(slide) + " of " +
         std::to_string(slides) + " (previous " + std::to_string(previous) + ", next " + std::to_string(next) +
         "), its notes, no video");
    for (int32_t build = 1; build <= builds; ++build) {
      api_.UpdateCurrentAnimationsCount(name.c_str(), build, builds);
      say_("UpdateCurrentAnimationsCount: build " + std::to_string(build) + " of " + std::to_string(builds));
      Shot(shots, "slide-" + std::to_string(slide) + (builds > 1 ? "-build-" + std::to_string(build) : ""));
    }
  }
  // The all-slides toggle in the slide-show screen's top bar: 222 x 54 at (24, 15) of the work
  // area, which on a 1280x1024 monitor is the whole window.
  ClickAt(24 + 111, 15 + 27);
  say_("the speaker clicks the all-slides toggle of the slide-show screen");
  Shot(shots, "all-slides");
  ClickAt(24 + 111, 15 + 27);
  say_("the speaker clicks the toggle again, back to the presenter view");

  addIn_.Fn<TPathFn>("RuvoSlideShowTerminated")(presentation.c_str());
  api_.DestroySSWForm(name.c_str());
  api_.ShowPresentationSelectorFrame();
  say_("the show ends: RuvoSlideShowTerminated, DestroySSWForm \"" + name +
       "\", ShowPresentationSelectorFrame back to the selector");
  Shot(shots, "show-ended");
}
