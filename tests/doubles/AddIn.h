// Test double of the PowerPoint add-in: loads Ruvo_Server.dll, resolves its exports by name and
// calls them the way the add-in's declarations do. It also answers the library's message boxes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

class TAddIn {
 public:
  explicit TAddIn(const char* dll = "Ruvo_Server.dll");
  ~TAddIn();
  TAddIn(const TAddIn&) = delete;
  TAddIn& operator=(const TAddIn&) = delete;

  HMODULE Module() const { return module_; }

  // The export's address, typed as the add-in declares it (stdcall unless said otherwise).
  template <class F>
  F Fn(const char* name) const {
    FARPROC p = GetProcAddress(module_, name);
    if (!p) throw std::runtime_error(std::string("missing export ") + name);
    return reinterpret_cast<F>(reinterpret_cast<void*>(p));
  }

 private:
  HMODULE module_;
};

// Closes every message box captioned "Ruvo Presenter" that appears while it lives, keeping
// the texts the boxes showed. The library shows them on the calling thread; this answers them
// from a thread of its own, with the given button (IDOK, IDYES, IDNO, ...).
class TMessageBoxWatcher {
 public:
  explicit TMessageBoxWatcher(int answer = IDOK);
  ~TMessageBoxWatcher();
  std::vector<std::string> Texts();

 private:
  static DWORD WINAPI Run(void* self);
  int answer_;
  HANDLE thread_;
  volatile LONG stop_ = 0;
  std::mutex lock_;
  std::vector<std::string> texts_;
};

// A folder of its own under the temporary folder, removed again with its files.
class TTempDir {
 public:
  TTempDir();
  ~TTempDir();
  std::string Path(const std::string& name) const { return dir_ + "\\" + name; }
  const std::string& Dir() const { return dir_; }

 private:
  std::string dir_;
};

std::vector<uint8_t> ReadFileBytes(const std::string& name);
void WriteFileBytes(const std::string& name, const std::vector<uint8_t>& bytes);
