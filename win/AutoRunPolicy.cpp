#include "AutoRunPolicy.h"

const char kExplorerPoliciesKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const char kNoDriveTypeAutoRun[] = "NoDriveTypeAutoRun";

namespace {
// The policy key, created when missing; closed on every way out.
class TPolicyKey {
 public:
  TPolicyKey() {
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kExplorerPoliciesKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr) != ERROR_SUCCESS)
      key_ = nullptr;
  }
  ~TPolicyKey() {
    if (key_) RegCloseKey(key_);
  }
  TPolicyKey(const TPolicyKey&) = delete;
  TPolicyKey& operator=(const TPolicyKey&) = delete;
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

bool WriteDword(HKEY key, DWORD value) {
  return RegSetValueExA(key, kNoDriveTypeAutoRun, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
         ERROR_SUCCESS;
}
}  // namespace

void TAutoRunPolicy::Disable() {
  found_ = TFound::Nothing;
  TPolicyKey key;
  if (!key.Get()) return;
  DWORD type = 0, value = 0, size = sizeof value;
  LONG r = RegQueryValueExA(key.Get(), kNoDriveTypeAutoRun, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  TFound found;
  if (r == ERROR_FILE_NOT_FOUND)
    found = TFound::Absent;
  else if (r == ERROR_SUCCESS && type == REG_DWORD && size == sizeof value)
    found = TFound::Value;
  else
    return;  // another kind of value, or unreadable: not ours to change
  if (!WriteDword(key.Get(), 0xFF)) return;
  found_ = found;
  saved_ = value;
}

void TAutoRunPolicy::Restore() {
  TFound found = found_;
  found_ = TFound::Nothing;
  if (found == TFound::Nothing) return;
  TPolicyKey key;
  if (!key.Get()) return;
  if (found == TFound::Absent)
    RegDeleteValueA(key.Get(), kNoDriveTypeAutoRun);
  else
    WriteDword(key.Get(), saved_);
}
