// The progress window's exports: forms addressed by handle, and the global family, which works on
// the one global progress window and does nothing while there is none. A handle that no longer
// names a live form is ignored rather than used.
#include "ExportGuard.h"
#include "ExportStrings.h"
#include "ProgressStatusUnit.h"
#include "RuvoServerExports.h"

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

RUVO_EXPORT(TProgressForm*) CreateProgressObject() noexcept {
  try {
    return &NewExportedProgressForm();
  }
  RUVO_CATCH(nullptr)
}

RUVO_EXPORT(void) DestroyProgressObject(TProgressForm* form) noexcept {
  try {
    FreeExportedProgressForm(form);
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) SetProgressObjectText(TProgressForm* form, const char* text) noexcept {
  try {
    if (TProgressForm* f = Live(form)) f->SetText(text);
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowProgressObject(TProgressForm* form) noexcept {
  try {
    if (TProgressForm* f = Live(form)) f->Show();
  }
  RUVO_CATCH()
}

// An earlier global window is not freed here; it stays as it is until the library ends.
RUVO_EXPORT(void) CreateProgressForm() noexcept {
  try {
    SetGlobalProgressForm(&NewExportedProgressForm());
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) DestroyProgressForm() noexcept {
  try {
    FreeExportedProgressForm(GlobalProgressForm());
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ShowProgressForm() noexcept {
  try {
    if (TProgressForm* f = GlobalProgressForm()) f->Show();
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) SetProgressParams(int32_t position, int32_t min, int32_t max, const char* text) noexcept {
  try {
    SetGlobalParams(position, min, max, text);
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) SetProgressStatus(int32_t position) noexcept {
  try {
    if (TProgressForm* f = GlobalProgressForm()) f->SetPosition(position);
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) SetProgressText(const char* text) noexcept {
  try {
    SetGlobalText(text);
  }
  RUVO_CATCH()
}
