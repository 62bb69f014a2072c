// The library's one presenter window, for its end steps and for tests that link the library.
#pragma once

class TMainForm;

// The window CreatePresenter made, or null.
TMainForm* PresenterWindow();
// What ClosePresenter does: the window ends its service now and is freed once no dialog of it is
// returning. The library's end steps call it, since the window's code goes with the library.
void FreePresenterWindow();
