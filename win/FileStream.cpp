#include "FileStream.h"

#include <cstring>

#include "RuvoError.h"

namespace {
constexpr size_t kReadBuffer = 16 * 1024;
}

std::string SysErrorMessage(DWORD code) {
  char* text = nullptr;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                           nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string out = n && text ? std::string(text, n) : Format("System error %lu", code);
  if (text) LocalFree(text);
  while (!out.empty() && (static_cast<unsigned char>(out.back()) <= ' ' || out.back() == '.')) out.pop_back();
  return out;
}

std::string FullPathName(const std::string& name) {
  char buf[MAX_PATH * 4];
  DWORD n = GetFullPathNameA(name.c_str(), sizeof buf, buf, nullptr);
  return n > 0 && n < sizeof buf ? std::string(buf, n) : name;
}

TFileStream::TFileStream(const std::string& fileName, TMode mode) : name_(fileName) {
  bool create = mode == TMode::CreateReadWrite;
  handle_ = CreateFileA(fileName.c_str(), create ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ, 0,
                        nullptr, create ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) {
    DWORD err = GetLastError();
    throw ERuvoError(Format(create ? "Cannot create file \"%s\". %s" : "Cannot open file \"%s\". %s",
                            FullPathName(fileName).c_str(), SysErrorMessage(err).c_str()));
  }
}

TFileStream::~TFileStream() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

void TFileStream::DropReadBuffer() {
  if (bufLen_ == 0) return;
  // Bring the OS pointer back to the logical position.
  LARGE_INTEGER to;
  to.QuadPart = pos_;
  SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN);
  bufLen_ = bufAt_ = 0;
}

size_t TFileStream::Read(void* out, size_t n) {
  auto* dst = static_cast<uint8_t*>(out);
  size_t done = 0;
  if (bufAt_ < bufLen_) {
    done = std::min(n, bufLen_ - bufAt_);
    std::memcpy(dst, buf_.get() + bufAt_, done);
    bufAt_ += done;
    pos_ += static_cast<int64_t>(done);
    if (done == n) return done;
  }
  DropReadBuffer();
  size_t want = n - done;
  DWORD got = 0;
  if (want >= kReadBuffer) {
    // Large reads go straight to the caller.
    if (!ReadFile(handle_, dst + done, static_cast<DWORD>(want), &got, nullptr)) return done;
    pos_ += got;
    return done + got;
  }
  if (!buf_) buf_.reset(new uint8_t[kReadBuffer]);
  if (!ReadFile(handle_, buf_.get(), kReadBuffer, &got, nullptr) || got == 0) return done;
  bufLen_ = got;
  size_t take = std::min<size_t>(want, got);
  std::memcpy(dst + done, buf_.get(), take);
  bufAt_ = take;
  pos_ += static_cast<int64_t>(take);
  return done + take;
}

void TFileStream::Write(const void* data, size_t n) {
  DropReadBuffer();
  const auto* p = static_cast<const uint8_t*>(data);
  while (n > 0) {
    DWORD put = 0;
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(n, 1u << 30));
    if (!WriteFile(handle_, p, chunk, &put, nullptr) || put == 0)
      throw ERuvoError(Format("Cannot write to file \"%s\". %s", FullPathName(name_).c_str(),
                              SysErrorMessage(GetLastError()).c_str()));
    p += put;
    n -= put;
    pos_ += put;
  }
}

void TFileStream::Seek(int64_t pos) {
  if (pos < 0) throw ERuvoError("Stream seek error");
  bufLen_ = bufAt_ = 0;
  LARGE_INTEGER to;
  to.QuadPart = pos;
  if (!SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN)) throw ERuvoError("Stream seek error");
  pos_ = pos;
}

int64_t TFileStream::Size() const {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(handle_, &size)) return 0;
  return size.QuadPart;
}
