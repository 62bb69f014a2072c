// The presenter functions: the add-in creates, shows and frees the presenter window, addresses a
// slide-show screen by its presentation name, and fills and arranges the selector. Every call but
// CreatePresenter does nothing (and returns 0) while there is no window.
#include "PresenterExports.h"

#include <memory>

#include "Application.h"
#include "ExportGuard.h"
#include "ExportStrings.h"
#include "MainUnit.h"
#include "RuvoServerExports.h"
#include "UtilsUnit.h"

namespace {
std::unique_ptr<TMainForm> gPresenter;

// A Boolean arrives in a 32-bit slot of which only the low 16 bits count.
bool BoolIn(int32_t value) { return (value & 0xFFFF) != 0; }

std::wstring WideIn(const wchar_t* text) { return text ? std::wstring(text) : std::wstring(); }

// Runs f on the window; without one, nothing happens and the result is R's zero.
template <class R = void, class F>
R OnWindow(F f) {
  if (!gPresenter) return R();
  return f(*gPresenter);
}
}  // namespace

TMainForm* PresenterWindow() { return gPresenter.get(); }

void FreePresenterWindow() {
  if (!gPresenter) return;
  std::unique_ptr<TMainForm> form = std::move(gPresenter);
  // A dialog of the window may still be returning: the object goes once it has.
  form->Shutdown();
  DisposeWhenIdle(std::move(form));
}

RUVO_EXPORT(TMainForm*) CreatePresenter() noexcept {
  try {
    // A second call keeps the window there is: a new one would orphan it and its exit event.
    if (!gPresenter) gPresenter = std::make_unique<TMainForm>();
    return gPresenter.get();
  }
  RUVO_CATCH(nullptr)
}

RUVO_EXPORT(void) ShowPresenter() noexcept {
  try {
    OnWindow([](TMainForm& w) { w.Show(); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) HidePresenter() noexcept {
  try {
    OnWindow([](TMainForm& w) { w.Hide(); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ClosePresenter() noexcept {
  try {
    FreePresenterWindow();
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) SetFocusOnPresenter() noexcept {
  try {
    OnWindow([](TMainForm& w) { ForceForegroundWindow(w.Handle()); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) CreateSSWForm(const char* name, TDesignerModule* module, TStream* stream) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.CreateFrame(StringIn(name), module, stream); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) DestroySSWForm(const char* name) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.DestroyFrame(StringIn(name)); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowSSWForm(const char* name) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.ShowFrame(StringIn(name)); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) HideSSWForm(const char* name) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.HideFrame(StringIn(name)); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowNotes(const char* name) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.ShowFrameNotes(StringIn(name)); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) HideNotes(const char* name) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.HideFrameNotes(StringIn(name)); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) UpdateNotesText(const char* name, const wchar_t* text) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.SetFrameNotesText(StringIn(name), WideIn(text)); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) UpdateSlideImagesIndex(const char* name, int32_t current, int32_t previous, int32_t next) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.SetFrameSlideImages(StringIn(name), current, previous, next); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) UpdateCurrentAnimationsCount(const char* name, int32_t current, int32_t total) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.SetFrameAnimationsCount(StringIn(name), current, total); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowMediaControls(const char* name, int32_t show) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.ShowFrameVideoButton(StringIn(name), BoolIn(show)); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) SetMediaState(const char* name, int32_t playing) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.SetFrameVideoPlaying(StringIn(name), BoolIn(playing)); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowPresenterFrame(const char* name) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.SelectPresenterFrame(StringIn(name)); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowShowButton(const char* name) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.SetFrameShowButton(StringIn(name)); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowBlankButton(const char* name) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.SetFrameBlankButton(StringIn(name)); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowPresentationSelectorFrame() noexcept {
  try {
    OnWindow([](TMainForm& w) { w.ShowSelector(); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowPresentationSelectionSelectorFrame() noexcept {
  try {
    OnWindow([](TMainForm& w) { w.SelectLaunchMode(); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowPresentationManageSelectorFrame() noexcept {
  try {
    OnWindow([](TMainForm& w) { w.SelectManageMode(); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowFileBrowserFrame() noexcept {
  try {
    OnWindow([](TMainForm& w) { w.ShowFileBrowser(); });
  }
  RUVO_CATCH()
}

// Both bring the window up to date at once, also when the slot number was out of range. What the
// call changed is invalid already; painting that alone shows the same as repainting everything.
RUVO_EXPORT(void)
LoadSelectorThumbnail(int32_t index, TDesignerModule* module, TStream* stream, int32_t slideKey,
                      const char* fileName) noexcept {
  try {
    OnWindow([&](TMainForm& w) {
      w.SelectorFrame.LoadThumbnail(index, module, stream, slideKey, StringIn(fileName));
      w.Update();
    });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) SwapSelectorThumbnail(int32_t a, int32_t b) noexcept {
  try {
    OnWindow([&](TMainForm& w) {
      w.SelectorFrame.SwapThumbnails(a, b);
      w.Update();
    });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(int32_t) GetCurrentSelectorLevel() noexcept {
  try {
    return OnWindow<int32_t>([](TMainForm& w) { return w.SelectorFrame.FLevel; });
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(int32_t) GetMinSelectorLevel() noexcept {
  try {
    return OnWindow<int32_t>([](TMainForm& w) { return w.SelectorFrame.GetMinLevel(); });
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(int32_t) GetMaxSelectorLevel() noexcept {
  try {
    return OnWindow<int32_t>([](TMainForm& w) { return w.SelectorFrame.GetMaxLevel(); });
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(void) SetSelectorLevel(int32_t level) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.SelectorFrame.SetLevel(level); });
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) GetSelectorDimensions(int32_t level, int32_t* columns, int32_t* rows) noexcept {
  try {
    OnWindow([&](TMainForm& w) { w.SelectorFrame.GetDimensions(level, columns, rows); });
  }
  RUVO_CATCH()
}
