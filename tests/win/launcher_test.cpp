// Ruvo_Presenter.exe as the user starts it, with PowerPoint played by fake_powerpoint.exe, a local
// automation server registered as "PowerPoint.Application" (PowerPointDouble.h). Each test starts
// the launcher as a process of its own, answers its messages and reads the double's call log.
// The one-monitor cases run in a step of their own on a one-screen desktop (OneMonitor.*).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "LauncherTools.h"
#include "ModuleWriter.h"
#include "PowerPointDouble.h"

namespace {

const char kTwoMonitors[] = "Ruvo Presenter requires 2 monitors connected to this system.";
const char kNoPowerPoint[] = "A valid installation of PowerPoint is required to run Ruvo Presenter";
const char kOldPowerPoint[] =
    "Microsoft Office PowerPoint 2002 (XP) or later version is required to run Ruvo Presenter";
const char kLaunch[] = "Run RuvoPresenter.ppa!LaunchRuvoPresenter";
const char kLaunchModule[] = "Run RuvoPresenter.ppa!LaunchRuvoDesignerModule";

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

bool Has(const std::vector<TDoubleCall>& calls, const std::string& call) {
  return std::any_of(calls.begin(), calls.end(), [&](const TDoubleCall& c) { return c.Call == call; });
}

class Launcher : public ::testing::Test {
 protected:
  void SetUp() override {
    log = dir.Path("powerpoint.log");
    script = dir.Path("script.txt");
    quitName = "ruvo-test-quit-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    quit = CreateEventA(nullptr, TRUE, FALSE, quitName.c_str());
  }
  void TearDown() override {
    // No PowerPoint of this test may outlive it: the next one would attach to it.
    SetEvent(quit);
    std::set<DWORD> pids;
    for (const TDoubleCall& c : ReadDoubleLog(log)) pids.insert(c.Pid);
    for (DWORD pid : pids) {
      HANDLE h = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
      if (h && WaitForSingleObject(h, 5000) == WAIT_TIMEOUT) TerminateProcess(h, 1);
      if (h) CloseHandle(h);
    }
    CloseHandle(quit);
    UnregisterPowerPointDouble();
    if (!pids.empty()) RestartRpcService();
  }

  // Registers the double with these script lines (its log, its quit event and a lifetime added).
  void Script(const std::string& lines) {
    std::string text = "log=" + log + "\nquit-event=" + quitName + "\nlifetime=120000\n" + lines;
    WriteFileBytes(script, std::vector<uint8_t>(text.begin(), text.end()));
    ASSERT_TRUE(RegisterPowerPointDouble(script));
  }
  static std::string Exe() { return ProgramFolder() + "Ruvo_Presenter.exe"; }
  std::string Deck() {
    std::string deck = dir.Path("deck.ppt");
    WriteFileBytes(deck, {0xD0, 0xCF, 0x11, 0xE0});
    return deck;
  }
  std::vector<TDoubleCall> Calls() const { return ReadDoubleLog(log); }
  // Waits until the double has logged that call; false when it does not within the time.
  bool WaitForCall(const std::string& call, DWORD ms = 60000) const {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(100))
      if (Has(Calls(), call)) return true;
    return false;
  }
  // The double's process, opened while it runs, so that its exit code stays readable.
  HANDLE OpenDouble() const {
    std::vector<TDoubleCall> calls = Calls();
    return calls.empty() ? nullptr : OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, calls.front().Pid);
  }

  TTempDir dir;
  std::string log, script, quitName;
  HANDLE quit = nullptr;
};

}  // namespace

TEST_F(Launcher, WithoutTheLibraryDoesNotStart) {
  std::string alone = dir.Path("Ruvo_Presenter.exe");
  ASSERT_TRUE(CopyFileA(Exe().c_str(), alone.c_str(), FALSE));
  // Started in its own folder: the loader also searches the current one.
  TProgram launcher(alone, "", dir.Dir());
  ASSERT_TRUE(launcher.WaitEnd(60000));
  EXPECT_EQ(launcher.ExitCode(), 0xC0000135u);  // STATUS_DLL_NOT_FOUND
}

