#include "ProfileIniFile.h"

#include <windows.h>

#include "RuvoError.h"

std::string TProfileIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) {
  char buffer[2048];
  DWORD n =
      GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer, sizeof buffer, fileName_.c_str());
  return std::string(buffer, n < sizeof buffer ? n : sizeof buffer - 1);
}

void TProfileIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
    throw ERuvoError(Format("Unable to write to %s", fileName_.c_str()));
}

void TProfileIniFile::UpdateFile() {
  // The documented flush: all three null. Its result says nothing useful.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_.c_str());
}
