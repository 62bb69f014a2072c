// Where the file browser opens: the drive chosen over what the drives answer, and the folder on it.
#pragma once

#include <functional>
#include <string>

// Walks the drive letters from the last to the first and stops at the first drive that is
// removable or fixed (driveType 2 or 3) and answers a free-space query; only such drives are
// queried. Without one, the first letter; with no letters, the current drive. Letters come
// back in lower case; 0 stands for no drive.
char ChooseStartDrive(const std::string& letters, char currentDrive, const std::function<unsigned(char)>& driveType,
                      const std::function<bool(char)>& answers);

// The drive and folder the browser opens on. The root of the start drive, unless that is the
// current drive: then the desktop folder, or the current drive's root when the desktop is unknown
// or lies on no drive letter. A closing backslash of the desktop's path is dropped.
struct TStartFolder {
  char Drive = 0;  // lower case
  std::string Folder;
};
TStartFolder ChooseStartFolder(char startDrive, char currentDrive, const std::string& desktop);

// "X:\" for a drive letter, with the letter in upper case; empty for 0.
std::string DriveRoot(char letter);
