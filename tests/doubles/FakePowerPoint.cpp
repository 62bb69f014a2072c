#include "FakePowerPoint.h"

#include <oleauto.h>

#include <cstdio>

namespace {

BSTR Wide(const std::string& text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), int(text.size()), nullptr, 0);
  BSTR b = SysAllocStringLen(nullptr, UINT(n));
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), int(text.size()), b, n);
  return b;
}

bool SameText(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

bool IsRead(WORD flags) { return flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET); }

bool IntArg(const VARIANT& v, int32_t& out) {
  VARIANT i;
  VariantInit(&i);
  if (FAILED(VariantChangeType(&i, const_cast<VARIANT*>(&v), 0, VT_I4))) return false;
  out = i.lVal;
  return true;
}

bool TextArg(const VARIANT& v, std::string& out) {
  if (v.vt != VT_BSTR) return false;
  out = TFakeDispatch::Text(v.bstrVal);
  return true;
}

}  // namespace

TFakeDispatch::TFakeDispatch(std::string name, LONG* liveObjects) : name_(std::move(name)), live_(liveObjects) {
  if (live_) ++*live_;
}

TFakeDispatch::~TFakeDispatch() {
  if (live_) --*live_;
}

void TFakeDispatch::Add(const std::string& member, TMember handler) { members_.emplace_back(member, handler); }

HRESULT TFakeDispatch::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IDispatch)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG TFakeDispatch::AddRef() { return ULONG(++refs_); }

ULONG TFakeDispatch::Release() {
  LONG left = --refs_;
  if (left == 0) delete this;
  return ULONG(left);
}

HRESULT TFakeDispatch::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}

HRESULT TFakeDispatch::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT TFakeDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  HRESULT hr = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    std::string wanted = Text(names[i]);
    for (size_t m = 0; m < members_.size() && i == 0; ++m)
      if (SameText(members_[m].first, wanted)) ids[i] = DISPID(m + 1);
    if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

HRESULT TFakeDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                              EXCEPINFO* error, UINT*) {
  if (id < 1 || size_t(id) > members_.size()) return DISP_E_MEMBERNOTFOUND;
  if (params && params->cNamedArgs) return DISP_E_NONAMEDARGS;
  std::vector<VARIANT> args;
  if (params)
    for (UINT i = params->cArgs; i > 0; --i) args.push_back(params->rgvarg[i - 1]);
  return members_[size_t(id) - 1].second(flags, args, result, error);
}

std::string TFakeDispatch::Text(const wchar_t* text) {
  if (!text) return std::string();
  int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n > 0 ? n : 1), '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text, -1, &out[0], n, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

HRESULT TFakeDispatch::ReturnInt(VARIANT* result, int32_t value) {
  if (result) {
    VariantInit(result);
    result->vt = VT_I4;
    result->lVal = value;
  }
  return S_OK;
}

HRESULT TFakeDispatch::ReturnText(VARIANT* result, const std::string& text) {
  if (result) {
    VariantInit(result);
    result->vt = VT_BSTR;
    result->bstrVal = Wide(text);
  }
  return S_OK;
}

HRESULT TFakeDispatch::ReturnObject(VARIANT* result, TFakeDispatch* object) {
  if (!result) {
    object->Release();
    return S_OK;
  }
  VariantInit(result);
  result->vt = VT_DISPATCH;
  result->pdispVal = object;
  return S_OK;
}

HRESULT TFakeDispatch::Raise(EXCEPINFO* error, const std::string& description) {
  if (error) {
    *error = EXCEPINFO{};
    error->bstrSource = Wide("Microsoft PowerPoint");
    error->bstrDescription = Wide(description);
    error->scode = E_FAIL;
  }
  return DISP_E_EXCEPTION;
}

TFakePowerPoint::TFakePowerPoint() : presentation_(new TFakeDispatch("Presentation", &live_)) {
  presentation_->Add("Slides", [this](WORD flags, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    if (!IsRead(flags)) return DISP_E_MEMBERNOTFOUND;
    calls_.push_back("Presentation.Slides");
    return TFakeDispatch::ReturnObject(result, NewSlides());
  });
  presentation_->Add("FullName", [this](WORD flags, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    if (!IsRead(flags)) return DISP_E_MEMBERNOTFOUND;
    calls_.push_back("Presentation.FullName");
    return TFakeDispatch::ReturnText(result, FullName);
  });
  presentation_->Add("SlideShowSettings", [this](WORD flags, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    if (!IsRead(flags)) return DISP_E_MEMBERNOTFOUND;
    calls_.push_back("Presentation.SlideShowSettings");
    return TFakeDispatch::ReturnObject(result, NewSettings());
  });
}

