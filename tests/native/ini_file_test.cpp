#include <gtest/gtest.h>

#include "IniFile.h"

TEST(IniInteger, TextRules) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"0x10", 16},
      {"0X1f", 31},
      {"0xFFFFFFFF", -1},
      {"0x7fffffff", INT32_MAX},
      {"0x123456789", 7},
      {"0x000000010", 16},  // leading zeros are no overflow
      {"0x", 7},
      {"0xg", 7},
      {"0x-1", 7},
      {"abc", 7},
      {"", 7},
      {"-", 7},
      {"+", 7},
      {"12", 12},
      {"-3", -3},
      {"+4", 4},
      {"007", 7},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"2147483648", 7},
      {"99999999999999999999", 7},
      {"1 2", 7},
      {"12a", 7},
      {"0", 0},
      {"00", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(IniStrToInt(c.text, 7), c.value) << '"' << c.text << '"';
}
