#include "InitUnit.h"

#include "KernelHandle.h"
#include "ProductNames.h"

namespace {
TKernelHandle gMutex;
}

// Created not owned; one that exists already (the library's, loaded first) is opened.
void CreateRunningMutex() { gMutex = TKernelHandle(CreateMutexA(nullptr, FALSE, kRunningMutexName)); }

void CloseRunningMutex() { gMutex.Reset(); }
