#include "AddIn.h"

#include <fstream>
#include <iterator>

TAddIn::TAddIn(const char* dll) : module_(LoadLibraryA(dll)) {
  if (!module_) throw std::runtime_error(std::string("cannot load ") + dll);
}

TAddIn::~TAddIn() { FreeLibrary(module_); }

TMessageBoxWatcher::TMessageBoxWatcher(int answer)
    : answer_(answer), thread_(CreateThread(nullptr, 0, Run, this, 0, nullptr)) {}

TMessageBoxWatcher::~TMessageBoxWatcher() {
  InterlockedExchange(&stop_, 1);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
}

std::vector<std::string> TMessageBoxWatcher::Texts() {
  std::lock_guard<std::mutex> hold(lock_);
  return texts_;
}

DWORD WINAPI TMessageBoxWatcher::Run(void* p) {
  auto* self = static_cast<TMessageBoxWatcher*>(p);
  while (!self->stop_) {
    HWND box = FindWindowA("#32770", "Ruvo Presenter");
    if (box) {
      char text[4096] = "";
      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's static text
      {
        std::lock_guard<std::mutex> hold(self->lock_);
        self->texts_.push_back(text);
      }
      PostMessageA(box, WM_COMMAND, WPARAM(self->answer_), 0);
      while (IsWindow(box) && !self->stop_) Sleep(5);
    }
    Sleep(10);
  }
  return 0;
}

TTempDir::TTempDir() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  static LONG counter = 0;
  dir_ = std::string(base) + "ruvo-test-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(InterlockedIncrement(&counter));
  CreateDirectoryA(dir_.c_str(), nullptr);
}

TTempDir::~TTempDir() {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir_ + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = fd.cFileName;
      if (name != "." && name != "..") {
        SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(Path(name).c_str());
      }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(dir_.c_str());
}

std::vector<uint8_t> ReadFileBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), {});
}

void WriteFileBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
