#include "MainUnit.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "ExportGuard.h"
#include "FileStream.h"
#include "KernelHandle.h"
#include "LaunchCommandLine.h"
#include "MessageWait.h"
#include "PathRules.h"
#include "PowerPointCalls.h"
#include "PresenterRunRules.h"
#include "ProductNames.h"
#include "RuvoError.h"
#include "ServerImport.h"
#include "SplashUnit.h"
#include "UtilsUnit.h"
#include "VersionText.h"

namespace {

const char kTwoMonitors[] = "Ruvo Presenter requires 2 monitors connected to this system.";
const char kNoPowerPoint[] = "A valid installation of PowerPoint is required to run Ruvo Presenter";
const char kOldPowerPoint[] =
    "Microsoft Office PowerPoint 2002 (XP) or later version is required to run Ruvo Presenter";
const char kStarting[] = "Status: Starting Microsoft Office PowerPoint...";

// The program's entry on the taskbar while the splash is up, as the GUI library's application
// window gives it: titled as the application, it owns the splash, which then has no entry of its
// own. Both are never freed before the program ends: the splash of a one-monitor run stays up
// until then.
std::unique_ptr<TForm> gApplicationWindow;
std::unique_ptr<TSplashForm> gSplash;

// A close from outside while the splash is up (the taskbar entry's Close, Alt+F4 on the splash)
// cancels the run. The windows stay, so that nothing waits on one that is gone: the splash hides,
// which ends the wait for it, and the run then ends as a failed launch does.
bool gClosedFromOutside = false;
bool CancelTheRun(TForm&) {
  gClosedFromOutside = true;
  if (gSplash) gSplash->Hide();
  return false;
}

bool FileExists(const std::string& name) {
  DWORD attributes = GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// PowerPoint attached, else started; Started tells which.
TDispatch AttachOrCreate(bool& Started, TSplashForm* splash) {
  Started = false;
  TDispatch app = AttachPowerPoint();
  if (app) return app;
  if (splash) {
    splash->SetParams(0, 0, 1);
    splash->SetStatusText(kStarting);
    splash->Refresh();
  }
  app = CreatePowerPoint();
  Started = bool(app);
  if (splash) splash->SetPosition(1);
  return app;
}

void EndPowerPoint(TEndPowerPoint how, IDispatch* app, HANDLE process) {
  if (how == TEndPowerPoint::Quit) QuitPowerPoint(app);
  if (how == TEndPowerPoint::EndProcess && process) TerminateProcess(process, 0);
}

// The presentation path stored in the module, read through the library's module functions.
// False, after a message, when the module cannot be opened or names no presentation.
bool ReadPresentationPath(const std::string& moduleFileName, std::string& stored) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  TDesignerModule* module = CreateDesignerModule();
  TStream* file = GetFileAttributesExA(moduleFileName.c_str(), GetFileExInfoStandard, &data)
                      ? OpenDesignerModuleFile(moduleFileName.c_str())
                      : nullptr;
  if (!file) {
    DestroyDesignerModule(module);
    ReportFailure(Format("The module %s cannot be opened.", moduleFileName.c_str()));
    return false;
  }
  // A failed read reports itself and leaves the record as it was, naming no presentation.
  ReadDesignerModuleFromFile(module, file);
  // The library copies the whole path without knowing the buffer's size. The path was read from
  // the file, with a 32-bit length, so a buffer of the file's size, at most 2 GB, holds it.
  uint64_t fileSize = uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
  size_t size = size_t(std::min<uint64_t>(fileSize, INT32_MAX));
  std::unique_ptr<char[]> buffer(new char[size + 1]);
  buffer[0] = '\0';
  int32_t length = 0;
  GetDesignerModuleParams(module, kModulePresentationFileName, buffer.get(), &length, nullptr, nullptr);
  stored = buffer.get();
  CloseDesignerModuleFile(file);
  DestroyDesignerModule(module);
  if (stored.empty()) {
    ReportFailure(Format("The module %s names no presentation.", moduleFileName.c_str()));
    return false;
  }
  return true;
}

}  // namespace

launcher::TMainForm::TMainForm() : TForm(TBorderStyle::SingleFixed, true) {
  SetCaption("Ruvo");
  SetClientSize(108, 48);
  SetColor(clBtnFace);
  SetFont(kFormFont);
  Position = TFormPosition::ScreenCenter;
  OnCloseQuery = [](TForm& form) {
    form.Hide();
    PostQuitMessage(0);
    return false;
  };
}

void launcher::TMainForm::FormCreate(const std::string& commandLine) {
  std::vector<std::string> args = SplitCommandLine(commandLine);
  if (!args.empty()) args.erase(args.begin());  // the program's own name
  TLaunchRequest request = ParseLaunchCommandLine(args);
  if (request.Mode == TLaunchMode::ShowWindow) {
    Show();
    return;
  }
  // Whatever happens in a run, the program ends after it and never lingers hidden.
  try {
    if (request.Mode == TLaunchMode::PresenterNoFile) {
      LaunchPresenter(std::string());
    } else if (!request.FileName.empty() && FileExists(request.FileName)) {
      std::string full = ExpandFileName(request.FileName);
      if (full.empty()) full = request.FileName;
      if (request.Mode == TLaunchMode::Presenter)
        LaunchPresenter(full);
      else
        LaunchDesignerModule(full);
    }
  } catch (const std::bad_alloc&) {
    ReportFailure("Out of memory.");
  } catch (const std::exception& e) {
    ReportFailure(e.what());
  }
  PostQuitMessage(0);
}

