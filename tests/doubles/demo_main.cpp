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
#include "ModuleWriter.h"
#include "PresenterApi.h"
#include "ScreenTools.h"

namespace {

std::vector<std::string> FindSlides(const std::string& folder, const std::string& deck) {
  std::vector<std::string> slides;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\" + deck + "-*.png").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do slides.push_back(folder + "\\" + fd.cFileName);
    while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  std::sort(slides.begin(), slides.end());
  return slides;
}

const char* CommandName(int32_t id) {
  static const std::map<int32_t, const char*> names = {
      {6, "launch slot"},         {12, "exit presenter"}, {13, "manage empty slot"},
      {14, "browse cancel"},      {15, "browse OK"},      {18, "manage filled slot"},
      {19, "previous slide key"}, {20, "next slide key"}, {25, "reduce empty slots"},
  };
  auto it = names.find(id);
  return it == names.end() ? "other" : it->second;
}

class TDemo {
 public:
  TDemo(const std::string& slides, const std::string& work, const std::string& shots)
      : slides_(slides), work_(work), shots_(shots) {}

  int Run();

 private:
  void Say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::printf("%2d. ", ++step_);
    std::vprintf(format, args);
    std::printf("\n");
    std::fflush(stdout);
    va_end(args);
  }
  void Shot(const char* name) {
    Settle();
    SaveScreenshot(shots_ + "\\" + name, RECT{0, 0, 1280, 1024});
    Say("screenshot %s", name);
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
  // The middle of a tile's thumbnail for slot n at level 1 on a 1280x1024 screen.
  static POINT Slot(int n) {
    int column = (n - 1) % 3, row = (n - 1) / 3;
    return POINT{56 + column * 408 + 176, 151 + row * 401 + 120};
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
  int step_ = 0;
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
  Shot("demo-01a-file-browser.png");
  HWND main = FindWindowA("TRuvoWinControl", "Ruvo Presenter");
  TBrowserWindows browser = FindBrowser(main);
  if (!ClickListItem(browser.FileList, deck + ".ruvo")) {
    Say("the browser does not show %s.ruvo", deck.c_str());
    return;
  }
  Say("the speaker clicks %s.ruvo; OK is %s", deck.c_str(), IsWindowEnabled(browser.OK) ? "enabled" : "DISABLED");
  Shot("demo-01b-module-chosen.png");
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
  Shot("demo-01-selector-empty.png");

  POINT s4 = Slot(4);
  ClickAt(s4.x, s4.y);
  Say("the speaker clicks the empty slot 4 (manage mode)");
  if (Poll().Id == 13) BrowseForSlot(4, "Offsite");
  LoadSlot(1, "Quarterly");
  LoadSlot(2, "Launch");
  Shot("demo-02-selector-filled.png");

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
  TypeKey(main, VK_RIGHT);
  Say("the speaker presses the right arrow");
  Poll();
  p.ShowPresentationSelectorFrame();
  Say("ShowPresentationSelectorFrame: back to the selector");

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
  Shot("demo-03-selector-level2.png");
  p.SetSelectorLevel(1);
  p.ShowPresentationSelectionSelectorFrame();
  Say("SetSelectorLevel 1 and launch mode again");
  Shot("demo-04-selector-level1.png");

  {
    TMessageBoxWatcher yes(IDYES);
    ClickAt(1280 - 16 - 54, 1024 - 16 - 27);
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
