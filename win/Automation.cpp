#include "Automation.h"

#include "FileStream.h"
#include "RuvoError.h"

namespace {

std::wstring TextToWide(const std::string& text) {
  if (text.empty()) return std::wstring();
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring out(size_t(n), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), &out[0], n);
  return out;
}

[[noreturn]] void Fail(HRESULT hr) { throw ERuvoError(SysErrorMessage(DWORD(hr))); }

void Check(HRESULT hr) {
  if (FAILED(hr)) Fail(hr);
}

// The text of an automation error that the object reported itself; frees what it held.
std::string ExceptionText(EXCEPINFO& error) {
  if (error.pfnDeferredFillIn) error.pfnDeferredFillIn(&error);
  std::string text = BstrToText(error.bstrDescription);
  SysFreeString(error.bstrSource);
  SysFreeString(error.bstrDescription);
  SysFreeString(error.bstrHelpFile);
  if (!text.empty()) return text;
  HRESULT code = error.scode ? error.scode : (error.wCode ? MAKE_HRESULT(1, FACILITY_ITF, error.wCode) : E_FAIL);
  return SysErrorMessage(DWORD(code));
}

}  // namespace

TBstr::TBstr(const std::string& text) {
  std::wstring wide = TextToWide(text);
  b_ = SysAllocStringLen(wide.data(), UINT(wide.size()));
  if (!b_) throw std::bad_alloc();
}

std::string WideToText(const wchar_t* text, size_t length) {
  if (!text || length == 0) return std::string();
  int n = WideCharToMultiByte(CP_ACP, 0, text, int(length), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text, int(length), &out[0], n, nullptr, nullptr);
  return out;
}

std::string BstrToText(BSTR text) { return WideToText(text, text ? SysStringLen(text) : 0); }

TVariant::TVariant(int32_t value) {
  VariantInit(&v_);
  v_.vt = VT_I4;
  v_.lVal = value;
}

TVariant::TVariant(const std::string& text) {
  VariantInit(&v_);
  v_.bstrVal = TBstr(text).Detach();
  v_.vt = VT_BSTR;
}

TVariant TVariant::RefTo(int32_t& value) {
  TVariant v;
  v.v_.vt = VT_BYREF | VT_I4;
  v.v_.plVal = reinterpret_cast<LONG*>(&value);
  return v;
}

TVariant TVariant::RefTo(BSTR& value) {
  TVariant v;
  v.v_.vt = VT_BYREF | VT_BSTR;
  v.v_.pbstrVal = &value;
  return v;
}

TVariant TVariant::RefToBool(VARIANT_BOOL& value) {
  TVariant v;
  v.v_.vt = VT_BYREF | VT_BOOL;
  v.v_.pboolVal = &value;
  return v;
}

TVariant::TVariant(const TVariant& other) {
  VariantInit(&v_);
  Check(VariantCopy(&v_, const_cast<VARIANT*>(&other.v_)));
}

TVariant::TVariant(TVariant&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }

TVariant& TVariant::operator=(TVariant other) noexcept {
  std::swap(v_, other.v_);
  return *this;
}

int32_t TVariant::AsInt32() const {
  TVariant out;
  Check(VariantChangeType(out.Get(), const_cast<VARIANT*>(&v_), 0, VT_I4));
  return out.v_.lVal;
}

std::string TVariant::AsText() const {
  TVariant out;
  Check(VariantChangeType(out.Get(), const_cast<VARIANT*>(&v_), 0, VT_BSTR));
  return BstrToText(out.v_.bstrVal);
}

TDispatch TVariant::AsDispatch() const {
  TDispatch object = DispatchOf(v_);
  if (!object) throw ERuvoError("The automation object gave no object where one was expected.");
  return object;
}

TDispatch DispatchOf(const VARIANT& value) {
  IUnknown* unknown = nullptr;
  switch (value.vt) {
    case VT_DISPATCH:
      return TDispatch::Share(value.pdispVal);
    case VT_DISPATCH | VT_BYREF:
      return TDispatch::Share(value.ppdispVal ? *value.ppdispVal : nullptr);
    case VT_UNKNOWN:
      unknown = value.punkVal;
      break;
    case VT_UNKNOWN | VT_BYREF:
      unknown = value.ppunkVal ? *value.ppunkVal : nullptr;
      break;
    case VT_VARIANT | VT_BYREF:
      // One level only: a reference to a reference is not a valid VARIANT.
      if (value.pvarVal && value.pvarVal->vt != (VT_VARIANT | VT_BYREF)) return DispatchOf(*value.pvarVal);
      return TDispatch();
    default:
      return TDispatch();
  }
  IDispatch* object = nullptr;
  if (!unknown || FAILED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object)))) return TDispatch();
  return TDispatch::Adopt(object);
}

TVariant Invoke(IDispatch* object, const std::string& member, WORD flags, std::vector<TVariant>& args) {
  if (!object) throw ERuvoError("The automation object is missing.");
  TBstr name(member);
  LPOLESTR names[] = {name.Get()};
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND)
    throw ERuvoError(Format("Method '%s' not supported by automation object", member.c_str()));
  Check(hr);

  // IDispatch takes its arguments last first; these are views of args, which keep ownership.
  std::vector<VARIANT> reversed;
  reversed.reserve(args.size());
  for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(it->Ref());
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{reversed.data(), nullptr, UINT(reversed.size()), 0};
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.rgdispidNamedArgs = &put;
    params.cNamedArgs = 1;
  }
  TVariant result;
  EXCEPINFO error{};
  UINT badArg = 0;
  hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result.Get(), &error, &badArg);
  if (hr == DISP_E_EXCEPTION) throw ERuvoError(ExceptionText(error));
  if (hr == DISP_E_MEMBERNOTFOUND)
    throw ERuvoError(Format("Method '%s' not supported by automation object", member.c_str()));
  Check(hr);
  return result;
}

TVariant Get(IDispatch* object, const std::string& member) {
  std::vector<TVariant> none;
  return Invoke(object, member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, none);
}

TVariant Call(IDispatch* object, const std::string& member, std::vector<TVariant> args) {
  return Invoke(object, member, DISPATCH_METHOD, args);
}