TEST_F(Launcher, AnyOtherCommandLineShowsTheRuvoWindowUntilItIsClosed) {
  for (const char* args : {"-ld", "deck.ppt -ld deck.ppt"}) {
    TProgram launcher(Exe(), args);
    HWND window = nullptr;
    for (int i = 0; i < 300 && !window && launcher.Running(); ++i, Sleep(100))
      window = FindProcessWindow(launcher.Id(), "TRuvoWinControl", "Ruvo");
    ASSERT_NE(window, nullptr) << args;
    RECT client;
    GetClientRect(window, &client);
    // Wine keeps a captioned window a few pixels wider than this, as Windows may.
    EXPECT_GE(client.right, 108) << args;
    EXPECT_LE(client.right, 130) << args;
    EXPECT_EQ(client.bottom, 48) << args;
    // The mutex is held while the program runs.
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "RuvoPresenter");
    EXPECT_NE(mutex, nullptr) << args;
    if (mutex) CloseHandle(mutex);
    Sleep(1000);
    EXPECT_TRUE(launcher.Running()) << args;
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(launcher.WaitEnd(30000)) << args;
    EXPECT_EQ(launcher.ExitCode(), 0u) << args;
  }
}

TEST_F(Launcher, AFileThatIsNotThereEndsAtOnceWithoutMessageOrSplash) {
  Script("");
  TMessageBoxWatcher boxes;
  for (const std::string& args :
       std::vector<std::string>{"-ld " + Quoted(dir.Path("missing.ppt")), "-LDM " + Quoted(dir.Dir()), "-ld \" \""}) {
    TProgram launcher(Exe(), args);
    TSplashWatcher splash(launcher.Id(), std::string());
    ASSERT_TRUE(launcher.WaitEnd(30000)) << args;
    EXPECT_EQ(launcher.ExitCode(), 0u) << args;
    EXPECT_FALSE(splash.Seen()) << args;
  }
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_TRUE(Calls().empty());
}

TEST_F(Launcher, NoPowerPointGivesTheInstallationMessageAfterTheSplash) {
  UnregisterPowerPointDouble();
  TMessageBoxWatcher boxes;
  TProgram launcher(Exe(), "");
  TSplashWatcher splash(launcher.Id(), "launcher-splash-starting-powerpoint.png");
  ASSERT_TRUE(launcher.WaitEnd(60000));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kNoPowerPoint});
  EXPECT_TRUE(splash.ShotTaken());
  EXPECT_GE(splash.ShownMs(), 4800u);  // five seconds, less the watcher's polling
  EXPECT_EQ(splash.Taskbar(), std::vector<std::string>{"Ruvo Presenter"});
  RECT r = splash.Bounds();
  EXPECT_EQ(r.right - r.left, 384);
  EXPECT_EQ(r.bottom - r.top, 283);
  // Centred on the primary monitor.
  EXPECT_EQ(r.left, (1280 - 384) / 2);
  EXPECT_EQ(r.top, (1024 - 283) / 2);
}

TEST_F(Launcher, AVersionBelowTenOrNoNumberGivesTheVersionMessageAndQuitsThePowerPointItStarted) {
  for (const char* version : {"9.0", "eleven"}) {
    DeleteFileA(log.c_str());
    Script(std::string("version=") + version + "\n");
    TMessageBoxWatcher boxes;
    TProgram launcher(Exe(), "");
    ASSERT_TRUE(launcher.WaitEnd(90000)) << version;
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kOldPowerPoint}) << version;
    std::vector<TDoubleCall> calls = Calls();
    EXPECT_TRUE(Has(calls, "Version")) << version;
    EXPECT_TRUE(Has(calls, "Quit")) << version;
    EXPECT_TRUE(CallsStartingWith(calls, "Run").empty()) << version;
    EXPECT_TRUE(WaitForCall("exit", 30000)) << version;
    RestartRpcService();
  }
}