TFakePowerPoint::~TFakePowerPoint() { presentation_->Release(); }

VARIANT TFakePowerPoint::Presentation() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = presentation_;
  presentation_->AddRef();
  return v;
}

TFakeDispatch* TFakePowerPoint::NewSlides() {
  auto* slides = new TFakeDispatch("Slides", &live_);
  slides->Add("Count", [this](WORD flags, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    if (!IsRead(flags)) return DISP_E_MEMBERNOTFOUND;
    calls_.push_back("Slides.Count");
    size_t read = countReads_++;
    return TFakeDispatch::ReturnInt(result, read < CountAnswers.size() ? CountAnswers[read] : int32_t(Slides.size()));
  });
  slides->Add("Item", [this](WORD flags, const std::vector<VARIANT>& args, VARIANT* result, EXCEPINFO* error) {
    if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    int32_t item = 0;
    if (args.size() != 1 || !IntArg(args[0], item)) return DISP_E_TYPEMISMATCH;
    calls_.push_back("Slides.Item(" + std::to_string(item) + ")");
    if (item < 1 || size_t(item) > Slides.size())
      return TFakeDispatch::Raise(error, "Slides.Item : Integer " + std::to_string(item) + " out of range 1 to " +
                                             std::to_string(Slides.size()) + ".");
    return TFakeDispatch::ReturnObject(result, NewSlide(item));
  });
  return slides;
}

TFakeDispatch* TFakePowerPoint::NewSlide(int32_t item) {
  std::string name = "Slide" + std::to_string(item);
  auto* slide = new TFakeDispatch(name, &live_);
  slide->Add("SlideIndex", [this, item, name](WORD flags, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    if (!IsRead(flags)) return DISP_E_MEMBERNOTFOUND;
    calls_.push_back(name + ".SlideIndex");
    return TFakeDispatch::ReturnInt(result, Slides[size_t(item) - 1].SlideIndex);
  });
  slide->Add("Export",
             [this, item, name](WORD flags, const std::vector<VARIANT>& args, VARIANT* result, EXCEPINFO* error) {
               if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
               std::string filter;
               if (args.size() >= 2) TextArg(args[1], filter);
               calls_.push_back(name + ".Export(" + filter + ")");
               if (result) VariantInit(result);
               return Export(item, args, error);
             });
  return slide;
}

TFakeDispatch* TFakePowerPoint::NewSettings() {
  auto* settings = new TFakeDispatch("SlideShowSettings", &live_);
  settings->Add("NamedSlideShows", [this](WORD flags, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
    if (!IsRead(flags)) return DISP_E_MEMBERNOTFOUND;
    calls_.push_back("SlideShowSettings.NamedSlideShows");
    auto* shows = new TFakeDispatch("NamedSlideShows", &live_);
    shows->Add("Count", [this](WORD flags, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
      if (!IsRead(flags)) return DISP_E_MEMBERNOTFOUND;
      calls_.push_back("NamedSlideShows.Count");
      return TFakeDispatch::ReturnInt(result, NamedSlideShowCount);
    });
    return TFakeDispatch::ReturnObject(result, shows);
  });
  return settings;
}

HRESULT TFakePowerPoint::Export(int32_t item, const std::vector<VARIANT>& args, EXCEPINFO* error) {
  std::string fileName, filter;
  // PowerPoint takes the file name, the filter name and optional sizes; the export passes no sizes.
  if (args.size() != 2 || !TextArg(args[0], fileName) || !TextArg(args[1], filter) || !SameText(filter, "png"))
    return TFakeDispatch::Raise(error, "Slide.Export : Invalid request.  Bad arguments.");
  files_.push_back(fileName);
  if (OnExport) OnExport(item, fileName);
  const TFakeSlide& slide = Slides[size_t(item) - 1];
  switch (slide.Fault) {
    case TExportFault::Raise:
      return TFakeDispatch::Raise(error, ExportError);
    case TExportFault::WriteNothing:
      return S_OK;
    default:
      break;
  }
  LARGE_INTEGER start, end, frequency;
  QueryPerformanceCounter(&start);
  HANDLE h = CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return TFakeDispatch::Raise(error, "Slide.Export : The file cannot be written.");
  DWORD put = 0;
  if (slide.Fault != TExportFault::WriteEmpty && !slide.Png.empty())
    WriteFile(h, slide.Png.data(), DWORD(slide.Png.size()), &put, nullptr);
  CloseHandle(h);
  QueryPerformanceCounter(&end);
  QueryPerformanceFrequency(&frequency);
  exportSeconds_ += double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
  return S_OK;
}
