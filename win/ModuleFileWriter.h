// A module file written as the presentation export writes it: the header first, then the slides'
// blocks, then the header again over the first. The file is removed again unless kept.
#pragma once

#include <memory>
#include <string>

#include "DesignerTypes.h"
#include "FileRemover.h"
#include "FileStream.h"

// A slide's picture compressed once: the same block can go into several modules, which then cost
// one compression, not one each.
struct TSlideBlock {
  TMemoryStream bytes;
  int32_t size = 0;
};

// The picture file (opened without sharing) as a block.
TSlideBlock CompressPicture(const std::string& picture);

class TModuleFileWriter {
 public:
  // A module of the presentation with that many slides and shows, the first show listing every
  // slide; creates the file and writes the header.
  TModuleFileWriter(const std::string& fileName, const std::string& presentationPath, int32_t slides, int32_t shows);

  // Appends the block and says where it lies. Raises before the file would grow beyond 2 GB.
  TSlideInfo WriteSlide(const TSlideBlock& block);
  // Records the slide with number k at the place WriteSlide gave.
  void SetSlide(int32_t k, TSlideInfo e);
  // Writes the header again and closes the file.
  void Finish();
  void Keep() { created_.Keep(); }

 private:
  void WriteHeader();

  TDesignerModule module_;
  TFileRemover created_;  // declared before the file, so the file is closed before it is removed
  std::unique_ptr<TFileStream> file_;
};
