// The launcher's PowerPoint: fake_powerpoint.exe, a local automation server of ours registered as
// "PowerPoint.Application" in the test machine's Wine prefix. What it does is set by a script file
// of "key=value" lines (see fake_powerpoint_main.cpp), and it logs every call, with its process id and
// the time, into the log file the script names. These helpers register it, write its scripts and
// read its log.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "AddIn.h"

// The double's own class id; only its program id is PowerPoint's.
constexpr CLSID kPowerPointDoubleClsid = {0x5e1f3a2b, 0x7c4d, 0x4e8f, {0x9a, 0x0b, 0x1c, 0x2d, 0x3e, 0x4f, 0x5a, 0x6b}};
constexpr char kPowerPointDoubleClsidText[] = "{5E1F3A2B-7C4D-4E8F-9A0B-1C2D3E4F5A6B}";
constexpr char kPowerPointProgId[] = "PowerPoint.Application";

// The folder of the running program, with a trailing backslash.
inline std::string ProgramFolder() {
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path = self;
  return path.substr(0, path.rfind('\\') + 1);
}

namespace double_detail {
// Local machine classes: Wine finds a program id only there, not under the current user.
inline bool SetDefault(const std::string& key, const std::string& value) {
  HKEY k = nullptr;
  std::string full = "Software\\Classes\\" + key;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, full.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) !=
      ERROR_SUCCESS)
    return false;
  LONG rc =
      RegSetValueExA(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1));
  RegCloseKey(k);
  return rc == ERROR_SUCCESS;
}
inline void DeleteKey(const std::string& key) {
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, ("Software\\Classes\\" + key).c_str());
}
}  // namespace double_detail

// Registers fake_powerpoint.exe (beside this program unless given) to run the given script.
inline bool RegisterPowerPointDouble(const std::string& script, std::string exe = std::string()) {
  using namespace double_detail;
  if (exe.empty()) exe = ProgramFolder() + "fake_powerpoint.exe";
  std::string clsid = std::string("CLSID\\") + kPowerPointDoubleClsidText;
  return SetDefault(kPowerPointProgId, "Microsoft PowerPoint Application (test double)") &&
         SetDefault(std::string(kPowerPointProgId) + "\\CLSID", kPowerPointDoubleClsidText) &&
         SetDefault(clsid, "Microsoft PowerPoint Application (test double)") &&
         SetDefault(clsid + "\\ProgID", kPowerPointProgId) &&
         SetDefault(clsid + "\\LocalServer32", "\"" + exe + "\" --script \"" + script + "\"");
}

// Leaves no PowerPoint registered.
inline void UnregisterPowerPointDouble() {
  using namespace double_detail;
  std::string clsid = std::string("CLSID\\") + kPowerPointDoubleClsidText;
  DeleteKey(clsid + "\\LocalServer32");
  DeleteKey(clsid + "\\ProgID");
  DeleteKey(clsid);
  DeleteKey(std::string(kPowerPointProgId) + "\\CLSID");
  DeleteKey(kPowerPointProgId);
}

// Wine's RPC service keeps the class of a server that was ended from outside and fails the next
// activation (0x800706BA) until it restarts; stopping it is enough, it comes back on demand.
// Real Windows needs none of this.
inline void RestartRpcService() {
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
  if (!manager) return;
  SC_HANDLE service = OpenServiceA(manager, "RpcSs", SERVICE_STOP | SERVICE_QUERY_STATUS);
  if (service) {
    SERVICE_STATUS status{};
    ControlService(service, SERVICE_CONTROL_STOP, &status);
    for (int i = 0; i < 200 && QueryServiceStatus(service, &status) && status.dwCurrentState != SERVICE_STOPPED; ++i)
      Sleep(50);
    CloseServiceHandle(service);
  }
  CloseServiceHandle(manager);
}

// The lines of a text file, without their line ends; none when it cannot be read.
inline std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<uint8_t> bytes = ReadFileBytes(path);
  std::string text(bytes.begin(), bytes.end());
  std::vector<std::string> lines;
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    at = end + 1;
  }
  return lines;
}

// One line of the double's log: "pid ms call".
struct TDoubleCall {
  DWORD Pid = 0;
  DWORD Ms = 0;
  std::string Call;
};

inline std::vector<TDoubleCall> ReadDoubleLog(const std::string& path) {
  std::vector<TDoubleCall> calls;
  for (const std::string& line : ReadLines(path)) {
    TDoubleCall c;
    unsigned long pid = 0, ms = 0;
    int used = 0;
    if (std::sscanf(line.c_str(), "%lu %lu %n", &pid, &ms, &used) >= 2 && used > 0) {
      c.Pid = DWORD(pid);
      c.Ms = DWORD(ms);
      c.Call = line.substr(size_t(used));
      calls.push_back(c);
    }
  }
  return calls;
}

// The calls that begin with the prefix, in order.
inline std::vector<std::string> CallsStartingWith(const std::vector<TDoubleCall>& calls, const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& c : calls)
    if (c.Call.compare(0, prefix.size(), prefix) == 0) out.push_back(c.Call);
  return out;
}
