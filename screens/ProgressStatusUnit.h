// The progress window, and the forms that the progress exports create and free.
#pragma once

#include "Form.h"
#include "ProgressStatusIntfUnit.h"

class TProgressForm : public TForm, public TUncountedProgressStatus {
 public:
  // Created hidden and without owner.
  TProgressForm();

  // Each of these repaints the form at once, so a thread busy with the work still shows progress.
  void STDMETHODCALLTYPE SetParams(int32_t Position, int32_t Min, int32_t Max) override;
  void STDMETHODCALLTYPE SetPosition(int32_t Position) override;
  void STDMETHODCALLTYPE ProcessMessages() override;
  void STDMETHODCALLTYPE Refresh() override;
  void STDMETHODCALLTYPE SetText(const char* Text) override;

  TBevel& Bevel1;
  TLabel& StatusLabel;
  TProgressBar& ProgressBar;
};

// Forms made for the progress exports; the unit owns them until they are freed.
TProgressForm& NewExportedProgressForm();
// Frees a form made by NewExportedProgressForm; any other pointer is left alone.
void FreeExportedProgressForm(TProgressForm* form);
bool IsExportedProgressForm(const TProgressForm* form);

// The global progress window of the global family; null when there is none.
TProgressForm* GlobalProgressForm();
void SetGlobalProgressForm(TProgressForm* form);

// End step: frees every form the exports made and never freed (their window procedure is about
// to be unloaded), and the toolkit's window class with them.
void FreeExportedProgressForms();
