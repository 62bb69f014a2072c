// The progress window's exports: forms addressed by handle, and the global family, which works on
// the one global progress window and does nothing while there is none. A handle that no longer
// names a live form is ignored rather than used.
#include "ExportGuard.h"
#include "ExportStrings.h"
#include "ProgressStatusUnit.h"

namespace {
TProgressForm* Live(TProgressForm* form) { return IsExportedProgressForm(form) ? form : nullptr; }

void SetGlobalParams(int32_t position, int32_t min, int32_t max, const char* text) {
  TProgressForm* f = GlobalProgressForm();
  if (!f) return;
  // The new text appears in the one repaint that SetParams makes.
  f->StatusLabel.SetCaption(StringIn(text));
  f->SetParams(position, min, max);
}

void SetGlobalText(const char* text) {
  TProgressForm* f = GlobalProgressForm();
  if (!f) return;
  f->StatusLabel.SetCaption(StringIn(text));
  f->Refresh();
}
}  // namespace

RUVO_EXPORT(TProgressForm*) CreateProgressObject() { RUVO_GUARDED(nullptr, return &NewExportedProgressForm();) }

RUVO_EXPORT(void) DestroyProgressObject(TProgressForm* form) { RUVO_GUARDED(, FreeExportedProgressForm(form);) }

RUVO_EXPORT(void) SetProgressObjectText(TProgressForm* form, const char* text) {
  RUVO_GUARDED(, if (TProgressForm* f = Live(form)) f->SetText(text);)
}

RUVO_EXPORT(void) ShowProgressObject(TProgressForm* form) {
  RUVO_GUARDED(, if (TProgressForm* f = Live(form)) f->Show();)
}

// An earlier global window is not freed here; it stays as it is until the library ends.
RUVO_EXPORT(void) CreateProgressForm() { RUVO_GUARDED(, SetGlobalProgressForm(&NewExportedProgressForm());) }

RUVO_EXPORT(void) DestroyProgressForm() { RUVO_GUARDED(, FreeExportedProgressForm(GlobalProgressForm());) }

RUVO_EXPORT(void) ShowProgressForm() { RUVO_GUARDED(, if (TProgressForm* f = GlobalProgressForm()) f->Show();) }

RUVO_EXPORT(void) SetProgressParams(int32_t position, int32_t min, int32_t max, const char* text) {
  RUVO_GUARDED(, SetGlobalParams(position, min, max, text);)
}

RUVO_EXPORT(void) SetProgressStatus(int32_t position) {
  RUVO_GUARDED(, if (TProgressForm* f = GlobalProgressForm()) f->SetPosition(position);)
}

RUVO_EXPORT(void) SetProgressText(const char* text) { RUVO_GUARDED(, SetGlobalText(text);) }
