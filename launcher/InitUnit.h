// The named mutex "RuvoPresenter", held for the whole life of the program. Nothing waits on it.
#pragma once

void CreateRunningMutex();
void CloseRunningMutex();
