// The main job's second part: the whole system run from the launcher. A deck is exported into a
// module through Ruvo_Server.dll with PowerPoint's in-process stand-in; then Ruvo_Presenter.exe
// is started on the deck with fake_powerpoint.exe registered as PowerPoint. Its launch macro
// plays the add-in: it loads the library, opens the presenter, steps through the slides with their
// notes and build steps, opens the all-slides pages, ends the show and closes the presenter. Last,
// what the launcher tidied up is checked. One line per step; screenshots of the splash and of every
// screen.
// Usage: launch_demo SLIDE_FOLDER WORK_FOLDER SCREENSHOT_FOLDER
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "DemoSteps.h"
#include "FakePowerPoint.h"
#include "LauncherTools.h"
#include "PowerPointDouble.h"

namespace {

using TExportFn = int32_t(__stdcall*)(VARIANT, const char*, char*);

// The export as the add-in's export button runs it: the module lands next to the presentation.
bool ExportDeck(const std::string& slidesFolder, const std::string& presentation) {
  std::vector<std::string> slides = FindSlides(slidesFolder, "Quarterly");
  if (slides.empty()) {
    Say("no slides Quarterly-*.png in %s", slidesFolder.c_str());
    return false;
  }
  WriteFileBytes(presentation, {0xD0, 0xCF, 0x11, 0xE0});  // the deck file PowerPoint would open
  TFakePowerPoint ppt;
  ppt.FullName = presentation;
  for (size_t i = 0; i < slides.size(); ++i) ppt.Slides.push_back({int32_t(i + 1), ReadFileBytes(slides[i])});
  TAddIn addIn;
  TMessageBoxWatcher boxes;
  char module[MAX_PATH] = "";
  VARIANT v = ppt.Presentation();
  int32_t length = addIn.Fn<TExportFn>("PresenterExportPresToModules")(v, presentation.c_str(), module);
  VariantClear(&v);
  for (const std::string& text : boxes.Texts()) Say("the export says \"%s\"", text.c_str());
  if (!length) return false;
  Say("PresenterExportPresToModules: %d slides of %s exported into %s", int(slides.size()), presentation.c_str(),
      module);
  return true;
}

// Prints the add-in's new lines since the last call.
void RelayAddIn(const std::string& sayFile, size_t& printed) {
  std::vector<std::string> lines = ReadLines(sayFile);
  for (; printed < lines.size(); ++printed) Say("%s", lines[printed].c_str());
}

bool Has(const std::vector<TDoubleCall>& calls, const std::string& call) {
  return std::any_of(calls.begin(), calls.end(), [&](const TDoubleCall& c) { return c.Call == call; });
}

int Run(const std::string& slides, const std::string& work, const std::string& shots) {
  std::string presentation = work + "\\Quarterly.pptx";
  if (!ExportDeck(slides, presentation)) return 1;

  std::string log = work + "\\powerpoint.log", sayFile = work + "\\add-in.txt", script = work + "\\powerpoint.txt";
  DeleteFileA(log.c_str());
  DeleteFileA(sayFile.c_str());
  // The deck's builds and speaker notes, which PowerPoint knows and its add-in reports.
  std::string text = "log=" + log + "\nsay=" + sayFile + "\ndemo=" + shots + "\nlifetime=240000\n" +
                     "slide=1 Welcome. Three numbers tonight: revenue, markets, hiring.\n" +
                     "slide=2 First the 12% - then click for the two new markets.\n" +
                     "slide=1 Close on hiring and the partners; then take questions.\n";
  WriteFileBytes(script, std::vector<uint8_t>(text.begin(), text.end()));
  if (!RegisterPowerPointDouble(script)) {
    Say("cannot register the PowerPoint stand-in");
    return 1;
  }
  Say("fake_powerpoint.exe is registered as \"PowerPoint.Application\"; no PowerPoint runs");

  TMessageBoxWatcher boxes;
  TProgram launcher(ProgramFolder() + "Ruvo_Presenter.exe", "-ld \"" + presentation + "\"");
  Say("the speaker starts Ruvo_Presenter.exe -ld \"%s\"", presentation.c_str());
  TSplashWatcher splash(launcher.Id(), shots + "\\launch-01-splash.png", 1500);
  HANDLE powerPoint = nullptr;
  size_t printed = 0;
  bool splashSaid = false;
  for (DWORD start = GetTickCount(); !launcher.WaitEnd(200) && GetTickCount() - start < 240000;) {
    if (!powerPoint && Has(ReadDoubleLog(log), "ready")) {
      powerPoint = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, ReadDoubleLog(log).front().Pid);
      Say("the launcher starts PowerPoint through automation (process %lu)", ReadDoubleLog(log).front().Pid);
    }
    if (!splashSaid && splash.ShotTaken()) {
      Say("the splash is up with its status line; screenshot launch-01-splash.png");
      splashSaid = true;
    }
    RelayAddIn(sayFile, printed);
  }
  RelayAddIn(sayFile, printed);
  bool ended = !launcher.Running();
  Say("the launcher %s (exit code %lu); the splash was on screen %.1f s", ended ? "has ended" : "is STILL RUNNING",
      launcher.ExitCode(), splash.ShownMs() / 1000.0);
  for (const std::string& message : boxes.Texts()) Say("a message appeared: \"%s\"", message.c_str());

  std::vector<TDoubleCall> calls = ReadDoubleLog(log);
  std::string launch = "Run RuvoPresenter.ppa!LaunchRuvoPresenter \"" + presentation + "\" -1";
  bool launched = Has(calls, launch), closed = Has(calls, "Close " + presentation);
  Say("PowerPoint was asked: %s", launched ? launch.c_str() : "NOT the launch macro with the deck's full path");
  Say("the launcher %s the presentation it opened", closed ? "closed" : "did NOT close");
  DWORD code = STILL_ACTIVE;
  bool gone = powerPoint && WaitForSingleObject(powerPoint, 20000) == WAIT_OBJECT_0 &&
              GetExitCodeProcess(powerPoint, &code) && !Has(calls, "exit");
  Say("the launcher %s PowerPoint's process, which it had started (exit code %lu)", gone ? "ended" : "did NOT end",
      code);
  if (powerPoint) CloseHandle(powerPoint);
  UnregisterPowerPointDouble();
  RestartRpcService();
  return ended && launcher.ExitCode() == 0 && boxes.Texts().empty() && launched && closed && gone ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::printf("usage: launch_demo SLIDE_FOLDER WORK_FOLDER SCREENSHOT_FOLDER\n");
    return 2;
  }
  try {
    // The launcher hands PowerPoint full paths; the work folder is written the same way here.
    char work[MAX_PATH] = "";
    GetFullPathNameA(argv[2], MAX_PATH, work, nullptr);
    return Run(argv[1], work, argv[3]);
  } catch (const std::exception& e) {
    std::printf("launch demo failed: %s\n", e.what());
    return 1;
  }
}
