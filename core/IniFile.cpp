#include "IniFile.h"

namespace {
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

int32_t IniStrToInt(const std::string& text, int32_t def) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    // Leading zeros are fine; only a value beyond 32 bits falls back to the default.
    uint64_t value = 0;
    for (size_t i = 2; i < text.size(); ++i) {
      int d = HexDigit(text[i]);
      if (d < 0) return def;
      value = value << 4 | uint64_t(d);
      if (value > UINT32_MAX) return def;
    }
    return int32_t(uint32_t(value));
  }
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return def;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return def;
    value = value * 10 + (text[i] - '0');
    if (value > int64_t(INT32_MAX) + 1) return def;
  }
  if (negative) value = -value;
  return value < INT32_MIN || value > INT32_MAX ? def : int32_t(value);
}

int32_t TCustomIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t def) {
  return IniStrToInt(ReadString(section, key, ""), def);
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}
