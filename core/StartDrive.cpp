#include "StartDrive.h"

namespace {
char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr unsigned kRemovable = 2, kFixed = 3;
}  // namespace

char ChooseStartDrive(const std::string& letters, char currentDrive, const std::function<unsigned(char)>& driveType,
                      const std::function<bool(char)>& answers) {
  if (letters.empty()) return Lower(currentDrive);
  for (size_t i = letters.size(); i-- > 0;) {
    char letter = Lower(letters[i]);
    unsigned type = driveType(letter);
    if ((type == kRemovable || type == kFixed) && answers(letter)) return letter;
  }
  return Lower(letters[0]);
}

TStartFolder ChooseStartFolder(char startDrive, char currentDrive, const std::string& desktop) {
  char start = Lower(startDrive), current = Lower(currentDrive);
  if (start != current) return {start, DriveRoot(start)};
  if (desktop.size() >= 3 && IsLetter(desktop[0]) && desktop[1] == ':' && desktop[2] == '\\') {
    std::string folder = desktop;
    if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return {Lower(desktop[0]), folder};
  }
  return {current, DriveRoot(current)};
}

std::string DriveRoot(char letter) {
  if (!letter) return std::string();
  return std::string(1, Upper(letter)) + ":\\";
}
