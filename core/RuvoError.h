// The one exception type the core raises; its text is what the user is shown.
#pragma once

#include <stdexcept>
#include <string>

class ERuvoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// printf-style message building for error texts ("Cannot open file \"%s\". %s").
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
