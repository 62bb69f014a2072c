// The current user's drive auto-run policy ("NoDriveTypeAutoRun"), switched off while the
// presenter window exists and put back as it was found afterwards.
#pragma once

#include <windows.h>

#include <cstdint>

class TAutoRunPolicy {
 public:
  // Remembers the value and writes 255 (off for every drive type). A value that is there but is
  // no 32-bit integer is left alone, and so is the rest on any registry failure.
  void Disable();
  // Puts back what Disable found: the value it read, or no value where there was none. Does
  // nothing when Disable did not write.
  void Restore();

 private:
  enum class TFound { Nothing, Absent, Value } found_ = TFound::Nothing;
  DWORD saved_ = 0;
};

// The key and value the policy lives in, under HKEY_CURRENT_USER.
extern const char kExplorerPoliciesKey[];
extern const char kNoDriveTypeAutoRun[];