void LaunchPresenter(const std::string& FileName) {
  gApplicationWindow = std::make_unique<TForm>(TBorderStyle::None, false);
  gApplicationWindow->SetCaption(kProductCaption);
  gApplicationWindow->SetBounds(0, 0, 0, 0);
  gApplicationWindow->Show();
  gApplicationWindow->OnCloseQuery = CancelTheRun;
  gSplash = std::make_unique<TSplashForm>(gApplicationWindow.get());
  gSplash->OnCloseQuery = CancelTheRun;
  gSplash->ShowSplash();
  if (MonitorCount() < 2) {
    ReportFailure(kTwoMonitors);
    return;
  }
  bool started = false;
  TDispatch app = AttachOrCreate(started, gSplash.get());
  gSplash->WaitUntilHidden();
  gApplicationWindow->Hide();
  if (gClosedFromOutside) {
    EndPowerPoint(TidyUpAfter(TRunEnd::LaunchFailed, started).EndPowerPoint, app.Get(), nullptr);
    return;
  }
  if (!app) {
    ReportFailure(kNoPowerPoint);
    return;
  }

  TKernelHandle exitEvent, process;
  std::unique_ptr<TPresentationNames> openBefore;
  VARIANT_BOOL flag = started ? VARIANT_TRUE : VARIANT_FALSE;
  try {
    if (!IsSupportedPowerPointVersion(PowerPointVersion(app.Get()))) {
      ReportFailure(kOldPowerPoint);
      EndPowerPoint(TidyUpAfter(TRunEnd::LaunchFailed, started).EndPowerPoint, app.Get(), nullptr);
      return;
    }
    if (started) {
      exitEvent = TKernelHandle(CreateEventA(nullptr, TRUE, FALSE, kExitEventName));
      // One left set by an earlier run would end the wait at once.
      if (exitEvent) ResetEvent(exitEvent.Get());
    } else {
      openBefore = std::make_unique<TPresentationNames>(CompareTextLocale);
      CollectOpenPresentations(app.Get(), *openBefore);
    }
    int32_t id = RunGetProcessId(app.Get());
    process = TKernelHandle(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, DWORD(id)));
    // Without it the wait could end at once and the tidy-up would end a PowerPoint in use.
    if (!process)
      throw ERuvoError(
          Format("PowerPoint's process (id %d) cannot be opened. %s", id, SysErrorMessage(GetLastError()).c_str()));
    RunLaunchPresenter(app.Get(), FileName, flag);
  } catch (const std::exception& e) {
    ReportFailure(e.what());
    EndPowerPoint(TidyUpAfter(TRunEnd::LaunchFailed, started).EndPowerPoint, app.Get(), nullptr);
    return;
  }

  TWaitPlan plan = PlanWait(bool(process), bool(exitEvent), flag != VARIANT_FALSE);
  std::vector<HANDLE> handles;
  if (plan.Process) handles.push_back(process.Get());
  if (plan.ExitEvent) handles.push_back(exitEvent.Get());
  int got = WaitForAnyHandle(handles);
  TRunEnd end = got < 0                                 ? TRunEnd::WaitFailed
                : handles[size_t(got)] == process.Get() ? TRunEnd::PowerPointEnded
                                                        : TRunEnd::ExitEventSet;
  if (end == TRunEnd::WaitFailed)
    ReportFailure(Format("Waiting for the end of the presenter failed. %s", SysErrorMessage(GetLastError()).c_str()));

  TTidyUp tidyUp = TidyUpAfter(end, started);
  if (tidyUp.ClosePresentations) {
    try {
      CloseNewPresentations(app.Get(), openBefore.get());
    } catch (const std::exception& e) {
      ReportFailure(e.what());
    }
  }
  EndPowerPoint(tidyUp.EndPowerPoint, app.Get(), process.Get());
  if (exitEvent) ResetEvent(exitEvent.Get());
}

void LaunchDesignerModule(const std::string& ModuleFileName) {
  std::string stored;
  if (!ReadPresentationPath(ModuleFileName, stored)) return;
  if (MonitorCount() < 2) {
    ReportFailure(kTwoMonitors);
    return;
  }
  // An exported module stores the presentation's bare file name, next to the module.
  if (!FileExists(ResolveRelativePath(ModuleFileName, stored))) {
    ReportFailure(Format("Presentation %s not found.", stored.c_str()));
    return;
  }
  bool started = false;
  TDispatch app = AttachOrCreate(started, nullptr);
  if (!app) {
    ReportFailure(kNoPowerPoint);
    return;
  }
  try {
    RunLaunchDesignerModule(app.Get(), ModuleFileName);
  } catch (const std::exception& e) {
    ReportFailure(e.what());
    EndPowerPoint(TidyUpAfter(TRunEnd::LaunchFailed, started).EndPowerPoint, app.Get(), nullptr);
  }
}
