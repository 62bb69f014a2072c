#include "DriveProbe.h"

#include "StartDrive.h"

TNoDiskBoxes::TNoDiskBoxes() : old_(SetErrorMode(SEM_FAILCRITICALERRORS)) {
  SetErrorMode(old_ | SEM_FAILCRITICALERRORS);
}

TNoDiskBoxes::~TNoDiskBoxes() { SetErrorMode(old_); }

std::string ExistingDriveLetters() {
  DWORD mask = GetLogicalDrives();
  std::string letters;
  for (int i = 0; i < 26; ++i)
    if (mask & (1u << i)) letters += char('a' + i);
  return letters;
}

unsigned DriveTypeOf(char letter) {
  TNoDiskBoxes quiet;
  return GetDriveTypeA(DriveRoot(letter).c_str());
}

bool DriveAnswers(char letter) {
  TNoDiskBoxes quiet;
  ULARGE_INTEGER available, total, free;
  return GetDiskFreeSpaceExA(DriveRoot(letter).c_str(), &available, &total, &free) != FALSE;
}

std::string FixedDriveLabel(char letter) {
  if (DriveTypeOf(letter) != DRIVE_FIXED) return std::string();
  TNoDiskBoxes quiet;
  char label[MAX_PATH + 1] = "";
  if (!GetVolumeInformationA(DriveRoot(letter).c_str(), label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0))
    return std::string();
  return label;
}

char CurrentDriveLetter() {
  char folder[MAX_PATH + 1] = "";
  DWORD n = GetCurrentDirectoryA(sizeof folder, folder);
  if (n < 2 || n > MAX_PATH || folder[1] != ':') return 0;
  char c = folder[0];
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}
