// Benchmark: how long LoadLibrary of one DLL takes and how much private memory the process holds
// before and after it. The system DLLs that Ruvo_Server imports are loaded first, as they are in
// PowerPoint's process, so the figures are the DLL's own. Usage: bench_load DLL
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <cstdio>
#include <initializer_list>

namespace {
struct TMemory {
  SIZE_T privateUsage;      // as GetProcessMemoryInfo reports it
  SIZE_T privateCommitted;  // committed private pages, counted region by region
  SIZE_T workingSet;
};

TMemory Measure() {
  TMemory m{};
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  m.privateUsage = counters.PrivateUsage;
  m.workingSet = counters.WorkingSetSize;
  MEMORY_BASIC_INFORMATION info;
  for (char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) m.privateCommitted += info.RegionSize;
    char* next = static_cast<char*>(info.BaseAddress) + info.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return m;
}

double Mb(SIZE_T bytes) { return double(bytes) / 1048576.0; }
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_load DLL\n");
    return 2;
  }
  for (const char* system :
       {"user32.dll", "gdi32.dll", "comctl32.dll", "comdlg32.dll", "shell32.dll", "msimg32.dll", "advapi32.dll"})
    LoadLibraryA(system);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  TMemory before = Measure();
  QueryPerformanceCounter(&start);
  HMODULE module = LoadLibraryA(argv[1]);
  QueryPerformanceCounter(&end);
  TMemory after = Measure();
  if (!module) {
    std::fprintf(stderr, "cannot load %s (error %lu)\n", argv[1], GetLastError());
    return 1;
  }
  double ms = double(end.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
  std::printf(
      "%-22s load %7.1f ms | PrivateUsage %6.1f -> %6.1f MB | private committed %6.1f -> %6.1f MB (+%.1f) | "
      "working set %6.1f -> %6.1f MB\n",
      argv[1], ms, Mb(before.privateUsage), Mb(after.privateUsage), Mb(before.privateCommitted),
      Mb(after.privateCommitted), Mb(after.privateCommitted) - Mb(before.privateCommitted), Mb(before.workingSet),
      Mb(after.workingSet));
  FreeLibrary(module);
  return 0;
}
