#include "PathRules.h"

#include <vector>

namespace {

size_t NameStart(const std::string& name) {
  size_t at = name.find_last_of("\\:");
  return at == std::string::npos ? 0 : at + 1;
}

// "X:" or "\\server\share", else empty.
std::string DrivePart(const std::string& name) {
  if (name.size() >= 2 && name[1] == ':') return name.substr(0, 2);
  if (name.size() >= 2 && name[0] == '\\' && name[1] == '\\') {
    size_t server = name.find('\\', 2);
    if (server == std::string::npos) return name;
    return name.substr(0, name.find('\\', server + 1));
  }
  return std::string();
}

// The folder names between the drive and the file name; an absolute folder starts with "".
std::vector<std::string> FolderNames(const std::string& name) {
  size_t from = DrivePart(name).size(), to = NameStart(name);
  std::vector<std::string> names;
  for (size_t at = from; at < to;) {
    size_t slash = name.find('\\', at);
    if (slash == std::string::npos || slash >= to) break;
    names.push_back(name.substr(at, slash - at));
    at = slash + 1;
  }
  return names;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

}  // namespace

std::string ExtractFileName(const std::string& name) { return name.substr(NameStart(name)); }

std::string ExtractFilePath(const std::string& name) { return name.substr(0, NameStart(name)); }

std::string StripExtension(const std::string& name) {
  size_t dot = name.rfind('.');
  return dot != std::string::npos && dot >= NameStart(name) ? name.substr(0, dot) : name;
}

std::string PPTToDMFileName(const std::string& fileName) { return StripExtension(fileName) + ".ruvo"; }

std::string MakeRelativePath(const std::string& baseName, const std::string& destName) {
  if (!SameText(DrivePart(baseName), DrivePart(destName))) return destName;
  std::vector<std::string> base = FolderNames(baseName), dest = FolderNames(destName);
  size_t shared = 0;
  while (shared < base.size() && shared < dest.size() && SameText(base[shared], dest[shared])) ++shared;
  std::string result;
  for (size_t i = shared; i < base.size(); ++i) result += "..\\";
  for (size_t i = shared; i < dest.size(); ++i) result += dest[i] + "\\";
  return result + destName.substr(NameStart(destName));
}

std::string ResolveRelativePath(const std::string& baseName, const std::string& path) {
  if (path.empty() || !DrivePart(path).empty()) return path;
  if (path[0] == '\\' || path[0] == '/') return DrivePart(baseName) + path;
  return ExtractFilePath(baseName) + path;
}
