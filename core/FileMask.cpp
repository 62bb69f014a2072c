#include "FileMask.h"

#include <algorithm>

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Wildcard match by backtracking to the last '*': linear in practice, never recursive.
bool MatchesPattern(const std::string& name, const std::string& pattern) {
  size_t n = 0, p = 0, starP = std::string::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
      ++n, ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
  size_t from = 0;
  while (from <= mask.size()) {
    size_t to = mask.find(';', from);
    if (to == std::string::npos) to = mask.size();
    std::string pattern = mask.substr(from, to - from);
    if (!pattern.empty()) {
      if (MatchesPattern(name, pattern)) return true;
      bool anyExtension = pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0;
      if (anyExtension && name.find('.') == std::string::npos &&
          MatchesPattern(name, pattern.substr(0, pattern.size() - 2)))
        return true;
    }
    from = to + 1;
  }
  return false;
}

std::vector<TFilterEntry> ParseFilter(const std::string& filter) {
  std::vector<std::string> parts;
  size_t from = 0;
  while (from <= filter.size() && !filter.empty()) {
    size_t to = filter.find('|', from);
    if (to == std::string::npos) to = filter.size();
    parts.push_back(filter.substr(from, to - from));
    from = to + 1;
  }
  std::vector<TFilterEntry> entries;
  for (size_t i = 0; i < parts.size(); i += 2)
    entries.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string()});
  return entries;
}

size_t AutoPickFilterIndex(const std::vector<TFilterEntry>& entries, const std::vector<std::string>& names) {
  for (size_t i = 0; i + 1 < entries.size(); ++i)
    for (const std::string& name : names)
      if (MatchesMask(name, entries[i].Mask)) return i;
  return 0;
}

void SortNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
      if (Lower(a[i]) != Lower(b[i]))
        return static_cast<unsigned char>(Lower(a[i])) < static_cast<unsigned char>(Lower(b[i]));
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
}
