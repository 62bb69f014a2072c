// A module file (or any file) opened through the Win32 file API without sharing.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "Stream.h"

class TFileStream : public TStream {
 public:
  enum class TMode { OpenRead, CreateReadWrite };
  // Raises ERuvoError: "Cannot open file "%s". %s" or "Cannot create file "%s". %s".
  TFileStream(const std::string& fileName, TMode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  size_t Read(void* buf, size_t n) override;
  void Write(const void* buf, size_t n) override;
  void Seek(int64_t pos) override;
  int64_t Position() const override { return pos_; }
  int64_t Size() const override;
  std::string Name() const override { return name_; }

 private:
  void DropReadBuffer();
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  std::string name_;
  int64_t pos_ = 0;  // logical position, which the OS pointer trails by what is buffered
  // Header reads come four bytes at a time, so reads go through a small buffer.
  std::unique_ptr<uint8_t[]> buf_;
  size_t bufLen_ = 0, bufAt_ = 0;
};

// The system's text for an error code, without the trailing period and line break.
std::string SysErrorMessage(DWORD code);
// The full path of a file name, as the system forms it from the current folder.
std::string FullPathName(const std::string& name);
