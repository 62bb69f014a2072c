// The PowerPoint add-in's part inside the PowerPoint double: what the add-in's macros and its
// slide-show handling do with Ruvo_Server.dll, loaded into the double's process as the add-in
// loads it into PowerPoint's.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ModuleWriter.h"
#include "PresenterApi.h"

class TAddInStandIn {
 public:
  // Each step said, one line each.
  using TSay = std::function<void(const std::string&)>;

  TAddInStandIn(const std::string& dll, TSay say);
  ~TAddInStandIn();

  // The launch macro's work: the presenter window created and shown.
  void StartPresenter();
  // The presenter window freed, which sets "RuvoPresenterExit".
  void ClosePresenter();
  bool PresenterOpen() const { return presenter_; }

  // A show of the presentation's module (the one the export wrote next to it) on the slide-show
  // screen: opened, stepped through slide by slide and build by build, the all-slides pages
  // toggled, ended; a screenshot of each screen into the folder, numbered "launch-02-..." on.
  // What PowerPoint knows of each slide, "BUILDS NOTES" (ASCII), is reported with it.
  void PlayShow(const std::string& presentation, const std::string& shots, const std::vector<std::string>& slideInfo);

 private:
  void Shot(const std::string& shots, const std::string& what);

  TAddIn addIn_;
  TModuleApi modules_;
  TPresenterApi api_;
  TSay say_;
  bool presenter_ = false;
  int shot_ = 1;
};
