// The main job: plays the add-in's part with Ruvo_Server.dll. It writes a module per deck from
// the PNG slides in a folder, reads one back and extracts a slide, then creates the presenter,
// fills the selector, plays a speaker clicking and pressing keys, answers each command it reads
// the way the add-in would, and closes the presenter. One line per step; screenshots of what the
// speaker sees go to the screenshot folder.
// Usage: ruvo_demo SLIDE_FOLDER WORK_FOLDER SCREENSHOT_FOLDER
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "BrowserTools.h"
#include "DemoSteps.h"
#include "ModuleWriter.h"
#include "PresenterApi.h"
#include "ScreenTools.h"

namespace {

const char* CommandName(int32_t id) {
  static const std::map<int32_t, const char*> names = {
      {6, "launch slot"},         {12, "exit presenter"}, {13, "manage empty slot"},
      {14, "browse cancel"},      {15, "browse OK"},      {18, "manage filled slot"},
      {19, "previous slide key"}, {20, "next slide key"}, {25, "reduce empty slots"},
  };
  auto it = names.find(id);
  return it == names.end() ? "other" : it->second;
}

// The add-in's side of one running slide show: what PowerPoint shows (slide, build step, blank
// screen, video) and the answer to each command the screen posts, reported back through the
// presenter functions as the add-in would once PowerPoint has moved.
class TRunningShow {
 public:
  struct TSlide {
    int builds;  // build steps of the slide (1: none beyond the slide itself)
    bool video;
    const wchar_t* notes;
  };
  TRunningShow(TPresenterApi& api, std::string name, std::vector<TSlide> slides)
      : api_(api), name_(std::move(name)), slides_(std::move(slides)) {}

  // Reports the whole state, as the add-in does when the show starts and after every move.
  void Report() {
    const char* n = name_.c_str();
    int count = int(slides_.size());
    api_.UpdateSlideImagesIndex(n, slide_, slide_ > 1 ? slide_ - 1 : 0, slide_ < count ? slide_ + 1 : 0);
    const TSlide& s = slides_[size_t(slide_ - 1)];
    api_.UpdateNotesText(n, s.notes);
    api_.UpdateCurrentAnimationsCount(n, build_, s.builds);
    api_.ShowMediaControls(n, s.video ? 1 : 0);
  }

  // Carries out a command of the screen; returns what it did, or null when it was not for it.
  const char* Answer(int32_t id, int32_t param1 = 0) {
    const char* n = name_.c_str();
    switch (id) {
      case 1:  // next build
        if (build_ < Builds()) ++build_;
        Report();
        return "UpdateCurrentAnimationsCount: the next build step";
      case 2:  // previous build
        if (build_ > 1) --build_;
        Report();
        return "UpdateCurrentAnimationsCount: the previous build step";
      case 3:  // previous slide
        Go(slide_ - 1);
        return "UpdateSlideImagesIndex, notes, builds, video: the previous slide";
      case 4:  // next slide
        Go(slide_ + 1);
        return "UpdateSlideImagesIndex, notes, builds, video: the next slide";
      case 9:  // go to the slide clicked on an all-slides page
        Go(param1);
        return "UpdateSlideImagesIndex, notes, builds, video: the slide asked for; the highlight moves to it";
      case 20:  // the next key steps through the builds first, as PowerPoint's Next does
        if (build_ < Builds()) return Answer(1);
        return Answer(4);
      case 19:
        if (build_ > 1) return Answer(2);
        return Answer(3);
      case 7:
        api_.ShowShowButton(n);
        return "ShowShowButton: the audience screen is black, the button offers Show";
      case 8:
        api_.ShowBlankButton(n);
        return "ShowBlankButton: the audience sees the slide again";
      case 10:
        api_.ShowNotes(n);
        return "ShowNotes: the notes panel is back";
      case 11:
        api_.HideNotes(n);
        return "HideNotes: the notes give way to the show-notes bar";
      case 21:
        api_.SetMediaState(n, 1);
        return "SetMediaState 1: the video plays, the button offers Pause";
      case 23:
        api_.SetMediaState(n, 0);
        return "SetMediaState 0: the video is paused";
      default:
        return nullptr;
    }
  }

 private:
  int Builds() const { return slides_[size_t(slide_ - 1)].builds; }
  void Go(int slide) {
    if (slide < 1 || slide > int(slides_.size())) return;
    slide_ = slide;
    build_ = 1;
    Report();
  }

