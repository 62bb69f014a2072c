// The splash window of the presenter run: the splash picture (awSplash) with one status line
// under it, on screen for at least five seconds. It serves the progress interface, of which only
// the text and the message processing do more than repaint.
#pragma once

#include <string>

#include "Form.h"
#include "ProgressStatusIntfUnit.h"
#include "Timer.h"

class TSplashForm : public TForm, public TUncountedProgressStatus {
 public:
  // Created hidden, with its picture and an empty status line; owned by `owner` when one is given.
  explicit TSplashForm(TForm* owner = nullptr);

  TImage& SplashImage;
  TTimer Timer;
  TLabel& ProgressLabel;

  // Shows the window and starts the five seconds.
  void ShowSplash();
  // The run no longer needs the window: it hides once the five seconds are over too.
  void SetDone(bool Value);
  // The status line; no repaint of its own.
  void SetStatusText(const std::string& Text);
  // Marks the window done and handles messages, sleeping between them, until it is hidden or gone.
  void WaitUntilHidden();

  // These three only repaint; their values are ignored.
  void STDMETHODCALLTYPE SetParams(int32_t Position, int32_t Min, int32_t Max) override;
  void STDMETHODCALLTYPE SetPosition(int32_t Position) override;
  void STDMETHODCALLTYPE Refresh() override;
  void STDMETHODCALLTYPE ProcessMessages() override;
  void STDMETHODCALLTYPE SetText(const char* Text) override;

 private:
  void TimerTimer(TTimer&);
  void HideWhenBothDone();

  bool FDone = false;
  bool FTimerDone = false;
};
