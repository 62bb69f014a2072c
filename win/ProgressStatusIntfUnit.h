// The progress interface through which a long operation reports to a progress window or to the
// launcher's splash window. Its interface id is all zeros; reference counting frees nothing.
#pragma once

#include <unknwn.h>

#include <cstdint>

// All zeros: the interface has no identifier of its own.
constexpr GUID IID_IProgressStatus = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

struct IProgressStatus : public IUnknown {
  virtual void STDMETHODCALLTYPE SetParams(int32_t Position, int32_t Min, int32_t Max) = 0;
  virtual void STDMETHODCALLTYPE SetPosition(int32_t Position) = 0;
  virtual void STDMETHODCALLTYPE ProcessMessages() = 0;
  virtual void STDMETHODCALLTYPE Refresh() = 0;
  // Text: zero-terminated 8-bit text; null stands for the empty string.
  virtual void STDMETHODCALLTYPE SetText(const char* Text) = 0;
};

// The interface's IUnknown part for a window that reports progress: it answers for itself, and
// counts no references (both give -1), so only the window's owner frees it.
struct TUncountedProgressStatus : public IProgressStatus {
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IProgressStatus)) {
      *object = static_cast<IProgressStatus*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return ULONG(-1); }
};
