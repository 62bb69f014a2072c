// The comparison DLL of the load benchmark: on load it decodes the library's 14 background
// pictures (7 selector, 7 all-slides) once each from its own resources, and nothing else.
#include <windows.h>

#include <vector>

#include "PngResource.h"

namespace {
std::vector<TPicture> gPictures;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  try {
    if (reason == DLL_PROCESS_ATTACH) {
      for (int32_t id = 2001; id <= 2007; ++id) gPictures.push_back(LoadPNGResource(OwnModule(), id));
      for (int32_t id = 3001; id <= 3007; ++id) gPictures.push_back(LoadPNGResource(OwnModule(), id));
    } else if (reason == DLL_PROCESS_DETACH) {
      gPictures.clear();
    }
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}