  TPresenterApi& api_;
  std::string name_;
  std::vector<TSlide> slides_;
  int slide_ = 1, build_ = 1;
};

// The commands a slide-show screen posts.
const char* ShowCommandName(int32_t id) {
  static const std::map<int32_t, const char*> names = {
      {1, "next build"},  {2, "previous build"},      {3, "previous slide"},
      {4, "next slide"},  {5, "exit slide show"},     {7, "blank"},
      {8, "unblank"},     {9, "go to slide"},         {10, "show notes"},
      {11, "hide notes"}, {19, "previous slide key"}, {20, "next slide key"},
      {21, "play video"}, {23, "pause video"},
  };
  auto it = names.find(id);
  return it == names.end() ? "other" : it->second;
}

// Where the speaker clicks on the slide-show screen, on the screen.
TSlideShowPoints ScreenPoints() {
  TSlideShowPoints p = SlideShowPoints(TestScreen().WorkHeight);
  for (POINT* at : {&p.NextSlide, &p.PrevSlide, &p.NextBuild, &p.Video, &p.NotesHeader, &p.NotesBar, &p.BlankShow,
                    &p.AllSlides, &p.Exit})
    *at = TestScreen().At(at->x, at->y);
  return p;
}

class TDemo {
 public:
  TDemo(const std::string& slides, const std::string& work, const std::string& shots)
      : slides_(slides), work_(work), shots_(shots) {}

  int Run();

 private:
  // Named by the size of the monitor they show.
  void Shot(const char* name) {
    Settle();
    std::string file = TestScreen().ShotName(name);
    SaveScreenshot(shots_ + "\\" + file, TestScreen().Monitor());
    Say("screenshot %s", file.c_str());
  }
  // Reads the pending command like the add-in's poll and says what it was.
  TCommandRead Poll() {
    TCommandRead c = ReadCommand(*api_);
    if (c.Id)
      Say("the add-in reads command %d (%s): name \"%s\", param1 %d, param2 \"%s\"", c.Id, CommandName(c.Id),
          c.Name.c_str(), c.Param1, c.Param2.c_str());
    else
      Say("the add-in reads no command");
    return c;
  }
  // The middle of slot n's thumbnail on the screen.
  static POINT Slot(int n) {
    RECT r = SelectorTiles(FindWindowA("TRuvoWinControl", "Ruvo Presenter")).at(size_t(n - 1)).second;
    return POINT{(r.left + r.right) / 2, r.top + 16 + 120};
  }
  int32_t LoadSlot(int32_t slot, const std::string& deck) { return LoadSlotFrom(slot, modules_.at(deck), deck); }
  int32_t LoadSlotFrom(int32_t slot, const std::string& path, const std::string& deck) {
    auto open = std::make_unique<TOpenModule>(*moduleApi_, path);
    api_->LoadSelectorThumbnail(slot, open->Module, open->File, 1, path.c_str());
    Say("LoadSelectorThumbnail: slot %d shows the first slide of %s", slot, deck.c_str());
    return slot;
  }
  void BrowseForSlot(int32_t slot, const std::string& deck);