TEST_F(Launcher, StartModeRunsThePresenterWaitsForTheExitEventAndEndsThePowerPointItStarted) {
  std::string deck = Deck();
  Script("start-delay=1500\npresenter=1\nclose-presenter-after=3000\nlaunch-opens=C:\\Talks\\Handout.ppt\n");
  // An exit event left set by an earlier run must not end the wait at once.
  HANDLE stale = CreateEventA(nullptr, TRUE, TRUE, "RuvoPresenterExit");
  TMessageBoxWatcher boxes;
  // A relative path with blanks around it, from the deck's folder.
  TProgram launcher(Exe(), "-Ld \"  deck.ppt  \"", dir.Dir());
  TSplashWatcher splash(launcher.Id(), "launcher-splash.png");
  ASSERT_TRUE(WaitForCall("ready"));
  HANDLE powerPoint = OpenDouble();
  ASSERT_NE(powerPoint, nullptr);
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "RuvoPresenter");
  EXPECT_NE(mutex, nullptr);
  if (mutex) CloseHandle(mutex);

  ASSERT_TRUE(launcher.WaitEnd(120000));
  CloseHandle(stale);
  EXPECT_EQ(launcher.ExitCode(), 0u);
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_GE(splash.ShownMs(), 4800u);

  // The double ended from outside, with exit code 0, before it could say so itself.
  EXPECT_EQ(WaitForSingleObject(powerPoint, 10000), WAIT_OBJECT_0);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(powerPoint, &code);
  CloseHandle(powerPoint);
  EXPECT_EQ(code, 0u);

  std::vector<TDoubleCall> calls = Calls();
  EXPECT_EQ(CallsStartingWith(calls, kLaunch), std::vector<std::string>{std::string(kLaunch) + " \"" + deck + "\" -1"});
  EXPECT_FALSE(Has(calls, "exit"));
  EXPECT_FALSE(Has(calls, "Quit"));
  // Every presentation is the run's, closed from the top of the collection down, after the
  // presenter closed.
  std::vector<std::string> closed = CallsStartingWith(calls, "Close ");
  EXPECT_EQ(closed, (std::vector<std::string>{"Close C:\\Talks\\Handout.ppt", "Close " + deck}));
  DWORD presenterClosed = 0, firstClose = 0;
  for (const TDoubleCall& c : calls) {
    if (c.Call == "ClosePresenter") presenterClosed = c.Ms;
    if (!firstClose && c.Call.rfind("Close ", 0) == 0) firstClose = c.Ms;
  }
  EXPECT_NE(presenterClosed, 0u);
  EXPECT_GE(firstClose, presenterClosed);
}

TEST_F(Launcher, AttachModeKeepsWhatWasOpenAndEndsQuietlyWithPowerPoint) {
  std::string deck = Deck();
  // The launch macro turns the flag on: still only PowerPoint's end ends the run, and the launcher
  // does not end the PowerPoint it did not start.
  Script(
      "open=C:\\Talks\\Before.ppt\nopen=C:\\talks\\before.PPT\npresenter=1\nclose-presenter-after=2000\nflag=true\n");
  TProgram powerPoint(ProgramFolder() + "fake_powerpoint.exe", "--script " + Quoted(script));
  ASSERT_TRUE(WaitForCall("ready"));
  TMessageBoxWatcher boxes;
  TProgram launcher(Exe(), "-ld " + Quoted(deck));
  TSplashWatcher splash(launcher.Id(), std::string());
  ASSERT_TRUE(WaitForCall("ClosePresenter", 90000));
  // The presenter is gone, but only the end of PowerPoint ends an attached run.
  Sleep(2000);
  EXPECT_TRUE(launcher.Running());
  EXPECT_TRUE(powerPoint.Running());
  SetEvent(quit);
  ASSERT_TRUE(launcher.WaitEnd(60000));
  EXPECT_EQ(launcher.ExitCode(), 0u);
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_GE(splash.ShownMs(), 4800u);

  std::vector<TDoubleCall> calls = Calls();
  EXPECT_EQ(CallsStartingWith(calls, kLaunch), std::vector<std::string>{std::string(kLaunch) + " \"" + deck + "\" 0"});
  EXPECT_TRUE(Has(calls, "FullName C:\\Talks\\Before.ppt"));
  EXPECT_TRUE(Has(calls, "FullName C:\\talks\\before.PPT"));
  EXPECT_FALSE(Has(calls, "created by COM"));
  EXPECT_TRUE(CallsStartingWith(calls, "Close ").empty());
  EXPECT_FALSE(Has(calls, "Quit"));
}

