#include "PowerPointCalls.h"

#include "RuvoError.h"

namespace {
const wchar_t kProgId[] = L"PowerPoint.Application";

TDispatch Presentations(IDispatch* app) { return Get(app, "Presentations").AsDispatch(); }

TDispatch Presentation(IDispatch* app, int32_t index) {
  return Call(Presentations(app).Get(), "Item", {TVariant(index)}).AsDispatch();
}

std::string FullName(IDispatch* app, int32_t index) { return Get(Presentation(app, index).Get(), "FullName").AsText(); }

int32_t PresentationCount(IDispatch* app) { return Get(Presentations(app).Get(), "Count").AsInt32(); }

// Runs a macro; the arguments after the name are by reference and may come back changed.
void RunMacro(IDispatch* app, const char* macro, std::vector<TVariant> args) {
  args.insert(args.begin(), TVariant(std::string(macro)));
  Call(app, "Run", std::move(args));
}

// Holds a BSTR made from text and frees whatever the callee left in it.
struct TBstrArg {
  BSTR value;
  explicit TBstrArg(const std::string& text) : value(TBstr(text).Detach()) {}
  ~TBstrArg() { SysFreeString(value); }
};
}  // namespace

TDispatch AttachPowerPoint() {
  CLSID clsid;
  IUnknown* running = nullptr;
  if (FAILED(CLSIDFromProgID(kProgId, &clsid)) || FAILED(GetActiveObject(clsid, nullptr, &running)) || !running)
    return TDispatch();
  IDispatch* app = nullptr;
  HRESULT hr = running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&app));
  running->Release();
  return TDispatch::Adopt(SUCCEEDED(hr) ? app : nullptr);
}

TDispatch CreatePowerPoint() {
  CLSID clsid;
  IDispatch* app = nullptr;
  if (FAILED(CLSIDFromProgID(kProgId, &clsid)) ||
      FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&app))))
    return TDispatch();
  return TDispatch::Adopt(app);
}

std::string PowerPointVersion(IDispatch* app) {
  TVariant version = Get(app, "Version");
  TVariant text;
  HRESULT hr = VariantChangeTypeEx(text.Get(), version.Get(), LOCALE_INVARIANT, 0, VT_BSTR);
  if (FAILED(hr)) return std::string();  // no number either
  return BstrToText(text.Get()->bstrVal);
}

void CollectOpenPresentations(IDispatch* app, TPresentationNames& list) {
  int32_t count = PresentationCount(app);
  for (int32_t i = 1; i <= count; ++i) list.Add(FullName(app, i));
}

void CloseNewPresentations(IDispatch* app, const TPresentationNames* list) {
  // Downwards: closing one moves only those above it, so each is reached once.
  for (int32_t i = PresentationCount(app); i >= 1; --i) {
    if (list && !IsPresentationOfTheRun(list, FullName(app, i))) continue;
    Call(Presentation(app, i).Get(), "Close");
  }
}

int32_t RunGetProcessId(IDispatch* app) {
  int32_t id = 0;
  RunMacro(app, "RuvoPresenter!GetProcessId", {TVariant::RefTo(id)});
  return id;
}

void RunLaunchPresenter(IDispatch* app, const std::string& fileName, VARIANT_BOOL& startedByLauncher) {
  TBstrArg file(fileName);
  RunMacro(app, "RuvoPresenter.ppa!LaunchRuvoPresenter",
           {TVariant::RefTo(file.value), TVariant::RefToBool(startedByLauncher)});
}

void RunLaunchDesignerModule(IDispatch* app, const std::string& moduleFileName) {
  TBstrArg file(moduleFileName);
  RunMacro(app, "RuvoPresenter.ppa!LaunchRuvoDesignerModule", {TVariant::RefTo(file.value)});
}

void QuitPowerPoint(IDispatch* app) noexcept {
  try {
    Call(app, "Quit");
  } catch (...) {
  }
}

int CompareTextLocale(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), int(a.size()), b.data(), int(b.size())) - 2;
}
