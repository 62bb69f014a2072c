// Late-bound calls on automation objects: members called by name through IDispatch, with owning
// wrappers for the COM types that travel with them. A failed call raises ERuvoError whose text is
// what the automation layer reports (the object's error description, or the system's text).
#pragma once

#include <windows.h>
// after windows.h, which they need
#include <oaidl.h>
#include <oleauto.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Owns one reference to a COM interface.
template <class T>
class TComPtr {
 public:
  TComPtr() = default;
  // Takes over a reference that the caller holds.
  static TComPtr Adopt(T* p) {
    TComPtr r;
    r.p_ = p;
    return r;
  }
  // Takes a reference of its own.
  static TComPtr Share(T* p) {
    if (p) p->AddRef();
    return Adopt(p);
  }
  ~TComPtr() { Reset(); }
  TComPtr(const TComPtr& other) : p_(other.p_) {
    if (p_) p_->AddRef();
  }
  TComPtr(TComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  TComPtr& operator=(TComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void Reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }

 private:
  T* p_ = nullptr;
};

using TDispatch = TComPtr<IDispatch>;

// Owns a BSTR.
class TBstr {
 public:
  TBstr() = default;
  // From text in the system code page.
  explicit TBstr(const std::string& text);
  ~TBstr() { SysFreeString(b_); }
  TBstr(TBstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}
  TBstr& operator=(TBstr other) noexcept {
    std::swap(b_, other.b_);
    return *this;
  }

  BSTR Get() const { return b_; }
  // Hands the string on; the receiver frees it.
  BSTR Detach() { return std::exchange(b_, nullptr); }

 private:
  BSTR b_ = nullptr;
};

// A wide string as text in the system code page.
std::string WideToText(const wchar_t* text, size_t length);
std::string BstrToText(BSTR text);

// Owns a VARIANT and clears it once.
class TVariant {
 public:
  TVariant() { VariantInit(&v_); }
  explicit TVariant(int32_t value);
  explicit TVariant(const std::string& text);
  // By-reference arguments: the callee reads the caller's variable and may change it; the
  // variable must outlive the call.
  static TVariant RefTo(int32_t& value);
  static TVariant RefTo(BSTR& value);
  static TVariant RefToBool(VARIANT_BOOL& value);
  ~TVariant() { VariantClear(&v_); }
  TVariant(const TVariant& other);
  TVariant(TVariant&& other) noexcept;
  TVariant& operator=(TVariant other) noexcept;

  VARIANT* Get() { return &v_; }
  const VARIANT& Ref() const { return v_; }

  // Conversions that fail raise ERuvoError with the system's text ("Type mismatch").
  int32_t AsInt32() const;
  std::string AsText() const;
  // The object held; raises when it holds none.
  TDispatch AsDispatch() const;

 private:
  VARIANT v_;
};

// The dispatch interface that a VARIANT holds, directly, by reference or as an IUnknown; null when
// it holds no object. The VARIANT itself is only read.
TDispatch DispatchOf(const VARIANT& value);

// Calls a member by name. Flags are DISPATCH_ flags; args come in their natural order (a
// by-reference argument comes back changed).
TVariant Invoke(IDispatch* object, const std::string& member, WORD flags, std::vector<TVariant>& args);
// A read without arguments, invoked as method or property get.
TVariant Get(IDispatch* object, const std::string& member);
// A method call.
TVariant Call(IDispatch* object, const std::string& member, std::vector<TVariant> args = {});
