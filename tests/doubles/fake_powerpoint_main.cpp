// PowerPoint's stand-in for the launcher: a local automation server whose application object has
// the members the launcher calls (Version, Presentations with Count, Item, FullName and Close, Run
// of the add-in's three macros, Quit). Started by COM ("-Embedding") it offers its class; started
// directly it plays a PowerPoint the user opened. Either way it enters its application object in
// the running object table. Its `Run` of the launch macro plays the add-in (AddInStandIn).
//
// Usage: fake_powerpoint --script FILE [-Embedding]. The script's "key=value" lines:
//   log=PATH                  every call, one line each: "pid milliseconds call"
//   version=TEXT              what Version answers (default 11.0)
//   open=NAME                 a presentation open from the start (repeatable)
//   launch-opens=NAME         a presentation the launch macro opens (repeatable); the presentation
//                             it is given is opened too
//   process-id=N              what GetProcessId answers (default: its own process id)
//   fail=MACRO                Run of that macro fails with an automation error
//   flag=true|false           what the launch macro writes into the started-by-launcher flag
//   start-delay=MS            a slow start: waits before it offers its class
//   presenter=1               the launch macro opens the presenter through Ruvo_Server.dll
//   close-presenter-after=MS  the presenter closes that long after the launch macro
//   exit-after-launch=MS      PowerPoint ends that long after the launch macro
//   quit-event=NAME           PowerPoint ends when this named event is set
//   demo=FOLDER               after the launch macro, the add-in plays a show of the
//                             presentation's module, screenshots into FOLDER, then closes
//   slide=BUILDS NOTES        what the show reports of each slide, in slide order (repeatable)
//   say=PATH                  the add-in's steps, one line each
//   lifetime=MS               ends on its own after this long (default 300000)
#include <windows.h>
// after windows.h, which they need
#include <oleauto.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AddInStandIn.h"
#include "FakePowerPoint.h"
#include "PowerPointDouble.h"