TEST_F(Launcher, AFailedMacroGivesOneMessageAndTheLauncherEnds) {
  std::string deck = Deck();
  {
    // Started for the run: PowerPoint is asked to quit.
    Script("fail=RuvoPresenter.ppa!LaunchRuvoPresenter\n");
    TMessageBoxWatcher boxes;
    TProgram launcher(Exe(), "-ld " + Quoted(deck));
    ASSERT_TRUE(launcher.WaitEnd(90000));
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{"The macro RuvoPresenter.ppa!LaunchRuvoPresenter failed in the test double."});
    EXPECT_TRUE(Has(Calls(), "Quit"));
    EXPECT_TRUE(WaitForCall("exit", 30000));
  }
  RestartRpcService();
  DeleteFileA(log.c_str());
  {
    // Attached, with a process id that opens nothing: one message, and PowerPoint is left alone.
    Script("process-id=0\n");
    TProgram powerPoint(ProgramFolder() + "fake_powerpoint.exe", "--script " + Quoted(script));
    ASSERT_TRUE(WaitForCall("ready"));
    TMessageBoxWatcher boxes;
    TProgram launcher(Exe(), "-ld " + Quoted(deck));
    ASSERT_TRUE(launcher.WaitEnd(90000));
    std::vector<std::string> texts = boxes.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rfind("PowerPoint's process (id 0) cannot be opened.", 0), 0u) << texts[0];
    EXPECT_TRUE(powerPoint.Running());
    std::vector<TDoubleCall> calls = Calls();
    EXPECT_TRUE(CallsStartingWith(calls, kLaunch).empty());
    EXPECT_FALSE(Has(calls, "Quit"));
  }
}

TEST_F(Launcher, ClosedFromOutsideWhileTheSplashIsUpItEndsWithThePowerPointItStarted) {
  std::string deck = Deck();
  // The taskbar entry's Close on the application window, Alt+F4 on the splash: both the system
  // command that ends in WM_CLOSE.
  for (const char* caption : {"Ruvo Presenter", "SplashForm"}) {
    DeleteFileA(log.c_str());
    Script("start-delay=1500\n");
    TMessageBoxWatcher boxes;
    TProgram launcher(Exe(), "-ld " + Quoted(deck));
    HWND window = nullptr;
    for (int i = 0; i < 300 && !window; ++i, Sleep(100))
      window = FindProcessWindow(launcher.Id(), "TRuvoWinControl", caption);
    ASSERT_NE(window, nullptr) << caption;
    Sleep(2000);
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(launcher.WaitEnd(60000)) << caption;
    EXPECT_TRUE(boxes.Texts().empty()) << caption;
    EXPECT_TRUE(CallsStartingWith(Calls(), "Run").empty()) << caption;
    EXPECT_TRUE(WaitForCall("exit", 30000)) << caption;
    RestartRpcService();
  }
}

