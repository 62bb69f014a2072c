// Writes module files through the DLL's module functions, as the add-in's export would, and
// opens them again for the presenter.
#pragma once

#include <string>
#include <vector>

#include "ModuleApi.h"
#include "TestPng.h"

// A module of `slides` slides of width x height, keys 1..slides, each slide a different picture
// (or the PNG files given; slides given the same file in a row share its block). Returns the
// module file's path.
inline std::string WriteTestModule(const TModuleApi& api, const TTempDir& dir, const std::string& name, int slides,
                                   int width = 640, int height = 360, std::vector<std::string> pngs = {}) {
  for (int i = int(pngs.size()); i < slides; ++i) {
    std::string png = dir.Path(name + "-slide" + std::to_string(i + 1) + ".png");
    WriteFileBytes(png, MakeTestPng(width, height, uint32_t(i * 37 + name.size())));
    pngs.push_back(png);
  }
  std::string path = dir.Path(name + ".ruvo");
  void* m = api.Create();
  api.SetParams(m, 7, (name + ".pptx").c_str(), slides, 1);
  api.SetShow(m, 1, 7, "All slides", slides, 1);
  void* f = api.NewFile(path.c_str());
  api.Write(m, f);
  int32_t off = 0, size = 0, comp = 0;
  for (int i = 1; i <= slides; ++i) {
    // A file named again for the next slide shares the block written for it: a large deck of one
    // picture is written in a moment, and each slide still reads and decodes a whole block.
    if (i == 1 || pngs[size_t(i - 1)] != pngs[size_t(i - 2)])
      api.WriteSlide(f, pngs[size_t(i - 1)].c_str(), &off, &size, &comp);
    api.SetSlide(m, i, i, off, size, comp);
    api.SetShowIndex(m, 1, i, i);
  }
  api.Write(m, f);
  api.CloseFile(f);
  api.Destroy(m);
  return path;
}

// A module read back and its file left open, as the add-in hands them to the presenter.
struct TOpenModule {
  const TModuleApi& api;
  void* Module;
  void* File;
  TOpenModule(const TModuleApi& a, const std::string& path)
      : api(a), Module(a.Create()), File(a.OpenFile(path.c_str())) {
    api.Read(Module, File);
  }
  ~TOpenModule() {
    api.CloseFile(File);
    api.Destroy(Module);
  }
  TOpenModule(const TOpenModule&) = delete;
  TOpenModule& operator=(const TOpenModule&) = delete;
};
