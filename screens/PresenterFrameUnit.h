// The presenter view unit. So far only its start and end steps: the named mutex "RuvoPresenter",
// held while the library is loaded so that others can see that it is.
#pragma once

#include <windows.h>

void PresenterFrameUnitStart();
void PresenterFrameUnitEnd();

// The mutex handle the library holds, or null.
HANDLE PresenterMutex();
