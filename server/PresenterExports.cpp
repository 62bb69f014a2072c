// The presenter functions: the add-in creates, shows and frees the presenter window, addresses a
// slide-show screen by its presentation name, and fills and arranges the selector. Every call but
// CreatePresenter does nothing (and returns 0) while there is no window.
#include "PresenterExports.h"

#include <memory>

#include "Application.h"
#include "ExportGuard.h"
#include "ExportStrings.h"
#include "MainUnit.h"
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

RUVO_EXPORT(TMainForm*)
CreatePresenter(){RUVO_GUARDED(nullptr,
                               {
                                 // A second call keeps the window there is: a new one would orphan it and its exit
                                 // event.
                                 if (!gPresenter) gPresenter = std::make_unique<TMainForm>();
                                 return gPresenter.get();
                               })}

RUVO_EXPORT(void) ShowPresenter() {
  RUVO_GUARDED(, OnWindow([](TMainForm& w) { w.Show(); });)
}

RUVO_EXPORT(void) HidePresenter() {
  RUVO_GUARDED(, OnWindow([](TMainForm& w) { w.Hide(); });)
}

RUVO_EXPORT(void) ClosePresenter() { RUVO_GUARDED(, FreePresenterWindow();) }

RUVO_EXPORT(void) SetFocusOnPresenter() {
  RUVO_GUARDED(, OnWindow([](TMainForm& w) { ForceForegroundWindow(w.Handle()); });)
}

RUVO_EXPORT(void) CreateSSWForm(const char* name, TDesignerModule* module, TStream* stream) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.CreateFrame(StringIn(name), module, stream); });)
}

RUVO_EXPORT(void) DestroySSWForm(const char* name) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.DestroyFrame(StringIn(name)); });)
}

RUVO_EXPORT(void) ShowSSWForm(const char* name) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.ShowFrame(StringIn(name)); });)
}

RUVO_EXPORT(void) HideSSWForm(const char* name) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.HideFrame(StringIn(name)); });)
}

RUVO_EXPORT(void) ShowNotes(const char* name) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.ShowFrameNotes(StringIn(name)); });)
}

RUVO_EXPORT(void) HideNotes(const char* name) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.HideFrameNotes(StringIn(name)); });)
}

RUVO_EXPORT(void) UpdateNotesText(const char* name, const wchar_t* text) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.SetFrameNotesText(StringIn(name), WideIn(text)); });)
}

RUVO_EXPORT(void) UpdateSlideImagesIndex(const char* name, int32_t current, int32_t previous, int32_t next) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.SetFrameSlideImages(StringIn(name), current, previous, next); });)
}

RUVO_EXPORT(void) UpdateCurrentAnimationsCount(const char* name, int32_t current, int32_t total) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.SetFrameAnimationsCount(StringIn(name), current, total); });)
}

RUVO_EXPORT(void) ShowMediaControls(const char* name, int32_t show) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.ShowFrameVideoButton(StringIn(name), BoolIn(show)); });)
}

RUVO_EXPORT(void) SetMediaState(const char* name, int32_t playing) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.SetFrameVideoPlaying(StringIn(name), BoolIn(playing)); });)
}

RUVO_EXPORT(void) ShowPresenterFrame(const char* name) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.SelectPresenterFrame(StringIn(name)); });)
}

RUVO_EXPORT(void) ShowShowButton(const char* name) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.SetFrameShowButton(StringIn(name)); });)
}

RUVO_EXPORT(void) ShowBlankButton(const char* name) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.SetFrameBlankButton(StringIn(name)); });)
}

RUVO_EXPORT(void) ShowPresentationSelectorFrame() {
  RUVO_GUARDED(, OnWindow([](TMainForm& w) { w.ShowSelector(); });)
}

RUVO_EXPORT(void) ShowPresentationSelectionSelectorFrame() {
  RUVO_GUARDED(, OnWindow([](TMainForm& w) { w.SelectLaunchMode(); });)
}

RUVO_EXPORT(void) ShowPresentationManageSelectorFrame() {
  RUVO_GUARDED(, OnWindow([](TMainForm& w) { w.SelectManageMode(); });)
}

RUVO_EXPORT(void) ShowFileBrowserFrame() {
  RUVO_GUARDED(, OnWindow([](TMainForm& w) { w.ShowFileBrowser(); });)
}

// Both bring the window up to date at once, also when the slot number was out of range. What the
// call changed is invalid already; painting that alone shows the same as repainting everything.
RUVO_EXPORT(void)
LoadSelectorThumbnail(int32_t index, TDesignerModule* module, TStream* stream, int32_t slideKey, const char* fileName) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) {
                 w.SelectorFrame.LoadThumbnail(index, module, stream, slideKey, StringIn(fileName));
                 w.Update();
               });)
}

RUVO_EXPORT(void) SwapSelectorThumbnail(int32_t a, int32_t b) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) {
                 w.SelectorFrame.SwapThumbnails(a, b);
                 w.Update();
               });)
}

RUVO_EXPORT(int32_t) GetCurrentSelectorLevel() {
  RUVO_GUARDED(0, return OnWindow<int32_t>([](TMainForm& w) { return w.SelectorFrame.FLevel; });)
}

RUVO_EXPORT(int32_t) GetMinSelectorLevel() {
  RUVO_GUARDED(0, return OnWindow<int32_t>([](TMainForm& w) { return w.SelectorFrame.GetMinLevel(); });)
}

RUVO_EXPORT(int32_t) GetMaxSelectorLevel() {
  RUVO_GUARDED(0, return OnWindow<int32_t>([](TMainForm& w) { return w.SelectorFrame.GetMaxLevel(); });)
}

RUVO_EXPORT(void) SetSelectorLevel(int32_t level) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.SelectorFrame.SetLevel(level); });)
}

RUVO_EXPORT(void) GetSelectorDimensions(int32_t level, int32_t* columns, int32_t* rows) {
  RUVO_GUARDED(, OnWindow([&](TMainForm& w) { w.SelectorFrame.GetDimensions(level, columns, rows); });)
}
