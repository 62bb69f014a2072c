// The main job for now: plays the add-in's part with Ruvo_Server.dll. It writes a module from the
// PNG slides in a folder through the DLL's exports, reads it back, extracts a slide, and says what
// it did. Usage: ruvo_demo SLIDE_FOLDER MODULE_FILE
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ModuleApi.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::printf("usage: ruvo_demo SLIDE_FOLDER MODULE_FILE\n");
    return 2;
  }
  std::string folder = argv[1], modulePath = argv[2];
  try {
    TAddIn addIn;
    TModuleApi api(addIn);

    std::vector<std::string> slides;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*.png").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do slides.push_back(folder + "\\" + fd.cFileName);
      while (FindNextFileA(h, &fd));
      FindClose(h);
    }
    std::sort(slides.begin(), slides.end());
    if (slides.empty()) {
      std::printf("no PNG slides in %s\n", folder.c_str());
      return 1;
    }
    int32_t n = int32_t(slides.size());

    void* m = api.Create();
    api.SetParams(m, 7, "Demo.pptx", n, 1);
    api.SetShow(m, 1, 7, "All slides", n, 1);
    void* f = api.NewFile(modulePath.c_str());
    if (!f) {
      std::printf("cannot create %s\n", modulePath.c_str());
      return 1;
    }
    api.Write(m, f);
    for (int32_t i = 1; i <= n; ++i) {
      int32_t off = 0, size = 0, comp = 0;
      api.WriteSlide(f, slides[size_t(i - 1)].c_str(), &off, &size, &comp);
      api.SetSlide(m, i, i, off, size, comp);
      api.SetShowIndex(m, 1, i, i);
      std::printf("slide %d: %s, %d bytes, stored at offset %d as %d bytes\n", i, slides[size_t(i - 1)].c_str(), size,
                  off, comp);
    }
    api.Write(m, f);
    api.CloseFile(f);
    api.Destroy(m);
    std::printf("wrote %s with %d slides\n", modulePath.c_str(), n);

    void* r = api.Create();
    void* g = api.OpenFile(modulePath.c_str());
    api.Read(r, g);
    char name[1024];
    int32_t len = 0, count = 0, shows = 0;
    api.GetParams(r, 7, name, &len, &count, &shows);
    char show[256];
    int32_t showLen = 0, showCount = 0, kind = 0;
    api.GetShow(r, 1, 7, show, &showLen, &showCount, &kind);
    std::printf("read back: presentation \"%s\", %d slides, %d show(s): \"%s\" with %d slides\n", name, count, shows,
                show, showCount);
    int32_t last = count;
    int32_t idx = 0, off = 0, size = 0, comp = 0;
    api.GetSlide(r, last, &idx, &off, &size, &comp);
    std::string out = modulePath + ".slide" + std::to_string(last) + ".png";
    api.Extract(g, out.c_str(), off, size);
    std::vector<uint8_t> a = ReadFileBytes(out), b = ReadFileBytes(slides[size_t(last - 1)]);
    std::printf("extracted slide %d to %s: %s the original\n", idx, out.c_str(),
                a == b ? "byte for byte" : "DIFFERENT FROM");
    api.CloseFile(g);
    api.Destroy(r);
    return a == b ? 0 : 1;
  } catch (const std::exception& e) {
    std::printf("demo failed: %s\n", e.what());
    return 1;
  }
}