namespace {

std::multimap<std::string, std::string> gScript;
std::vector<std::string> gPresentations;
std::unique_ptr<TAddInStandIn> gAddIn;
bool gQuit = false;

std::string Setting(const std::string& key, const std::string& fallback = std::string()) {
  auto it = gScript.find(key);
  return it == gScript.end() ? fallback : it->second;
}
DWORD SettingMs(const std::string& key, DWORD fallback) {
  std::string v = Setting(key);
  return v.empty() ? fallback : DWORD(std::strtoul(v.c_str(), nullptr, 10));
}
std::vector<std::string> Settings(const std::string& key) {
  std::vector<std::string> out;
  auto range = gScript.equal_range(key);
  for (auto it = range.first; it != range.second; ++it) out.push_back(it->second);
  return out;
}

void LoadScript(const std::string& path) {
  for (const std::string& line : ReadLines(path)) {
    size_t eq = line.find('=');
    if (eq != std::string::npos) gScript.emplace(line.substr(0, eq), line.substr(eq + 1));
  }
}

void AppendLine(const std::string& path, const std::string& line) {
  if (path.empty()) return;
  HANDLE h = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  std::string text = line + "\n";
  DWORD put = 0;
  WriteFile(h, text.data(), DWORD(text.size()), &put, nullptr);
  CloseHandle(h);
}

void Log(const char* format, ...) {
  char text[2048];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  AppendLine(Setting("log"), std::to_string(GetCurrentProcessId()) + " " + std::to_string(GetTickCount()) + " " + text);
}

void Say(const std::string& line) { AppendLine(Setting("say"), line); }

// Jobs run from the message loop, not inside a call.
std::vector<std::pair<DWORD, std::function<void()>>> gJobs;
void After(DWORD ms, std::function<void()> job) { gJobs.emplace_back(GetTickCount() + ms, std::move(job)); }

std::string Text(BSTR b) { return TFakeDispatch::Text(b); }

bool SameText(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

void Open(const std::string& name) {
  for (const auto& p : gPresentations)
    if (p == name) return;
  gPresentations.push_back(name);
  Log("opens %s", name.c_str());
}

TFakeDispatch* NewPresentation(int32_t item) {
  std::string name = gPresentations[size_t(item) - 1];
  auto* p = new TFakeDispatch("Presentation");
  p->Add("FullName", [name](WORD, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    Log("FullName %s", name.c_str());
    return TFakeDispatch::ReturnText(result, name);
  });
  p->Add("Close", [name](WORD, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    Log("Close %s", name.c_str());
    for (auto it = gPresentations.begin(); it != gPresentations.end(); ++it)
      if (*it == name) {
        gPresentations.erase(it);
        break;
      }
    if (result) VariantInit(result);
    return S_OK;
  });
  return p;
}

TFakeDispatch* NewPresentations() {
  auto* c = new TFakeDispatch("Presentations");
  c->Add("Count", [](WORD, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    Log("Presentations.Count %d", int(gPresentations.size()));
    return TFakeDispatch::ReturnInt(result, int32_t(gPresentations.size()));
  });
  c->Add("Item", [](WORD, const std::vector<VARIANT>& args, VARIANT* result, EXCEPINFO* error) {
    VARIANT index;
    VariantInit(&index);
    if (args.size() != 1 || FAILED(VariantChangeType(&index, const_cast<VARIANT*>(&args[0]), 0, VT_I4)))
      return DISP_E_TYPEMISMATCH;
    Log("Presentations.Item(%ld)", index.lVal);
    if (index.lVal < 1 || size_t(index.lVal) > gPresentations.size())
      return TFakeDispatch::Raise(error, "Presentations.Item : Integer out of range.");
    return TFakeDispatch::ReturnObject(result, NewPresentation(index.lVal));
  });
  return c;
}

void StartAddIn() {
  if (!gAddIn) gAddIn = std::make_unique<TAddInStandIn>(ProgramFolder() + "Ruvo_Server.dll", Say);
}

void ClosePresenter() {
  if (gAddIn && gAddIn->PresenterOpen()) {
    Log("ClosePresenter");
    gAddIn->ClosePresenter();
  }
}

void End(const char* why) {
  if (gQuit) return;
  Log("ends (%s)", why);
  gQuit = true;
  PostQuitMessage(0);
}

// The launch macro: the presentation opened, the presenter started, and what the script asks
// for afterwards scheduled.
HRESULT LaunchPresenter(const std::vector<VARIANT>& args, EXCEPINFO* error) {
  if (args.size() != 3 || args[1].vt != (VT_BYREF | VT_BSTR) || args[2].vt != (VT_BYREF | VT_BOOL)) {
    Log("Run RuvoPresenter.ppa!LaunchRuvoPresenter with wrong arguments (%d)", int(args.size()));
    return TFakeDispatch::Raise(error, "Type mismatch");
  }
  std::string file = Text(*args[1].pbstrVal);
  VARIANT_BOOL& flag = *args[2].pboolVal;
  Log("Run RuvoPresenter.ppa!LaunchRuvoPresenter \"%s\" %d", file.c_str(), int(flag));
  if (!file.empty()) Open(file);
  for (const std::string& name : Settings("launch-opens")) Open(name);
  std::string newFlag = Setting("flag");
  if (!newFlag.empty()) flag = newFlag == "true" ? VARIANT_TRUE : VARIANT_FALSE;
  if (Setting("presenter") == "1" || !Setting("demo").empty()) {
    StartAddIn();
    gAddIn->StartPresenter();
  }
  if (!Setting("demo").empty())
    After(500, [file] {
      gAddIn->PlayShow(file, Setting("demo"), Settings("slide"));
      ClosePresenter();
    });
  if (!Setting("close-presenter-after").empty()) After(SettingMs("close-presenter-after", 0), ClosePresenter);
  if (!Setting("exit-after-launch").empty())
    After(SettingMs("exit-after-launch", 0), [] { End("closed by the user"); });
  return S_OK;
}

HRESULT Run(const std::vector<VARIANT>& args, VARIANT* result, EXCEPINFO* error) {
  if (result) VariantInit(result);
  if (args.empty() || args[0].vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
  std::string macro = Text(args[0].bstrVal);
  for (const std::string& failing : Settings("fail"))
    if (SameText(failing, macro)) {
      Log("Run %s fails", macro.c_str());
      return TFakeDispatch::Raise(error, "The macro " + macro + " failed in the test double.");
    }
  if (SameText(macro, "RuvoPresenter!GetProcessId")) {
    if (args.size() != 2 || args[1].vt != (VT_BYREF | VT_I4)) {
      Log("Run %s with wrong arguments", macro.c_str());
      return TFakeDispatch::Raise(error, "Type mismatch");
    }
    std::string id = Setting("process-id");
    *args[1].plVal = id.empty() ? LONG(GetCurrentProcessId()) : LONG(std::strtol(id.c_str(), nullptr, 10));
    Log("Run %s -> %ld", macro.c_str(), *args[1].plVal);
    return S_OK;
  }
  if (SameText(macro, "RuvoPresenter.ppa!LaunchRuvoPresenter")) return LaunchPresenter(args, error);
  if (SameText(macro, "RuvoPresenter.ppa!LaunchRuvoDesignerModule")) {
    if (args.size() != 2 || args[1].vt != (VT_BYREF | VT_BSTR)) {
      Log("Run %s with wrong arguments", macro.c_str());
      return TFakeDispatch::Raise(error, "Type mismatch");
    }
    Log("Run %s \"%s\"", macro.c_str(), Text(*args[1].pbstrVal).c_str());
    return S_OK;
  }
  Log("Run %s: no such macro", macro.c_str());
  return TFakeDispatch::Raise(error, "The macro cannot be found.");
}

TFakeDispatch* NewApplication() {
  auto* app = new TFakeDispatch("Application");
  app->Add("Version", [](WORD, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    Log("Version");
    return TFakeDispatch::ReturnText(result, Setting("version", "11.0"));
  });
  app->Add("Presentations", [](WORD, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    Log("Presentations");
    return TFakeDispatch::ReturnObject(result, NewPresentations());
  });
  app->Add("Run", [](WORD, const std::vector<VARIANT>& args, VARIANT* result, EXCEPINFO* error) {
    return Run(args, result, error);
  });
  app->Add("Quit", [](WORD, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    Log("Quit");
    if (result) VariantInit(result);
    End("Quit");
    return S_OK;
  });
  return app;
}

// Hands out the one application object, as PowerPoint does.
class TFactory : public IClassFactory {
 public:
  explicit TFactory(IDispatch* app) : app_(app) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    Log("created by %s", "COM");
    return app_->QueryInterface(iid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  IDispatch* app_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  bool embedded = false;
  for (int i = 1; i < __argc; ++i) {
    std::string a = __argv[i];
    if (a == "--script" && i + 1 < __argc) LoadScript(__argv[++i]);
    if (SameText(a, "-Embedding") || SameText(a, "/Embedding")) embedded = true;
  }
  Log("starts%s", embedded ? " for COM" : "");
  for (const std::string& name : Settings("open")) gPresentations.push_back(name);
  Sleep(SettingMs("start-delay", 0));

  CoInitialize(nullptr);
  TFakeDispatch* app = NewApplication();
  TFactory factory(app);
  DWORD classCookie = 0, tableCookie = 0;
  CoRegisterClassObject(kPowerPointDoubleClsid, &factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &classCookie);
  RegisterActiveObject(app, kPowerPointDoubleClsid, ACTIVEOBJECT_STRONG, &tableCookie);
  Log("ready");

  HANDLE quitEvent = nullptr;
  std::string quitName = Setting("quit-event");
  if (!quitName.empty()) quitEvent = CreateEventA(nullptr, TRUE, FALSE, quitName.c_str());
  After(SettingMs("lifetime", 300000), [] { End("lifetime over"); });
  while (!gQuit) {
    DWORD now = GetTickCount(), wait = INFINITE;
    for (size_t i = 0; i < gJobs.size();) {
      if (LONG(gJobs[i].first - now) <= 0) {
        auto job = std::move(gJobs[i].second);
        gJobs.erase(gJobs.begin() + LONG(i));
        job();
        i = 0;
        now = GetTickCount();
        continue;
      }
      wait = std::min(wait, gJobs[i].first - now);
      ++i;
    }
    if (gQuit) break;
    DWORD got = MsgWaitForMultipleObjects(quitEvent ? 1 : 0, &quitEvent, FALSE, wait, QS_ALLINPUT);
    if (quitEvent && got == WAIT_OBJECT_0) End("quit event");
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        gQuit = true;
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  ClosePresenter();
  RevokeActiveObject(tableCookie, nullptr);
  CoRevokeClassObject(classCookie);
  CoDisconnectObject(app, 0);
  app->Release();
  gAddIn.reset();
  CoUninitialize();
  if (quitEvent) CloseHandle(quitEvent);
  Log("exit");
  return 0;
}
