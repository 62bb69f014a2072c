#include "InitUnit.h"

#include "KernelHandle.h"

namespace {
TKernelHandle gMutex;
}

// Created not owned; one that exists already (the library's, loaded first) is opened.
void CreateRunningMutex() { gMutex = TKernelHandle(CreateMutexA(nullptr, FALSE, "RuvoPresenter")); }

void CloseRunningMutex() { gMutex.Reset(); }
