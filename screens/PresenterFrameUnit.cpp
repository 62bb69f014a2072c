#include "PresenterFrameUnit.h"

#include "KernelHandle.h"

namespace {
TKernelHandle gMutex;
}

void PresenterFrameUnitStart() { gMutex = TKernelHandle(CreateMutexA(nullptr, FALSE, "RuvoPresenter")); }

void PresenterFrameUnitEnd() { gMutex.Reset(); }

HANDLE PresenterMutex() { return gMutex.Get(); }
