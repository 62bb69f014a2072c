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
