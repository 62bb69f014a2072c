#include "ProgressStatusUnit.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "Application.h"
#include "ExportStrings.h"
#include "ProgressStatusLayout.h"

TProgressForm::TProgressForm()
    : TForm(TBorderStyle::SingleFixed, false),
      Bevel1(Add<TBevel>()),
      StatusLabel(Add<TLabel>()),
      ProgressBar(Add<TProgressBar>()) {
  SetCaption("Status");
  SetClientSize(kProgressClientWidth, kProgressClientHeight);
  SetColor(clBtnFace);
  // Eight points at this screen's resolution, unlike kFormFont's fixed pixel height.
  SetFont(TFontSpec{kFormFont.Name, FontHeightForPoints(8)});
  Position = TFormPosition::ScreenCenter;

  Bevel1.SetAlign(TAlign::Client);
  Bevel1.SetStyle(TBevelStyle::Raised);
  StatusLabel.SetBounds(kProgressStatusLabel);
  StatusLabel.SetWordWrap(true);
  StatusLabel.SetCaption("Status:");
  ProgressBar.SetBounds(kProgressBar);
}

void TProgressForm::SetParams(int32_t Position, int32_t Min, int32_t Max) {
  // The range first, so that a position valid only in the new range is kept.
  ProgressBar.SetMin(Min);
  ProgressBar.SetMax(Max);
  ProgressBar.SetPosition(Position);
  Repaint();
}

void TProgressForm::SetPosition(int32_t Position) {
  ProgressBar.SetPosition(Position);
  Repaint();
}

void TProgressForm::ProcessMessages() { ::ProcessMessages(); }

void TProgressForm::Refresh() { Repaint(); }

void TProgressForm::SetText(const char* Text) {
  StatusLabel.SetCaption(StringIn(Text));
  Repaint();
}

namespace {
std::vector<std::unique_ptr<TProgressForm>> gForms;
TProgressForm* gGlobal = nullptr;
}  // namespace

TProgressForm& NewExportedProgressForm() {
  gForms.push_back(std::make_unique<TProgressForm>());
  return *gForms.back();
}

void FreeExportedProgressForm(TProgressForm* form) {
  auto it = std::find_if(gForms.begin(), gForms.end(), [&](const auto& f) { return f.get() == form; });
  if (it == gForms.end()) return;
  if (gGlobal == form) gGlobal = nullptr;
  // Out of the list before it is destroyed, in case destroying it runs messages that look there.
  std::unique_ptr<TProgressForm> doomed = std::move(*it);
  gForms.erase(it);
}

bool IsExportedProgressForm(const TProgressForm* form) {
  return form && std::any_of(gForms.begin(), gForms.end(), [&](const auto& f) { return f.get() == form; });
}

TProgressForm* GlobalProgressForm() { return gGlobal; }

void SetGlobalProgressForm(TProgressForm* form) { gGlobal = form; }

void FreeExportedProgressForms() {
  gGlobal = nullptr;
  while (!gForms.empty()) {
    std::unique_ptr<TProgressForm> doomed = std::move(gForms.back());
    gForms.pop_back();
  }
  UnregisterToolkitWindowClass();
}