  std::string slides_, work_, shots_;
  std::unique_ptr<TAddIn> addIn_;
  std::unique_ptr<TModuleApi> moduleApi_;
  std::unique_ptr<TPresenterApi> api_;
  std::map<std::string, std::string> modules_;
};

// The add-in's answer to a manage click on an empty slot: the file browser, where the speaker
// picks a module from the desktop, and the module loaded into the slot on OK.
void TDemo::BrowseForSlot(int32_t slot, const std::string& deck) {
  char desktop[MAX_PATH] = "";
  SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
  for (const auto& module : modules_)
    CopyFileA(module.second.c_str(), (std::string(desktop) + "\\" + module.first + ".ruvo").c_str(), FALSE);
  Say("the speaker's modules lie on the desktop, %s", desktop);
  api_->ShowFileBrowserFrame();
  Say("ShowFileBrowserFrame: the file browser opens on the desktop");
  Shot("demo-01a-file-browser");
  HWND main = FindWindowA("TRuvoWinControl", "Ruvo Presenter");
  TBrowserWindows browser = FindBrowser(main);
  if (!ClickListItem(browser.FileList, deck + ".ruvo")) {
    Say("the browser does not show %s.ruvo", deck.c_str());
    return;
  }
  Say("the speaker clicks %s.ruvo; OK is %s", deck.c_str(), IsWindowEnabled(browser.OK) ? "enabled" : "DISABLED");
  Shot("demo-01b-module-chosen");
  ClickWindow(browser.OK);
  Say("the speaker clicks OK");
  TCommandRead chosen = Poll();
  if (chosen.Id != 15) return;
  LoadSlotFrom(slot, chosen.Param2, deck);
  api_->ShowPresentationSelectorFrame();
  Say("ShowPresentationSelectorFrame: back to the selector");
}

int TDemo::Run() {
  addIn_ = std::make_unique<TAddIn>();
  moduleApi_ = std::make_unique<TModuleApi>(*addIn_);
  api_ = std::make_unique<TPresenterApi>(*addIn_);
  TModuleApi& api = *moduleApi_;
  TTempDir temp;

  // Modules, as the export writes them.
  for (const char* deck : {"Quarterly", "Launch", "Offsite"}) {
    std::vector<std::string> pngs = FindSlides(slides_, deck);
    if (pngs.empty()) {
      std::printf("no slides %s-*.png in %s\n", deck, slides_.c_str());
      return 1;
    }
    std::string path = WriteTestModule(api, temp, deck, int(pngs.size()), 0, 0, pngs);
    std::string kept = work_ + "\\" + deck + ".ruvo";
    CopyFileA(path.c_str(), kept.c_str(), FALSE);
    modules_[deck] = kept;
    Say("wrote %s with %d slides", kept.c_str(), int(pngs.size()));
  }

  // One module read back, its last slide extracted.
  {
    TOpenModule deck(api, modules_["Quarterly"]);
    char name[1024];
    int32_t len = 0, count = 0, shows = 0;
    api.GetParams(deck.Module, 7, name, &len, &count, &shows);
    int32_t idx = 0, off = 0, size = 0, comp = 0;
    api.GetSlide(deck.Module, count, &idx, &off, &size, &comp);
    std::string out = work_ + "\\Quarterly.slide" + std::to_string(count) + ".png";
    api.Extract(deck.File, out.c_str(), off, size);
    bool same = ReadFileBytes(out) == ReadFileBytes(FindSlides(slides_, "Quarterly").back());
    Say("read back \"%s\" (%d slides) and extracted slide %d: %s the original", name, count, idx,
        same ? "byte for byte" : "DIFFERENT FROM");
    if (!same) return 1;
  }

  // The presenter.
  TPresenterApi& p = *api_;
  p.CreatePresenter();
  p.ShowPresenter();
  Say("CreatePresenter and ShowPresenter: the selector covers the first monitor, level %d of %d",
      p.GetCurrentSelectorLevel(), p.GetMaxSelectorLevel());
  Shot("demo-01-selector-empty");

  POINT s4 = Slot(4);
  ClickAt(s4.x, s4.y);
  Say("the speaker clicks the empty slot 4 (manage mode)");
  if (Poll().Id == 13) BrowseForSlot(4, "Offsite");
  LoadSlot(1, "Quarterly");
  LoadSlot(2, "Launch");
  Shot("demo-02-selector-filled");

  POINT s2 = Slot(2);
  ClickAt(s2.x, s2.y);
  Say("the speaker clicks slot 2 (launch mode)");
  TCommandRead launch = Poll();
  std::unique_ptr<TOpenModule> running;
  if (launch.Id == 6) {
    running = std::make_unique<TOpenModule>(api, launch.Name);
    p.CreateSSWForm("Launch", running->Module, running->File);
    p.ShowPresenterFrame("Launch");
    Say("CreateSSWForm and ShowPresenterFrame: the slide-show screen of \"Launch\" is on view");
  }
  HWND main = FindWindowA("TRuvoWinControl", "Ruvo Presenter");
  // The show as PowerPoint runs it: slide 2 has three build steps, slide 3 a video.
  TRunningShow show(p, "Launch",
                    {{1, false, L"Welcome everyone \x2014 thank the organisers & the sponsors."},
                     {3, false, L"Three things are new: the presenter view, all slides, the selector."},
                     {1, true, L"Play the two-minute demo video, then take the room\x2019s questions."},
                     {1, false, L""}});
  show.Report();
  Say("UpdateSlideImagesIndex 1, notes, builds and video: the first slide");
  Shot("demo-show-1-first-slide");
  // What the speaker does, and what the add-in answers to each command the screen posts.
  auto read = [&] {
    TCommandRead c = ReadCommand(p);
    if (c.Id == 9)
      Say("the add-in reads command 9 (go to slide): name \"%s\", slide %d", c.Name.c_str(), c.Param1);
    else if (c.Id)
      Say("the add-in reads command %d (%s): name \"%s\"", c.Id, ShowCommandName(c.Id), c.Name.c_str());
    else
      Say("the add-in reads no command");
    return c;
  };
  auto act = [&](const char* what, auto action) {
    action();
    Say("the speaker %s", what);
    TCommandRead c = read();
    if (const char* answer = c.Id ? show.Answer(c.Id, c.Param1) : nullptr) Say("%s", answer);
  };
  auto click = [](POINT at) { return [at] { ClickAt(at.x, at.y); }; };
  const TSlideShowPoints at = ScreenPoints();
  auto key = [main](int vk) { return [main, vk] { TypeKey(main, vk); }; };
  act("clicks the next slide", click(at.NextSlide));
  Shot("demo-show-2-builds");
  act("clicks the right arrow of the build indicator", click(at.NextBuild));
  act("presses the right arrow key", key(VK_RIGHT));
  Shot("demo-show-3-last-build");
  act("presses Space", key(VK_SPACE));
  act("clicks play video", click(at.Video));
  Shot("demo-show-4-video-playing");
  act("clicks pause video", click(at.Video));
  act("clicks \"hide my notes\"", click(at.NotesHeader));
  Shot("demo-show-5-notes-hidden");
  act("clicks \"show my notes\"", click(at.NotesBar));
  act("clicks Blank screen", click(at.BlankShow));
  Shot("demo-show-6-blanked");
  act("clicks Show screen", click(at.BlankShow));
  act("presses Page Down", key(VK_NEXT));
  Shot("demo-show-7-last-slide");
  act("presses the left arrow key", key(VK_LEFT));
  act("clicks the previous slide", click(at.PrevSlide));
  act("clicks the right-hand build arrow", click(at.NextBuild));
  Shot("demo-show-8-back-to-builds");
  ClickAt(at.AllSlides.x, at.AllSlides.y);
  Say("the speaker clicks All slides: page 1 of the thumbnails takes the presenter view's place");
  if (read().Id != 0) return 1;
  // The thumbnails fill one per timer tick from the screen's creation, while messages flow.
  Settle(40);
  Say("the four thumbnails have filled in, one per timer tick; the current slide 2 is highlighted");
  Shot("demo-show-9-all-slides");
  act("clicks the thumbnail of slide 4", click(AllSlidesCell(4)));
  Shot("demo-show-10-all-slides-slide-4");
  ClickAt(at.AllSlides.x, at.AllSlides.y);
  Say("the speaker clicks Presenter view: the presenter view is back, on slide 4");
  if (read().Id != 0) return 1;
  Shot("demo-show-11-presenter-view-slide-4");
  ClickAt(at.Exit.x, at.Exit.y);
  Say("the speaker clicks Exit on the slide-show screen");
  if (read().Id == 5) {
    p.DestroySSWForm("Launch");
    running.reset();
    p.ShowPresentationSelectorFrame();
    Say("DestroySSWForm and ShowPresentationSelectorFrame: the show has ended, back to the selector");
  }
  TypeKey(main, VK_RIGHT);
  Say("the speaker presses the right arrow: no slide show is current");
  if (read().Id != 0) return 1;

  p.ShowPresentationManageSelectorFrame();
  Say("ShowPresentationManageSelectorFrame: manage mode");
  ClickAt(s2.x, s2.y);
  Say("the speaker clicks slot 2 (manage mode)");
  Poll();
  p.SwapSelectorThumbnail(2, 3);
  Say("SwapSelectorThumbnail 2 and 3");
  p.SetSelectorLevel(2);
  int32_t columns = 0, rows = 0;
  p.GetSelectorDimensions(2, &columns, &rows);
  Say("SetSelectorLevel 2: %d columns, %d rows of small tiles", columns, rows);
  Shot("demo-03-selector-level2");
  p.SetSelectorLevel(1);
  p.ShowPresentationSelectionSelectorFrame();
  Say("SetSelectorLevel 1 and launch mode again");
  Shot("demo-04-selector-level1");

  {
    TMessageBoxWatcher yes(IDYES);
    POINT exit = Centre(SelectorExitRect());
    ClickAt(exit.x, exit.y);
    Settle();
    for (const std::string& text : yes.Texts())
      Say("the speaker clicks Exit, is asked \"%s\" and answers Yes", text.c_str());
  }
  if (Poll().Id == 12) {
    HANDLE exitEvent = OpenEventA(SYNCHRONIZE, FALSE, "RuvoPresenterExit");
    p.DestroySSWForm("Launch");
    running.reset();
    p.ClosePresenter();
    bool set = exitEvent && WaitForSingleObject(exitEvent, 0) == WAIT_OBJECT_0;
    if (exitEvent) CloseHandle(exitEvent);
    Say("DestroySSWForm and ClosePresenter: the window is gone, \"RuvoPresenterExit\" is %s", set ? "set" : "NOT SET");
    if (!set) return 1;
  }
  return FindWindowA("TRuvoWinControl", "Ruvo Presenter") ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::printf("usage: ruvo_demo SLIDE_FOLDER WORK_FOLDER SCREENSHOT_FOLDER\n");
    return 2;
  }
  try {
    return TDemo(argv[1], argv[2], argv[3]).Run();
  } catch (const std::exception& e) {
    std::printf("demo failed: %s\n", e.what());
    return 1;
  }
}
