// An INI file seen key by key, as the platform's profile-string functions see it. The designer file
// is read and written through this, so its layout rules are testable without Windows.
#pragma once

#include <cstdint>
#include <string>

class TCustomIniFile {
 public:
  virtual ~TCustomIniFile() = default;
  // The value, or def when the section or key is missing.
  virtual std::string ReadString(const std::string& section, const std::string& key, const std::string& def) = 0;
  // Replaces (or adds) one key; raises ERuvoError when it cannot be written.
  virtual void WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
  // Hands any cached copy of the file to the disk.
  virtual void UpdateFile() {}

  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
};

// Integer text: decimal with an optional sign, or hexadecimal after "0x"/"0X" when the text is
// longer than two characters (up to eight digits, as a 32-bit pattern). Anything else gives def.
int32_t IniStrToInt(const std::string& text, int32_t def);
