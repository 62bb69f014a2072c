// The six module functions the launcher imports from Ruvo_Server.dll by name. The import is
// static: without the library the program does not start.
#pragma once

#include <cstdint>

#include "DesignerTypes.h"
#include "Stream.h"

extern "C" {
__declspec(dllimport) TDesignerModule* __stdcall CreateDesignerModule();
__declspec(dllimport) void __stdcall DestroyDesignerModule(TDesignerModule* module);
__declspec(dllimport) TStream* __stdcall OpenDesignerModuleFile(const char* fileName);
__declspec(dllimport) void __stdcall CloseDesignerModuleFile(TStream* moduleFile);
__declspec(dllimport) void __stdcall ReadDesignerModuleFromFile(TDesignerModule* module, TStream* moduleFile);
__declspec(dllimport) void __stdcall GetDesignerModuleParams(TDesignerModule* module, int32_t flags, char* nameBuffer,
                                                             int32_t* nameLength, int32_t* slideInfoCount,
                                                             int32_t* slideShowCount);
}
