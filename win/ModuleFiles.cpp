#include "ModuleFiles.h"

#include <exception>

#include "FileStream.h"

void WriteSlideToFile(TStream& stream, const std::string& sourceFileName, int32_t& offset, int32_t& size,
                      int32_t& compressedSize) {
  TFileStream source(sourceFileName, TFileStream::TMode::OpenRead);
  WriteSlideBlock(stream, source, offset, size, compressedSize);
}

void ExtractSlideFromFile(TStream& stream, const std::string& destFileName, int32_t offset, int32_t size) {
  // A block that cannot be read fails before the destination is created over an existing file.
  CheckSlideBlock(stream, offset, size);
  std::exception_ptr failure;
  {
    TFileStream dest(destFileName, TFileStream::TMode::CreateReadWrite);
    try {
      ExtractSlideBlock(stream, dest, offset, size);
    } catch (...) {
      failure = std::current_exception();
    }
  }  // closed here, so that a failed file can be removed
  if (failure) {
    DeleteFileA(destFileName.c_str());
    std::rethrow_exception(failure);
  }
}
