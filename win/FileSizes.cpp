#include "FileSizes.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "FileStream.h"

int64_t FileSizeOf(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data)) return -1;
  return int64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

int64_t MeasureFile(const std::string& name) { return TFileStream(name, TFileStream::TMode::OpenRead).Size(); }

int64_t FreeBytes(const std::string& folder) {
  ULARGE_INTEGER free{};
  if (!GetDiskFreeSpaceExA(folder.c_str(), &free, nullptr, nullptr)) return 0;
  return int64_t(std::min<ULONGLONG>(free.QuadPart, ULONGLONG(std::numeric_limits<int64_t>::max())));
}