TEST_F(Launcher, AModuleIsHandedToTheAddInWhenItsPresentationExists) {
  TAddIn addIn;
  TModuleApi api(addIn);
  std::string module = WriteTestModule(api, dir, "talk", 2, 64, 36);  // stores "talk.pptx"
  WriteFileBytes(dir.Path("talk.pptx"), {1});
  Script("");
  {
    // Given relative to another folder: the macro gets the full path, and the presentation's bare
    // name is looked for next to the module, not in the current folder.
    std::string parent = dir.Dir().substr(0, dir.Dir().rfind('\\'));
    TMessageBoxWatcher boxes;
    TProgram launcher(Exe(), "-ldm " + Quoted(dir.Dir().substr(parent.size() + 1) + "\\talk.ruvo"), parent);
    ASSERT_TRUE(launcher.WaitEnd(90000));
    EXPECT_EQ(launcher.ExitCode(), 0u);
    EXPECT_TRUE(boxes.Texts().empty());
    std::vector<TDoubleCall> calls = Calls();
    EXPECT_EQ(CallsStartingWith(calls, "Run"),
              std::vector<std::string>{std::string(kLaunchModule) + " \"" + module + "\""});
    EXPECT_FALSE(Has(calls, "Version"));
    EXPECT_FALSE(Has(calls, "Quit"));
  }

  // The module run leaves PowerPoint running; this one is ended before the next cases.
  SetEvent(quit);
  ASSERT_TRUE(WaitForCall("exit", 30000));
  RestartRpcService();

  // The presentation missing, the module damaged, locked, or naming a path longer than any buffer:
  // a message each, and PowerPoint is never asked.
  DeleteFileA(log.c_str());
  std::string longName(3000, 'x');
  void* m = api.Create();
  api.SetParams(m, 1, (longName + ".ppt").c_str(), 0, 0);
  void* f = api.NewFile(dir.Path("long.ruvo").c_str());
  api.Write(m, f);
  api.CloseFile(f);
  api.Destroy(m);
  std::vector<uint8_t> bytes = ReadFileBytes(module);
  bytes.resize(12);
  WriteFileBytes(dir.Path("damaged.ruvo"), bytes);
  DeleteFileA(dir.Path("talk.pptx").c_str());
  HANDLE lock = CreateFileA(dir.Path("locked.ruvo").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  const struct {
    std::string file;
    std::vector<std::string> messages;
  } cases[] = {
      {"talk.ruvo", {"Presentation talk.pptx not found."}},
      {"long.ruvo", {"Presentation " + longName + ".ppt not found."}},
      {"damaged.ruvo",
       {"The module file \"" + dir.Path("damaged.ruvo") +
            "\" is damaged: the header ends inside the presentation path.",
        "The module " + dir.Path("damaged.ruvo") + " names no presentation."}},
      {"locked.ruvo", {"The module " + dir.Path("locked.ruvo") + " cannot be opened."}},
  };
  for (const auto& c : cases) {
    TMessageBoxWatcher boxes;
    TProgram launcher(Exe(), "-ldm " + c.file, dir.Dir());
    ASSERT_TRUE(launcher.WaitEnd(60000)) << c.file;
    EXPECT_EQ(boxes.Texts(), c.messages) << c.file;
  }
  CloseHandle(lock);
  EXPECT_TRUE(Calls().empty());
}

// On a desktop with one monitor (its own step of the suite).
TEST(OneMonitor, BothRunsGiveTheTwoMonitorMessageAndLeavePowerPointAlone) {
  ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
  TTempDir dir;
  std::string log = dir.Path("powerpoint.log"), script = dir.Path("script.txt");
  std::string text = "log=" + log + "\nlifetime=60000\n";
  WriteFileBytes(script, std::vector<uint8_t>(text.begin(), text.end()));
  ASSERT_TRUE(RegisterPowerPointDouble(script));
  {
    TProgram launcher(ProgramFolder() + "Ruvo_Presenter.exe", "");
    HWND box = nullptr;
    for (int i = 0; i < 600 && !box; ++i, Sleep(100))
      box = FindProcessWindow(launcher.Id(), "#32770", "Ruvo Presenter");
    ASSERT_NE(box, nullptr);
    Sleep(1500);  // let both paint
    SaveScreenshot("launcher-one-monitor.png", RECT{0, 0, 1280, 1024});
    // The splash stays up behind the message.
    EXPECT_NE(FindProcessWindow(launcher.Id(), "TRuvoWinControl", "SplashForm"), nullptr);
    TMessageBoxWatcher boxes;
    ASSERT_TRUE(launcher.WaitEnd(60000));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kTwoMonitors});
  }
  {
    TAddIn addIn;
    TModuleApi api(addIn);
    std::string module = WriteTestModule(api, dir, "talk", 1, 64, 36);
    WriteFileBytes(dir.Path("talk.pptx"), {1});
    TMessageBoxWatcher boxes;
    TProgram launcher(ProgramFolder() + "Ruvo_Presenter.exe", "-ldm " + Quoted(module));
    ASSERT_TRUE(launcher.WaitEnd(60000));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kTwoMonitors});
  }
  UnregisterPowerPointDouble();
  EXPECT_TRUE(ReadDoubleLog(log).empty());
}
