#include "ModuleFileWriter.h"

#include <limits>
#include <vector>

#include "ModuleFormat.h"
#include "RuvoError.h"

TSlideBlock CompressPicture(const std::string& picture) {
  TFileStream source(picture, TFileStream::TMode::OpenRead);
  TSlideBlock block;
  int32_t offset = 0, compressedSize = 0;
  WriteSlideBlock(block.bytes, source, offset, block.size, compressedSize);
  return block;
}

TModuleFileWriter::TModuleFileWriter(const std::string& fileName, const std::string& presentationPath, int32_t slides,
                                     int32_t shows) {
  module_.PresentationFileName = presentationPath;
  module_.SlideInfos.resize(size_t(slides));
  module_.SlideShowInfos.resize(size_t(shows));
  TSlideShowInfo& all = module_.SlideShowInfos[0];
  all.Name = "All slides";
  all.Indices.resize(size_t(slides));
  all.Kind = 1;
  file_ = std::make_unique<TFileStream>(fileName, TFileStream::TMode::CreateReadWrite);
  created_ = TFileRemover(fileName);
  WriteHeader();
}

TSlideInfo TModuleFileWriter::WriteSlide(const TSlideBlock& block) {
  const std::vector<uint8_t>& bytes = block.bytes.Bytes();
  int64_t offset = file_->Position();
  if (offset + int64_t(bytes.size()) > std::numeric_limits<int32_t>::max())
    throw ERuvoError(Format("The module file \"%s\" would grow beyond 2 GB.", file_->Name().c_str()));
  file_->Write(bytes.data(), bytes.size());
  TSlideInfo e;
  e.Offset = int32_t(offset);
  e.Size = block.size;
  e.CompressedSize = int32_t(bytes.size());
  return e;
}

void TModuleFileWriter::SetSlide(int32_t k, TSlideInfo e) {
  e.SlideIndex = k;
  module_.SlideInfos[size_t(k) - 1] = e;
  module_.SlideShowInfos[0].Indices[size_t(k) - 1] = k;
}

void TModuleFileWriter::Finish() {
  WriteHeader();
  file_.reset();
}

void TModuleFileWriter::WriteHeader() {
  file_->Seek(0);
  WriteModuleHeader(*file_, module_);
}
